#include "mainwindow/colourblock.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace Quillet {

ColourBlock::ColourBlock(int index, const QColor& colour, QWidget* parent)
    : QLabel(parent), m_index(index)
{
    setObjectName(QStringLiteral("colBlocks"));
    setProperty("index", index);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setColour(colour);
}

void ColourBlock::setColour(const QColor& colour)
{
    m_colour = colour;
    QPalette swatch = palette();
    swatch.setColor(QPalette::Window, colour);
    setPalette(swatch);
    setToolTip(
        QStringLiteral("Colour the selected text %1 (double-click to change)").arg(colour.name()));
}

void ColourBlock::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked(m_index);
}

void ColourBlock::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(m_index);
}

void ColourBlock::keyPressEvent(QKeyEvent* event)
{
    // Keyboard users colour the text with Space and change the colour with Enter.
    if (event->key() == Qt::Key_Space)
        emit clicked(m_index);
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit doubleClicked(m_index);
    else
        QLabel::keyPressEvent(event);
}

} // namespace Quillet
