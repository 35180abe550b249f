#include "pages/pagefile.h"

#include <QFile>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>

// Puts a page file in place, laid out as any copy of the program writes it, or prints the rich
// text of a saved one: end-to-end tests look into pages with it.
//   page_file encode <owner> <rich text file> <page file>
//   page_file decode <reader> <page file>

namespace {

QByteArray readAll(const char* path)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", path);
        std::exit(2);
    }
    return file.readAll();
}

} // namespace

int main(int argc, char* argv[])
{
    using Quillet::PageFile;
    if (argc == 5 && std::strcmp(argv[1], "encode") == 0) {
        const std::optional<QByteArray> content =
            PageFile::encode(readAll(argv[3]), QString::fromLocal8Bit(argv[2]));
        QFile page(QString::fromLocal8Bit(argv[4]));
        return content && page.open(QIODevice::WriteOnly) && page.write(*content) == content->size()
                   ? 0
                   : 1;
    }
    if (argc == 4 && std::strcmp(argv[1], "decode") == 0) {
        const PageFile::Content content =
            PageFile::decode(readAll(argv[3]), QString::fromLocal8Bit(argv[2]));
        if (content.kind == PageFile::Kind::OtherUsers)
            return 1;
        std::fwrite(content.richText.constData(), 1, size_t(content.richText.size()), stdout);
        return 0;
    }
    std::fprintf(stderr, "usage: page_file encode <owner> <rich text> <page file>\n"
                         "       page_file decode <reader> <page file>\n");
    return 2;
}
