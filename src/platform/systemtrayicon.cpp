#include "platform/systemtrayicon.h"

#include <QApplication>
#include <QSystemTrayIcon>

namespace Quillet {

SystemTrayIcon::SystemTrayIcon() = default;

SystemTrayIcon::~SystemTrayIcon() = default;

bool SystemTrayIcon::available() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTrayIcon::show(const QString& toolTip, std::function<void(Button)> pressed)
{
    m_icon = std::make_unique<QSystemTrayIcon>(QApplication::windowIcon());
    m_icon->setToolTip(toolTip);
    QObject::connect(m_icon.get(), &QSystemTrayIcon::activated,
                     [pressed = std::move(pressed)](QSystemTrayIcon::ActivationReason reason) {
                         // A double click follows a click that has already opened the program.
                         if (reason == QSystemTrayIcon::Trigger)
                             pressed(Button::Left);
                         else if (reason == QSystemTrayIcon::Context ||
                                  reason == QSystemTrayIcon::MiddleClick)
                             pressed(Button::Other);
                     });
    m_icon->show();
}

void SystemTrayIcon::hide()
{
    m_icon.reset();
}

} // namespace Quillet
