#include "startup/scrambler.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace Quillet {
namespace {

// Position i always meets key character i mod (key length); XOR-ing whole blocks of the
// repeated key lets the compiler vectorise the loop, which keeps large pages fast.
void mixWithKey(char* data, qsizetype length, std::string_view key)
{
    assert(!key.empty());
    constexpr qsizetype kBlock = 4096;
    const qsizetype keyLength = static_cast<qsizetype>(key.size());
    const qsizetype blockLength = kBlock - kBlock % keyLength;
    // Only as much pattern as the text needs, built by doubling: most texts are a few bytes or
    // a few kilobytes, and a division per pattern byte cost more than the mixing itself.
    const qsizetype patternLength = std::min(blockLength, length);
    std::array<char, kBlock> pattern;
    qsizetype filled = std::min(keyLength, patternLength);
    std::copy_n(key.data(), filled, pattern.data());
    while (filled < patternLength) {
        const qsizetype copied = std::min(filled, patternLength - filled);
        std::copy_n(pattern.data(), copied, pattern.data() + filled);
        filled += copied;
    }

    for (qsizetype start = 0; start < length; start += blockLength) {
        const qsizetype count = std::min(blockLength, length - start);
        char* out = data + start;
        for (qsizetype i = 0; i < count; ++i)
            out[i] = static_cast<char>(out[i] ^ pattern[static_cast<size_t>(i)]);
    }
}

// Reverses each half of an even-length text; odd lengths stay as they are.
void reverseHalves(char* data, qsizetype length)
{
    if (length % 2 != 0)
        return;
    const qsizetype half = length / 2;
    std::reverse(data, data + half);
    std::reverse(data + half, data + length);
}

} // namespace

QByteArray Scramble(const QByteArray& text, std::string_view key)
{
    QByteArray out = text;
    out.detach();
    mixWithKey(out.data(), out.size(), key);
    reverseHalves(out.data(), out.size());
    return out;
}

QByteArray Unscramble(const QByteArray& text, std::string_view key)
{
    QByteArray out = text;
    out.detach();
    reverseHalves(out.data(), out.size());
    mixWithKey(out.data(), out.size(), key);
    return out;
}

} // namespace Quillet
