#pragma once

#include <QColor>
#include <QLabel>

namespace Quillet {

// One of the sixteen colour blocks under the page: a small swatch that is clicked to colour
// the selected text and double-clicked to pick its colour.
class ColourBlock final : public QLabel {
    Q_OBJECT
public:
    ColourBlock(int index, const QColor& colour, QWidget* parent = nullptr);

    int index() const { return m_index; }
    QColor colour() const { return m_colour; }
    void setColour(const QColor& colour);

signals:
    void clicked(int index);
    void doubleClicked(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_index;
    QColor m_colour;
};

} // namespace Quillet
