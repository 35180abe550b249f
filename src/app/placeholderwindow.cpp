#include "app/placeholderwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace Quillet {

PlaceholderWindow::PlaceholderWindow(const QString& whatStandsHere, const QString& action,
                                     std::function<void()> handOver)
{
    setWindowTitle(QStringLiteral("Quillet"));
    auto* text = new QLabel(QStringLiteral("The %1 will stand here.").arg(whatStandsHere));
    text->setObjectName(QStringLiteral("placeholderText"));
    text->setAlignment(Qt::AlignCenter);
    auto* button = new QPushButton(action);
    button->setObjectName(QStringLiteral("placeholderAction"));
    connect(button, &QPushButton::clicked, this, std::move(handOver));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(button, 0, Qt::AlignHCenter);
    resize(480, 240);
}

} // namespace Quillet
