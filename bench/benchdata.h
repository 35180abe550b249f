#pragma once

#include <QByteArray>

namespace Quillet::Bench {

// RTF of about `bytes` bytes as a diary page is: paragraphs of words with a bold or coloured
// word now and then.
inline QByteArray textHeavyRtf(qsizetype bytes)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
                     "{\\colortbl ;\\red255\\green0\\blue0;}\\pard\\f0\\fs20 ";
    const QByteArray sentence = "Today I walked to the lake and wrote about the weather, the "
                                "light on the water and the people I met on the way. ";
    int n = 0;
    while (rtf.size() < bytes) {
        rtf += sentence;
        if (++n % 4 == 0)
            rtf += "{\\b important} {\\cf1 red} ";
        if (n % 6 == 0)
            rtf += "\\par\n";
    }
    return rtf + "\\par}";
}

} // namespace Quillet::Bench
