#pragma once

#include <QByteArrayView>
#include <QString>

class QTextDocument;

namespace Quillet {

// Reads RTF, as word processors and rich-edit controls write it, into a page: its text with the
// fonts, sizes, colours, emphasis, paragraph formats, links and pictures a page shows. Pictures
// and objects it cannot show it keeps whole (PagePicture); other things it does not know it
// skips. Malformed input gives what it can and never a crash.
class RtfReader final {
public:
    RtfReader() = delete;

    // True when the text, after a UTF-8 byte-order mark and whitespace, opens an RTF group.
    static bool isRtf(QByteArrayView text);
    // Replaces the content of document with what rtf holds.
    static void read(QByteArrayView rtf, QTextDocument& document);
    // The text that read() puts in a document, as QTextDocument::toPlainText() gives it (lines
    // end in \n, pictures and objects are U+FFFC), without the cost of building the document.
    static QString plainText(QByteArrayView rtf);
};

} // namespace Quillet
