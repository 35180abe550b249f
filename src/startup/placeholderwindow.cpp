#include "startup/placeholderwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace Quillet {

PlaceholderWindow::PlaceholderWindow(const QString& whatStandsHere)
{
    setWindowTitle(QStringLiteral("Quillet"));
    auto* text = new QLabel(QStringLiteral("The %1 will stand here.").arg(whatStandsHere));
    text->setObjectName(QStringLiteral("placeholderText"));
    text->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    resize(480, 240);
}

PlaceholderWindow::PlaceholderWindow(const QString& whatStandsHere, const QString& action,
                                     std::function<void()> handOver)
    : PlaceholderWindow(whatStandsHere)
{
    auto* button = new QPushButton(action);
    button->setObjectName(QStringLiteral("placeholderAction"));
    connect(button, &QPushButton::clicked, this, std::move(handOver));
    layout()->addWidget(button);
    layout()->setAlignment(button, Qt::AlignHCenter);
}

} // namespace Quillet
