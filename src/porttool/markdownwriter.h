#pragma once

#include <QString>

class QTextDocument;

namespace Quillet {

// Writes a page as Markdown: bold and italic runs, paragraphs whose text is larger than the
// page's body text as headings (the largest as level 1), lists, and shown pictures inline.
class MarkdownWriter final {
public:
    MarkdownWriter() = delete;

    static QString write(const QTextDocument& document);
};

} // namespace Quillet
