#include "mainwindow/toolbaricons.h"

#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace Quillet {
namespace {

// Glyphs are drawn on a 24 x 24 grid, whatever the size of the button.
void drawGlyph(QPainter& p, const QString& key, const QColor& ink, const QColor& accent)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QPen line(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(line);
    p.setBrush(Qt::NoBrush);

    if (key == QLatin1String("save")) {
        p.setBrush(accent);
        p.drawRoundedRect(QRectF(4, 4, 16, 16), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 4, 10, 6));
        p.drawRect(QRectF(8, 14, 8, 6));
    } else if (key == QLatin1String("delete")) {
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(6, 8, 12, 13), 1.5, 1.5);
        p.drawLine(QPointF(4, 7), QPointF(20, 7));
        p.drawLine(QPointF(10, 4.5), QPointF(14, 4.5));
        p.setPen(QPen(accent, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 11), QPointF(10, 18));
        p.drawLine(QPointF(14, 11), QPointF(14, 18));
    } else if (key == QLatin1String("print")) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 3.5, 10, 6));
        p.setBrush(accent);
        p.drawRoundedRect(QRectF(3.5, 9, 17, 8), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 14, 10, 7));
    } else if (key == QLatin1String("cut")) {
        p.drawLine(QPointF(7, 3), QPointF(15.5, 15));
        p.drawLine(QPointF(17, 3), QPointF(8.5, 15));
        p.setPen(QPen(accent, 1.8));
        p.drawEllipse(QPointF(7, 18), 3, 3);
        p.drawEllipse(QPointF(17, 18), 3, 3);
    } else if (key == QLatin1String("copy")) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 3.5, 11, 13));
        p.setBrush(accent.lighter(170));
        p.drawRect(QRectF(9, 7.5, 11, 13));
    } else if (key == QLatin1String("paste")) {
        p.setBrush(accent);
        p.drawRoundedRect(QRectF(4, 5, 14, 16), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(8, 3, 6, 4));
        p.drawRect(QRectF(10, 10, 10, 11));
    } else if (key == QLatin1String("bold") || key == QLatin1String("italics") ||
               key == QLatin1String("underline")) {
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(17);
        font.setBold(key == QLatin1String("bold"));
        font.setItalic(key == QLatin1String("italics"));
        p.setFont(font);
        p.setPen(ink);
        const QString letter = key == QLatin1String("bold")      ? QStringLiteral("B")
                               : key == QLatin1String("italics") ? QStringLiteral("I")
                                                                 : QStringLiteral("U");
        p.drawText(QRectF(0, 0, 24, 21), Qt::AlignCenter, letter);
        if (key == QLatin1String("underline")) {
            p.setPen(QPen(accent, 2));
            p.drawLine(QPointF(6, 20.5), QPointF(18, 20.5));
        }
    } else if (key == QLatin1String("left") || key == QLatin1String("center") ||
               key == QLatin1String("right")) {
        const qreal widths[] = {16, 11, 16, 11};
        for (int row = 0; row < 4; ++row) {
            const qreal width = widths[row];
            qreal x = 4;
            if (key == QLatin1String("center"))
                x = 12 - width / 2;
            else if (key == QLatin1String("right"))
                x = 20 - width;
            p.setPen(QPen(row % 2 ? accent : ink, 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x, 6 + row * 4), QPointF(x + width, 6 + row * 4));
        }
    } else if (key == QLatin1String("help")) {
        p.setBrush(accent);
        p.drawEllipse(QPointF(12, 12), 9, 9);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(14);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, QStringLiteral("?"));
    }
}

// Draws the glyph at whatever size and density the button asks for.
class GlyphEngine final : public QIconEngine {
public:
    explicit GlyphEngine(QString key) : m_key(std::move(key)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        QColor ink(0x4a, 0x4a, 0x4a);
        QColor accent(0x8a, 0x8f, 0x99);
        if (mode == QIcon::Active || mode == QIcon::Selected) {
            ink = QColor(0x20, 0x2a, 0x44);
            accent = QColor(0x2b, 0x6c, 0xc4);
        } else if (mode == QIcon::Disabled) {
            ink = QColor(0xb0, 0xb0, 0xb0);
            accent = QColor(0xd0, 0xd0, 0xd0);
        }
        painter->save();
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 24.0, rect.height() / 24.0);
        drawGlyph(*painter, m_key, ink, accent);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap image(size);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return image;
    }

    QIconEngine* clone() const override { return new GlyphEngine(m_key); }

private:
    QString m_key;
};

} // namespace

QIcon ToolbarIcon(const QString& key)
{
    return QIcon(new GlyphEngine(key));
}

} // namespace Quillet
