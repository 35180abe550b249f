#pragma once

#include <QString>

class QFont;
class QMimeData;
class QTextDocument;
class QTextDocumentFragment;

namespace Quillet {

// What the page editor takes from the clipboard or a drop, reduced to what a page keeps so that
// what is pasted is what a save keeps, and what it gives them: RTF beside HTML and plain text.
class MimeContent final {
public:
    MimeContent() = delete;

    static bool canRead(const QMimeData& source);
    // Fills into (empty, with the page's default font) with the RTF, the picture or the HTML
    // that source offers, in that order; false when it offers none of them.
    static bool read(const QMimeData& source, QTextDocument& into);
    // The plain text of source without the control characters a page cannot hold.
    static QString plainText(const QMimeData& source);
    static QMimeData* write(const QTextDocumentFragment& fragment, const QFont& defaultFont);
};

} // namespace Quillet
