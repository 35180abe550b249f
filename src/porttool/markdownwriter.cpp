#include "porttool/markdownwriter.h"

#include "pages/rtf/pagepicture.h"
#include "porttool/pictureurl.h"

#include <QList>
#include <QMap>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <algorithm>

namespace Quillet {
namespace {

qreal pointSize(const QTextCharFormat& format, const QTextDocument& document)
{
    const qreal size = format.fontPointSize();
    return size > 0 ? size : document.defaultFont().pointSizeF();
}

// The size most of the page's text is written in.
qreal bodySize(const QTextDocument& document)
{
    QMap<qreal, qsizetype> characters;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            characters[pointSize(it.fragment().charFormat(), document)] +=
                it.fragment().text().trimmed().size();
    qreal body = document.defaultFont().pointSizeF();
    qsizetype most = -1;
    for (auto it = characters.cbegin(); it != characters.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            body = it.key();
        }
    return body;
}

// The smallest size of the block's visible text, or 0 when it has none.
qreal smallestSize(const QTextBlock& block, const QTextDocument& document)
{
    qreal smallest = 0;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        if (it.fragment().text().trimmed().isEmpty())
            continue;
        const qreal size = pointSize(it.fragment().charFormat(), document);
        smallest = smallest == 0 ? size : std::min(smallest, size);
    }
    return smallest;
}

QString escaped(QString text)
{
    static const QRegularExpression special(QStringLiteral("([\\\\`*_\\[\\]<>])"));
    return text.replace(special, QStringLiteral("\\\\1"));
}

// Emphasis marks must touch the text they enclose, so blanks go outside them.
QString emphasised(const QString& text, const QString& mark)
{
    const qsizetype first =
        text.size() - QString(text).remove(QRegularExpression(QStringLiteral("^\\s+"))).size();
    const QString trimmedEnd = QString(text).remove(QRegularExpression(QStringLiteral("\\s+$")));
    if (trimmedEnd.size() <= first)
        return text;
    return text.left(first) + mark + trimmedEnd.mid(first) + mark + text.mid(trimmedEnd.size());
}

QString inlineText(const QTextBlock& block, bool withEmphasis)
{
    QString line;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        if (format.isImageFormat()) {
            const QByteArray picture = PagePicture::file(format);
            if (!picture.isEmpty())
                line += QStringLiteral("![](") + PictureUrl(picture) + QLatin1Char(')');
            continue;
        }
        QString text = escaped(fragment.text());
        text.replace(QChar::LineSeparator, QStringLiteral("  \n"));
        if (withEmphasis && format.fontItalic())
            text = emphasised(text, QStringLiteral("*"));
        if (withEmphasis && format.fontWeight() >= QFont::Bold)
            text = emphasised(text, QStringLiteral("**"));
        line += text;
    }
    return line;
}

} // namespace

QString MarkdownWriter::write(const QTextDocument& document)
{
    const qreal body = bodySize(document);
    QList<qreal> larger;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const qreal size = smallestSize(block, document);
        if (size > body && !larger.contains(size))
            larger.append(size);
    }
    std::sort(larger.begin(), larger.end(), std::greater<>());

    QString markdown;
    bool previousWasItem = false;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextList* list = block.textList();
        const qreal size = smallestSize(block, document);
        const qsizetype level = larger.indexOf(size) + 1;
        QString line;
        if (list) {
            const int depth = std::max(0, list->format().indent() - 1);
            const bool numbered = list->format().style() == QTextListFormat::ListDecimal;
            line = QString(depth * 2, QLatin1Char(' ')) +
                   (numbered ? QString::number(list->itemNumber(block) + 1) + QStringLiteral(". ")
                             : QStringLiteral("- ")) +
                   inlineText(block, true);
        } else if (level > 0) {
            line = QString(std::min<qsizetype>(level, 6), QLatin1Char('#')) + QLatin1Char(' ') +
                   inlineText(block, false).trimmed();
        } else {
            line = inlineText(block, true);
        }
        if (!markdown.isEmpty())
            markdown += (list && previousWasItem) ? QStringLiteral("\n") : QStringLiteral("\n\n");
        markdown += line;
        previousWasItem = list != nullptr;
    }
    // Empty paragraphs give runs of blank lines that Markdown does not keep.
    markdown.replace(QRegularExpression(QStringLiteral("\n{3,}")), QStringLiteral("\n\n"));
    return markdown.trimmed() + QLatin1Char('\n');
}

} // namespace Quillet
