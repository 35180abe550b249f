#include "mainwindow/skinframestyle.h"

#include "platform/bgrcolour.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <algorithm>

namespace Quillet {
namespace {

std::optional<QColor> colourOf(const SkinFile::Values& skin, const char* name)
{
    if (const auto bgr = SkinFile::colour(skin, QLatin1String(name)))
        return FromBgr(*bgr);
    return std::nullopt;
}

int sizeOf(const SkinFile::Values& skin, const char* name, int fallback, int lowest, int highest)
{
    bool ok = false;
    const int value = skin.value(QLatin1String(name)).toInt(&ok);
    return ok ? std::clamp(value, lowest, highest) : fallback;
}

// White on a dark caption, black on a light one.
QColor standingOut(const QColor& background)
{
    return background.lightnessF() < 0.5 ? QColor(Qt::white) : QColor(Qt::black);
}

QColor blend(const QColor& over, const QColor& under, double share)
{
    return QColor::fromRgbF(float(over.redF() * share + under.redF() * (1 - share)),
                            float(over.greenF() * share + under.greenF() * (1 - share)),
                            float(over.blueF() * share + under.blueF() * (1 - share)));
}

Qt::Alignment alignmentOf(const QString& name)
{
    if (name.compare(QLatin1String("center"), Qt::CaseInsensitive) == 0)
        return Qt::AlignHCenter;
    if (name.compare(QLatin1String("right"), Qt::CaseInsensitive) == 0)
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

} // namespace

SkinFrameStyle SkinFrameStyle::from(const SkinFile::Values& skin)
{
    SkinFrameStyle style;
    style.captionTop = colourOf(skin, "CAPTIONCOLOR").value_or(Qt::black);
    style.captionBottom = colourOf(skin, "CAPTIONCOLOR2").value_or(style.captionTop);
    const QColor middle = blend(style.captionTop, style.captionBottom, 0.5);
    style.captionText = colourOf(skin, "CAPTIONTEXTCOL").value_or(standingOut(middle));
    style.buttonGlyph = colourOf(skin, "BUTTONCOL").value_or(style.captionText);
    style.buttonHover =
        colourOf(skin, "BUTTONHOVERCOL").value_or(blend(style.buttonGlyph, middle, 0.25));
    style.borderOuter = colourOf(skin, "BORDERCOLOR").value_or(Qt::black);
    style.borderInner = colourOf(skin, "BORDERCOLOR2").value_or(style.borderOuter);
    style.captionHeight = sizeOf(skin, "CAPTIONHEIGHT", style.captionHeight, kMinimumCaptionHeight,
                                 kMaximumCaptionHeight);
    style.borderWidth =
        sizeOf(skin, "BORDERWIDTH", style.borderWidth, kMinimumBorderWidth, kMaximumBorderWidth);

    style.titleFont = QGuiApplication::font();
    if (const QString family = skin.value(QStringLiteral("CAPTIONFONT")); !family.isEmpty())
        style.titleFont.setFamily(family);
    style.titleFont.setPointSize(sizeOf(skin, "CAPTIONFONTSIZE", 9, 6, 24));
    style.titleFont.setBold(skin.value(QStringLiteral("CAPTIONBOLD")) != QLatin1String("0"));
    // The title must fit the bar whatever the skin asks for.
    while (QFontMetrics(style.titleFont).height() > style.captionHeight - 2 &&
           style.titleFont.pointSize() > 6)
        style.titleFont.setPointSize(style.titleFont.pointSize() - 1);
    style.titleAlignment = alignmentOf(skin.value(QStringLiteral("CAPTIONALIGN")));
    return style;
}

} // namespace Quillet
