#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class QTextDocument;

namespace Quillet {

// A page's rich text as a document, read the way the editor reads it: RTF, or plain text
// when the page is no RTF.
std::unique_ptr<QTextDocument> PageDocument(const QByteArray& richText);

// The text of PageDocument(richText) as its toPlainText() gives it; for RTF, without building
// the document.
QString PagePlainText(const QByteArray& richText);

} // namespace Quillet
