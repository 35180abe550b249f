#include "startup/placeholderwindow.h"

#include <QLabel>
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

} // namespace Quillet
