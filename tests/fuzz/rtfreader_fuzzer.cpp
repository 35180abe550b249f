#include "pages/rtf/rtfreader.h"
#include "pages/rtf/rtfwriter.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

// Feeds arbitrary bytes to the RTF reader and checks that whatever it made survives a round
// trip through the writer unchanged, and that reading the text alone gives the document's text.

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QTextDocument document;
    const QByteArrayView rtf(data, qsizetype(size));
    Quillet::RtfReader::read(rtf, document);
    if (Quillet::RtfReader::plainText(rtf) != document.toPlainText())
        std::abort();

    const QByteArray written = Quillet::RtfWriter::write(document);
    QTextDocument copy;
    Quillet::RtfReader::read(written, copy);
    if (Quillet::RtfWriter::write(copy) != written)
        std::abort();
    return 0;
}
