#include "mainwindow/sidebarmenu.h"

#include <QLinearGradient>
#include <QPainter>

namespace Quillet {

SideBarMenu::SideBarMenu(QWidget* parent) : QMenu(parent) {}

void SideBarMenu::setSideBar(const QPixmap& picture)
{
    m_sideBar = picture;
    // The items move right of the strip, one pixel apart from it.
    setContentsMargins(sideBarWidth() + 1, 0, 0, 0);
}

QPixmap SideBarMenu::drawSideBar(int height)
{
    QPixmap picture(kWidth, qMax(height, 1));
    QPainter painter(&picture);
    QLinearGradient gradient(0, picture.height(), 0, 0);
    gradient.setColorAt(0, QColor(0x7a, 0x1f, 0x1f));
    gradient.setColorAt(1, QColor(0xc8, 0x9b, 0x3c));
    painter.fillRect(picture.rect(), gradient);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(kWidth - 8);
    painter.setFont(font);
    painter.setPen(Qt::white);
    // Read from the bottom up, as names on book spines and menu strips are.
    painter.translate(0, picture.height());
    painter.rotate(-90);
    painter.drawText(QRect(6, 0, picture.height() - 12, kWidth), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Quillet"));
    return picture;
}

void SideBarMenu::paintEvent(QPaintEvent* event)
{
    QMenu::paintEvent(event);
    if (m_sideBar.isNull())
        return;
    QPainter painter(this);
    const QRect strip(0, 0, kWidth, height());
    painter.drawPixmap(strip, m_sideBar, m_sideBar.rect());
}

} // namespace Quillet
