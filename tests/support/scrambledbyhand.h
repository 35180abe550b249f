#pragma once

#include <QByteArray>
#include <QString>

namespace Quillet {

// Scrambling written out position by position, apart from the program's scrambler so that a
// fault made alike in both of its directions still shows: output position j holds text
// position s XOR the key character at s mod (key length), where s is j itself for an odd
// length and j's mirror inside its own half for an even one.
inline QByteArray scrambledByHand(const QByteArray& text, const QByteArray& key)
{
    const qsizetype length = text.size();
    const qsizetype half = length / 2;
    QByteArray out(length, '\0');
    for (qsizetype j = 0; j < length; ++j) {
        qsizetype s = j;
        if (length % 2 == 0)
            s = j < half ? half - 1 - j : length - 1 - (j - half);
        out[j] = char(text.at(s) ^ key.at(s % key.size()));
    }
    return out;
}

// Where two long runs of bytes part: more use in a failure than two truncated dumps.
inline QByteArray firstDifference(const QByteArray& actual, const QByteArray& expected)
{
    qsizetype i = 0;
    while (i < actual.size() && i < expected.size() && actual.at(i) == expected.at(i))
        ++i;
    return QStringLiteral("first wrong byte at position %1 of %2 (got %3, expected %4)")
        .arg(i)
        .arg(expected.size())
        .arg(i < actual.size() ? int(quint8(actual.at(i))) : -1)
        .arg(i < expected.size() ? int(quint8(expected.at(i))) : -1)
        .toUtf8();
}

} // namespace Quillet
