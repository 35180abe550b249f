#include "widgets/staticedge.h"

#include <QAbstractButton>

namespace Quillet {

void GiveStaticEdge(QAbstractButton* button)
{
    button->setProperty("staticEdge", true);
    button->setStyleSheet(QStringLiteral(
        "QAbstractButton { border: 1px solid palette(mid);"
        " border-top-color: palette(dark); border-left-color: palette(dark);"
        " border-bottom-color: palette(light); border-right-color: palette(light);"
        " background: palette(button); padding: 2px 6px; }"
        "QAbstractButton:hover { background: palette(midlight); }"
        "QAbstractButton:pressed, QAbstractButton:checked { background: palette(mid); }"
        "QAbstractButton:focus { border-color: palette(highlight); }"
        "QAbstractButton:disabled { color: palette(mid); }"));
}

} // namespace Quillet
