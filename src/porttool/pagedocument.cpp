#include "porttool/pagedocument.h"

#include "pages/rtf/rtfreader.h"
#include "startup/textcodec.h"

#include <QTextDocument>

namespace Quillet {

std::unique_ptr<QTextDocument> PageDocument(const QByteArray& richText)
{
    auto document = std::make_unique<QTextDocument>();
    if (RtfReader::isRtf(richText))
        RtfReader::read(richText, *document);
    else
        document->setPlainText(DecodeText(richText));
    return document;
}

QString PagePlainText(const QByteArray& richText)
{
    // Pages that are no RTF are rare: they may take the document's own way.
    return RtfReader::isRtf(richText) ? RtfReader::plainText(richText)
                                      : PageDocument(richText)->toPlainText();
}

} // namespace Quillet
