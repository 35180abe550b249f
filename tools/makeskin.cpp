// makeskin <description.skin> <skin.jss>: writes a skin file from its readable description, the
// file's lines with "#" comment lines between them. A description that lacks one of the main
// window's colours is refused, so no shipped skin can paint the window black.

#include "mainwindow/skinfile.h"

#include <QFile>
#include <cstdio>

using Quillet::SkinFile;

namespace {

int fail(const char* reason, const char* file)
{
    std::fprintf(stderr, "makeskin: %s: %s\n", file, reason);
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: makeskin <description.skin> <skin.jss>\n");
        return 2;
    }
    QFile description(QString::fromLocal8Bit(argv[1]));
    if (!description.open(QIODevice::ReadOnly))
        return fail("cannot be read", argv[1]);
    QByteArray lines;
    for (const QByteArray& line : description.readAll().split('\n')) {
        if (!line.trimmed().startsWith('#'))
            lines += line + '\n';
    }
    const std::optional<SkinFile::Values> values = SkinFile::parseLines(lines);
    if (!values)
        return fail("a line is not NAME=value, or repeats a name", argv[1]);
    for (const QLatin1String name :
         {SkinFile::kWindowColour, SkinFile::kPanelColour, SkinFile::kTextColour}) {
        if (!SkinFile::colour(*values, name))
            return fail(qPrintable(QString(name) + QStringLiteral(" is missing or not a colour")),
                        argv[1]);
    }
    if (!SkinFile::write(QString::fromLocal8Bit(argv[2]), *values))
        return fail("cannot be written", argv[2]);
    return 0;
}
