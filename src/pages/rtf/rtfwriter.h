#pragma once

#include <QByteArray>

class QTextDocument;

namespace Quillet {

// Writes a page as 7-bit RTF that other word processors open, keeping the fonts, sizes,
// colours, emphasis, alignment, indents and spacing that RtfReader reads back. The same page
// always gives the same bytes.
class RtfWriter final {
public:
    RtfWriter() = delete;

    static QByteArray write(const QTextDocument& document);
};

} // namespace Quillet
