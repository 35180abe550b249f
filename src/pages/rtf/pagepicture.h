#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QTextImageFormat>
#include <optional>

class QTextDocument;

namespace Quillet {

// How pictures live in a page's document: an image character whose format holds the picture
// file (PNG or JPEG, shown), or holds the RTF group of a picture or object that cannot be shown,
// kept verbatim behind a placeholder so that a save writes it back as it came.
class PagePicture final {
public:
    PagePicture() = delete;

    // Twips per document pixel: documents are laid out at 96 pixels to the inch.
    static constexpr double kTwipsPerPixel = 15.0;

    // A picture the page shows at size (pixels; the image's own size when empty); nullopt when
    // the bytes are no PNG or JPEG image that decodes.
    static std::optional<QTextImageFormat> shown(QTextDocument& document, const QByteArray& file,
                                                 QSizeF size);
    // A placeholder of size (pixels; a small square when empty) standing for rtf.
    static QTextImageFormat kept(QTextDocument& document, const QByteArray& rtf, QSizeF size);

    // The picture file of a shown picture, else empty.
    static QByteArray file(const QTextFormat& format);
    // The RTF group a placeholder stands for, else empty.
    static QByteArray keptRtf(const QTextFormat& format);

    // A fragment carries formats but no images: gives to the images that the pictures of
    // from show.
    static void shareImages(const QTextDocument& from, QTextDocument& to);
};

} // namespace Quillet
