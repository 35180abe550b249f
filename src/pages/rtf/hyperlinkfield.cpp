#include "pages/rtf/hyperlinkfield.h"

#include <algorithm>

namespace Quillet {
namespace {

constexpr QStringView kHyperlink = u"HYPERLINK";

// An argument quoted, with \\ and \" for a backslash and a quote.
QString quoted(QStringView text)
{
    QString result = u"\""_qs;
    for (const QChar c : text) {
        if (c == u'\\' || c == u'"')
            result += u'\\';
        result += c;
    }
    return result + u'"';
}

// One argument of a field instruction, from the start of rest, which it leaves behind. Quoted
// arguments take \\ and \" for a backslash and a quote.
QString nextArgument(QStringView& rest)
{
    QString argument;
    if (rest.front() != u'"') {
        const qsizetype end = rest.indexOf(u' ');
        argument = rest.first(end < 0 ? rest.size() : end).toString();
        rest = rest.sliced(argument.size());
        return argument;
    }
    qsizetype i = 1;
    for (; i < rest.size() && rest[i] != u'"'; ++i) {
        if (rest[i] == u'\\' && i + 1 < rest.size() &&
            (rest[i + 1] == u'\\' || rest[i + 1] == u'"'))
            ++i;
        argument += rest[i];
    }
    rest = rest.sliced(std::min(i + 1, rest.size()));
    return argument;
}

} // namespace

QString HyperlinkField::target(QStringView instruction)
{
    QStringView rest = instruction.trimmed();
    if (!rest.startsWith(kHyperlink, Qt::CaseInsensitive))
        return {};
    rest = rest.sliced(kHyperlink.size());
    if (!rest.isEmpty() && rest.front() != u' ' && rest.front() != u'"')
        return {};
    QString address;
    QString place;
    QChar option;
    while (!(rest = rest.trimmed()).isEmpty()) {
        if (rest.front() == u'\\' && rest.size() > 1 && rest[1] != u'\\') {
            // \l (a place), \o (a tip) and \t (a frame) take an argument, the others none.
            const QChar name = rest[1].toLower();
            option = name == u'l' || name == u'o' || name == u't' ? name : QChar();
            rest = rest.sliced(2);
            continue;
        }
        const QString argument = nextArgument(rest);
        if (option == u'l')
            place = argument;
        else if (option.isNull() && address.isEmpty())
            address = argument;
        option = QChar();
    }
    return place.isEmpty() ? address : address + u'#' + place;
}

QString HyperlinkField::instruction(const QString& target)
{
    return target.startsWith(u'#') ? u"HYPERLINK \\l "_qs + quoted(target.sliced(1))
                                   : u"HYPERLINK "_qs + quoted(target);
}

} // namespace Quillet
