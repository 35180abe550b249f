#pragma once

#include <QByteArray>

class QTextDocument;

namespace Quillet {

// Writes a page as RTF that other word processors open, keeping everything RtfReader reads:
// fonts, sizes, colours, emphasis, paragraph formats, links and pictures. It is 7-bit but for
// kept pictures and objects, which go back byte for byte as they came. The same page always
// gives the same bytes.
class RtfWriter final {
public:
    RtfWriter() = delete;

    static QByteArray write(const QTextDocument& document);
};

} // namespace Quillet
