#pragma once

#include <QMenu>
#include <QPixmap>

namespace Quillet {

// A popup menu with a picture along its left edge, beside all of its items: the picture is
// drawn over the menu's whole height, so the items together show it as one.
class SideBarMenu final : public QMenu {
    Q_OBJECT
public:
    explicit SideBarMenu(QWidget* parent = nullptr);

    void setSideBar(const QPixmap& picture);
    int sideBarWidth() const { return m_sideBar.isNull() ? 0 : kWidth; }

    // The program's name set upright on a gradient in the program's colours.
    static QPixmap drawSideBar(int height);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int kWidth = 24;
    QPixmap m_sideBar;
};

} // namespace Quillet
