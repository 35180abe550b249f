#pragma once

#include "pages/rtf/pagepicture.h"

#include <QDebug>
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>

#include <utility>

// Documents described as text, for tests that compare pages: what a reader or an editor made,
// each format named by the properties set on it.
namespace DocumentDescription {

using namespace Quillet;

// Only properties set on the format are named, so a reader that sets more than it read shows.
inline QString describe(const QTextCharFormat& format)
{
    QStringList parts;
    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    if (!families.isEmpty())
        parts << families.join(u',');
    if (format.hasProperty(QTextFormat::FontPointSize))
        parts << QString::number(format.fontPointSize()) + u"pt"_qs;
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        parts << format.foreground().color().name();
    if (format.hasProperty(QTextFormat::BackgroundBrush))
        parts << u"bg"_qs + format.background().color().name();
    if (format.hasProperty(QTextFormat::FontWeight))
        parts << (format.fontWeight() == QFont::Bold
                      ? u"b"_qs
                      : u"w"_qs + QString::number(format.fontWeight()));
    if (format.hasProperty(QTextFormat::FontItalic))
        parts << (format.fontItalic() ? u"i"_qs : u"!i"_qs);
    if (format.hasProperty(QTextFormat::TextUnderlineStyle))
        parts << (format.fontUnderline() ? u"u"_qs : u"!u"_qs);
    if (format.hasProperty(QTextFormat::FontStrikeOut))
        parts << (format.fontStrikeOut() ? u"s"_qs : u"!s"_qs);
    if (format.hasProperty(QTextFormat::TextVerticalAlignment)) {
        const auto alignment = format.verticalAlignment();
        parts << (alignment == QTextCharFormat::AlignSuperScript ? u"sup"_qs
                  : alignment == QTextCharFormat::AlignSubScript ? u"sub"_qs
                                                                 : u"valign"_qs);
    }
    if (format.hasProperty(QTextFormat::AnchorHref))
        parts << u"link:"_qs + format.anchorHref();
    return u'{' + parts.join(u' ') + u'}';
}

inline QString visible(QString text)
{
    return text.replace(u'\t', u"\\t"_qs).replace(QChar::LineSeparator, u"\\n"_qs);
}

// The side a paragraph's lines keep to, as the reader sees it.
inline QString side(const QTextBlock& block)
{
    Qt::Alignment alignment = block.blockFormat().alignment();
    if (block.textDirection() == Qt::RightToLeft && !(alignment & Qt::AlignAbsolute)) {
        if (alignment & Qt::AlignLeft)
            alignment = Qt::AlignRight;
        else if (alignment & Qt::AlignRight)
            alignment = Qt::AlignLeft;
    }
    return alignment & Qt::AlignHCenter   ? u"=center"_qs
           : alignment & Qt::AlignJustify ? u"=justify"_qs
           : alignment & Qt::AlignRight   ? u"=right"_qs
           : alignment & Qt::AlignLeft    ? u"=left"_qs
                                          : u"=other"_qs;
}

// Lengths in document pixels, as few digits as tell them apart.
inline QString length(qreal pixels)
{
    return QString::number(pixels, 'g', 4);
}

// The paragraph properties set on the block, each with its RTF name.
inline QString describe(const QTextBlock& block)
{
    QStringList parts;
    const QTextBlockFormat format = block.blockFormat();
    if (block.textDirection() == Qt::RightToLeft)
        parts << u"rtl"_qs;
    else if (format.hasProperty(QTextFormat::LayoutDirection))
        parts << u"ltr"_qs;
    if (format.hasProperty(QTextFormat::BlockAlignment))
        parts << side(block);
    // Indent steps and the left margin together make the left indent shown.
    if (format.hasProperty(QTextFormat::BlockLeftMargin) ||
        format.hasProperty(QTextFormat::BlockIndent))
        parts << u"li"_qs + length(format.leftMargin() +
                                   format.indent() * block.document()->indentWidth());
    const std::pair<int, const char16_t*> margins[] = {{QTextFormat::BlockRightMargin, u"ri"},
                                                       {QTextFormat::TextIndent, u"fi"},
                                                       {QTextFormat::BlockTopMargin, u"sb"},
                                                       {QTextFormat::BlockBottomMargin, u"sa"}};
    for (const auto& [property, name] : margins) {
        if (format.hasProperty(property))
            parts << QString::fromUtf16(name) + length(format.doubleProperty(property));
    }
    switch (format.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        parts << u"lh"_qs + length(format.lineHeight()) + u'%';
        break;
    case QTextBlockFormat::MinimumHeight:
        parts << u"lh>="_qs + length(format.lineHeight());
        break;
    case QTextBlockFormat::FixedHeight:
        parts << u"lh="_qs + length(format.lineHeight());
        break;
    case QTextBlockFormat::SingleHeight:
        break;
    default:
        parts << u"lh?"_qs;
        break;
    }
    return parts.isEmpty() ? QString() : parts.join(u' ') + u' ';
}

// A picture as the page shows it: its kind, the image's own size and first pixel, and the size
// it is shown at; or a placeholder and its size.
inline QString describePicture(const QTextDocument& document, const QTextImageFormat& format)
{
    const QString shown = length(format.width()) + u'x' + length(format.height());
    if (!PagePicture::keptRtf(format).isEmpty())
        return u"[kept "_qs + shown + u']';
    const QByteArray file = PagePicture::file(format);
    if (file.isEmpty())
        return u"[no picture]"_qs;
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(format.name()));
    const QImage image = resource.typeId() == QMetaType::QPixmap
                             ? resource.value<QPixmap>().toImage()
                             : resource.value<QImage>();
    const QString kind = file.startsWith("\x89PNG") ? u"png"_qs : u"jpeg"_qs;
    if (image.isNull())
        return u'[' + kind + u" not shown]"_qs;
    return u'[' + kind + u' ' + QString::number(image.width()) + u'x' +
           QString::number(image.height()) + u' ' + image.pixelColor(0, 0).name() + u' ' + shown +
           u']';
}

// One line a paragraph: its format, then each run's format and text; an empty paragraph
// shows the format of its mark.
inline QString describe(const QTextDocument& document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString line = describe(block);
        if (block.length() <= 1)
            line += describe(block.charFormat());
        QString previous;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat charFormat = it.fragment().charFormat();
            const QString format = describe(charFormat);
            if (format != previous)
                line += format;
            previous = format;
            if (charFormat.isImageFormat()) {
                for (qsizetype i = 0; i < it.fragment().length(); ++i)
                    line += describePicture(document, charFormat.toImageFormat());
            } else {
                line += visible(it.fragment().text());
            }
        }
        lines << line;
    }
    return lines.join(u'\n');
}

// Every property of every paragraph, paragraph mark and run: two documents compared whole,
// so that a format one holds and the other does not shows.
inline QString properties(const QTextDocument& document)
{
    QString dump;
    QDebug out(&dump);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        out << "\nparagraph" << block.blockFormat().properties() << "mark"
            << block.charFormat().properties();
        for (auto it = block.begin(); !it.atEnd(); ++it)
            out << "\n " << it.fragment().text() << it.fragment().charFormat().properties();
    }
    return dump;
}

} // namespace DocumentDescription
