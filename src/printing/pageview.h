#pragma once

#include <QPicture>
#include <QWidget>

namespace Quillet {

// Shows a recorded page picture stretched to the widget's size on white paper, so that zooming
// only resizes the widget and never lays the page out again.
class PageView final : public QWidget {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent = nullptr);

    const QPicture& picture() const { return m_picture; }
    void setPicture(const QPicture& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPicture m_picture;
};

} // namespace Quillet
