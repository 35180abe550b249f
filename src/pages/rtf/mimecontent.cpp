#include "pages/rtf/mimecontent.h"

#include "pages/rtf/pagepicture.h"
#include "pages/rtf/rtfreader.h"
#include "pages/rtf/rtfwriter.h"

#include <QBuffer>
#include <QImage>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextList>

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace Quillet {
namespace {

// The names word processors offer RTF under; ours comes first.
constexpr std::array kRtfTypes = {QLatin1StringView("text/rtf"), QLatin1StringView("text/richtext"),
                                  QLatin1StringView("application/rtf")};

QByteArray pngOf(const QImage& image)
{
    QByteArray file;
    if (image.isNull())
        return file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return file;
}

// A page keeps PNG and JPEG files as they are; a picture in any other form Qt reads becomes a
// PNG.
QByteArray pictureFile(const QByteArray& data)
{
    if (data.startsWith("\x89PNG") || data.startsWith("\xff\xd8\xff"))
        return data;
    return pngOf(QImage::fromData(data));
}

// The file a data: address carries, empty for any other address.
QByteArray carriedFile(const QString& address)
{
    const qsizetype comma = address.indexOf(u',');
    if (!address.startsWith(u"data:", Qt::CaseInsensitive) || comma < 0)
        return {};
    const QByteArray payload =
        QByteArray::fromPercentEncoding(address.sliced(comma + 1).toLatin1());
    const bool base64 = QStringView(address).first(comma).endsWith(u";base64", Qt::CaseInsensitive);
    return pictureFile(base64 ? QByteArray::fromBase64(payload) : payload);
}

bool readPicture(const QMimeData& source, QTextDocument& into)
{
    QByteArray file;
    for (const char* type : {"image/png", "image/jpeg"}) {
        if (file.isEmpty() && source.hasFormat(QLatin1StringView(type)))
            file = pictureFile(source.data(QLatin1StringView(type)));
    }
    if (file.isEmpty())
        file = pngOf(qvariant_cast<QImage>(source.imageData()));
    const std::optional<QTextImageFormat> picture = PagePicture::shown(into, file, {});
    if (!picture)
        return false;
    QTextCursor(&into).insertText(QString(QChar::ObjectReplacementCharacter), *picture);
    return true;
}

// Pictures the HTML carries (data: addresses) become the page's own; pictures it only links to
// are left out, as a page could not show them later.
void keepCarriedPictures(QTextDocument& html)
{
    struct Image {
        int position;
        int length;
        QTextImageFormat format;
    };
    std::vector<Image> images;
    for (QTextBlock block = html.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat())
                images.push_back(
                    {it.fragment().position(), it.fragment().length(), format.toImageFormat()});
        }
    }
    // From the last, so that the places of the others stay where they were.
    for (auto image = images.rbegin(); image != images.rend(); ++image) {
        QTextCursor cursor(&html);
        cursor.setPosition(image->position);
        cursor.setPosition(image->position + image->length, QTextCursor::KeepAnchor);
        const std::optional<QTextImageFormat> picture =
            PagePicture::shown(html, carriedFile(image->format.name()),
                               QSizeF(image->format.width(), image->format.height()));
        if (!picture) {
            cursor.removeSelectedText();
            continue;
        }
        QTextImageFormat format = image->format;
        format.merge(*picture);
        cursor.insertText(QString(image->length, QChar::ObjectReplacementCharacter), format);
    }
}

QString listMarker(const QTextList& list, const QTextBlock& item)
{
    switch (list.format().style()) {
    case QTextListFormat::ListDisc:
        return u"•"_qs;
    case QTextListFormat::ListCircle:
        return u"◦"_qs;
    case QTextListFormat::ListSquare:
        return u"▪"_qs;
    default:
        return list.itemText(item);
    }
}

// A list draws its bullets and numbers itself, which a page does not keep: they become text,
// and the list's indent becomes the paragraphs'.
void flattenLists(QTextDocument& html)
{
    std::vector<std::pair<QTextBlock, QString>> items;
    for (QTextBlock block = html.begin(); block.isValid(); block = block.next()) {
        if (const QTextList* list = block.textList())
            items.emplace_back(block, listMarker(*list, block));
    }
    for (auto item = items.rbegin(); item != items.rend(); ++item) {
        QTextCursor(item->first).insertText(item->second + u' ');
        item->first.textList()->remove(item->first);
    }
}

} // namespace

bool MimeContent::canRead(const QMimeData& source)
{
    for (const QLatin1StringView type : kRtfTypes) {
        if (source.hasFormat(type))
            return true;
    }
    return source.hasImage() || source.hasHtml() || source.hasText();
}

bool MimeContent::read(const QMimeData& source, QTextDocument& into)
{
    for (const QLatin1StringView type : kRtfTypes) {
        if (!source.hasFormat(type))
            continue;
        const QByteArray rtf = source.data(type);
        if (RtfReader::isRtf(rtf)) {
            RtfReader::read(rtf, into);
            return true;
        }
    }
    if (source.hasImage() && readPicture(source, into))
        return true;
    if (!source.hasHtml())
        return false;
    // Written and read back, the HTML keeps exactly what a page keeps.
    QTextDocument html;
    html.setDefaultFont(into.defaultFont());
    html.setIndentWidth(into.indentWidth());
    QTextCursor(&html).insertFragment(QTextDocumentFragment::fromHtml(source.html()));
    keepCarriedPictures(html);
    flattenLists(html);
    RtfReader::read(RtfWriter::write(html), into);
    return true;
}

QString MimeContent::plainText(const QMimeData& source)
{
    QString text = source.text();
    text.replace(u"\r\n"_qs, u"\n"_qs);
    text.replace(u'\r', u'\n');
    text.removeIf([](QChar c) {
        return (c.unicode() < 0x20 && c != u'\t' && c != u'\n') || c.unicode() == 0x7F ||
               c == QChar::ObjectReplacementCharacter;
    });
    return text;
}

QMimeData* MimeContent::write(const QTextDocumentFragment& fragment, const QFont& defaultFont)
{
    auto* data = new QMimeData;
    QString text = fragment.toPlainText();
    text.remove(QChar::ObjectReplacementCharacter);
    data->setText(text);
    data->setHtml(fragment.toHtml());
    QTextDocument page;
    page.setDefaultFont(defaultFont);
    QTextCursor(&page).insertFragment(fragment);
    data->setData(kRtfTypes.front(), RtfWriter::write(page));
    return data;
}

} // namespace Quillet
