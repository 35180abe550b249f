#include "mainwindow/skinframe.h"

#include "mainwindow/captionbar.h"
#include "mainwindow/skinborder.h"

#include <QWidget>

namespace Quillet {

SkinFrame::SkinFrame(QWidget& window, QWidget& client, bool drawn)
    : m_window(window), m_client(client), m_drawn(drawn)
{
    if (!m_drawn)
        return;
    m_window.setWindowFlag(Qt::FramelessWindowHint);
    m_caption = new CaptionBar(m_window);
    m_borders = {new SkinBorder(m_window, Qt::TopEdge, QStringLiteral("JSBORDER0")),
                 new SkinBorder(m_window, Qt::LeftEdge, QStringLiteral("JSBORDER1")),
                 new SkinBorder(m_window, Qt::RightEdge, QStringLiteral("JSBORDER2")),
                 new SkinBorder(m_window, Qt::BottomEdge, QStringLiteral("JSBORDER3"))};
}

void SkinFrame::apply(const SkinFile::Values& skin)
{
    if (!m_drawn)
        return;
    const QSize client = clientSize();
    m_style = SkinFrameStyle::from(skin);
    m_caption->setStyle(m_style);
    for (SkinBorder* border : m_borders)
        border->setStyle(m_style);
    setClientMinimumSize(m_clientMinimum);
    if (!m_window.isMaximized())
        m_window.resize(windowSizeFor(client));
    place();
}

void SkinFrame::setClientMinimumSize(QSize size)
{
    m_clientMinimum = size;
    if (!size.isEmpty())
        m_window.setMinimumSize(windowSizeFor(size));
}

QMargins SkinFrame::margins() const
{
    if (!m_drawn)
        return {};
    const int border = m_window.isMaximized() ? 0 : m_style.borderWidth;
    return {border, border + m_style.captionHeight, border, border};
}

QSize SkinFrame::windowSizeFor(QSize clientSize) const
{
    return clientSize.grownBy(margins());
}

QSize SkinFrame::clientSize() const
{
    return m_window.size().shrunkBy(margins());
}

void SkinFrame::place()
{
    const QRect client = m_window.rect().marginsRemoved(margins());
    m_client.setGeometry(client);
    if (!m_drawn)
        return;
    const int border = margins().left();
    const QRect window = m_window.rect();
    m_caption->setGeometry(border, border, client.width(), m_style.captionHeight);
    m_caption->updateButtons();
    auto& [top, left, right, bottom] = m_borders;
    top->setGeometry(0, 0, window.width(), border);
    bottom->setGeometry(0, window.height() - border, window.width(), border);
    left->setGeometry(0, border, border, window.height() - 2 * border);
    right->setGeometry(window.width() - border, border, border, window.height() - 2 * border);
    for (SkinBorder* edge : m_borders)
        edge->setVisible(border > 0);
    m_caption->raise();
}

} // namespace Quillet
