#include "widgets/staticedge.h"

#include <QAbstractButton>
#include <QColor>

namespace Quillet {

void GiveStaticEdge(QAbstractButton* button)
{
    GiveStaticEdge(button, QColor());
}

void GiveStaticEdge(QAbstractButton* button, const QColor& face)
{
    button->setProperty("staticEdge", true);
    button->setStyleSheet(
        QStringLiteral(
            "QAbstractButton { border: 1px solid palette(mid);"
            " border-top-color: palette(dark); border-left-color: palette(dark);"
            " border-bottom-color: palette(light); border-right-color: palette(light);"
            " background: %1; padding: 2px 6px; }"
            "QAbstractButton:hover { background: palette(midlight); }"
            "QAbstractButton:pressed, QAbstractButton:checked { background: palette(mid); }"
            "QAbstractButton:focus { border-color: palette(highlight); }"
            "QAbstractButton:disabled { color: palette(mid); }")
            .arg(face.isValid() ? face.name() : QStringLiteral("palette(button)")));
}

} // namespace Quillet
