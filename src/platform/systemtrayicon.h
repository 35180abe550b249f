#pragma once

#include "platform/trayicon.h"

#include <memory>

class QSystemTrayIcon;

namespace Quillet {

// The icon in the desktop's notification area, with the program's window icon.
class SystemTrayIcon final : public TrayIcon {
public:
    SystemTrayIcon();
    ~SystemTrayIcon() override;
    Q_DISABLE_COPY_MOVE(SystemTrayIcon)

    bool available() const override;
    void show(const QString& toolTip, std::function<void(Button)> pressed) override;
    void hide() override;

private:
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

} // namespace Quillet
