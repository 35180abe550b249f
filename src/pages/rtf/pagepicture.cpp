#include "pages/rtf/pagepicture.h"

#include <QCryptographicHash>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace Quillet {
namespace {

constexpr int kPictureFile = QTextFormat::UserProperty + 0x5100;
constexpr int kKeptRtf = QTextFormat::UserProperty + 0x5101;

// Images are named by their content, so that pictures pasted from another document never
// take the name of one this document already shows.
constexpr QLatin1StringView kPictureScheme("quillet-picture:");
constexpr QLatin1StringView kPlaceholderName("quillet-placeholder:");

// A side beyond this is a broken or hostile size; the layout would only suffer from it.
constexpr qreal kMaxSide = 10000;
constexpr qreal kPlaceholderSide = 32;

QSizeF bounded(QSizeF size)
{
    return {std::clamp(size.width(), 1.0, kMaxSide), std::clamp(size.height(), 1.0, kMaxSide)};
}

const char* imageFormatOf(const QByteArray& file)
{
    if (file.startsWith("\x89PNG\r\n\x1a\n"))
        return "PNG";
    if (file.startsWith("\xff\xd8\xff"))
        return "JPEG";
    return nullptr;
}

QImage placeholderImage()
{
    static const QImage image = [] {
        QImage drawn(48, 48, QImage::Format_RGB32);
        drawn.fill(QColor(236, 236, 236));
        QPainter painter(&drawn);
        painter.setPen(QColor(140, 140, 140));
        painter.drawRect(0, 0, 47, 47);
        painter.drawLine(0, 0, 47, 47);
        painter.drawLine(0, 47, 47, 0);
        return drawn;
    }();
    return image;
}

} // namespace

std::optional<QTextImageFormat> PagePicture::shown(QTextDocument& document, const QByteArray& file,
                                                   QSizeF size)
{
    const char* format = imageFormatOf(file);
    if (!format)
        return std::nullopt;
    const QImage image = QImage::fromData(file, format);
    if (image.isNull())
        return std::nullopt;
    const QString name =
        kPictureScheme +
        QString::fromLatin1(QCryptographicHash::hash(file, QCryptographicHash::Sha1).toHex());
    document.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat picture;
    picture.setName(name);
    const QSizeF sized = bounded(size.isEmpty() ? QSizeF(image.size()) : size);
    picture.setWidth(sized.width());
    picture.setHeight(sized.height());
    picture.setProperty(kPictureFile, file);
    return picture;
}

QTextImageFormat PagePicture::kept(QTextDocument& document, const QByteArray& rtf, QSizeF size)
{
    document.addResource(QTextDocument::ImageResource, QUrl(kPlaceholderName), placeholderImage());
    QTextImageFormat placeholder;
    placeholder.setName(kPlaceholderName);
    const QSizeF sized =
        bounded(size.isEmpty() ? QSizeF(kPlaceholderSide, kPlaceholderSide) : size);
    placeholder.setWidth(sized.width());
    placeholder.setHeight(sized.height());
    placeholder.setProperty(kKeptRtf, rtf);
    return placeholder;
}

QByteArray PagePicture::file(const QTextFormat& format)
{
    return format.property(kPictureFile).toByteArray();
}

QByteArray PagePicture::keptRtf(const QTextFormat& format)
{
    return format.property(kKeptRtf).toByteArray();
}

void PagePicture::shareImages(const QTextDocument& from, QTextDocument& to)
{
    const QList<QTextFormat> formats = from.allFormats();
    for (const QTextFormat& format : formats) {
        if (!format.isImageFormat() ||
            (!format.hasProperty(kPictureFile) && !format.hasProperty(kKeptRtf)))
            continue;
        const QUrl name(format.toImageFormat().name());
        const QVariant image = from.resource(QTextDocument::ImageResource, name);
        if (image.isValid())
            to.addResource(QTextDocument::ImageResource, name, image);
    }
}

} // namespace Quillet
