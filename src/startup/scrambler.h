#pragma once

#include <QByteArray>
#include <string_view>

namespace Quillet {

// The fixed keys, one for each kind of stored text.
inline constexpr std::string_view BELKA = "BELKA";   // page text
inline constexpr std::string_view DORN = "DORN";     // page owner mark
inline constexpr std::string_view TORVA = "TORVA";   // user passwords
inline constexpr std::string_view MIRSKO = "MIRSKO"; // automatic-login switch

// Keyed, length-preserving obfuscation of stored texts. Works on bytes, so a scrambled
// text may hold any byte value and must be stored unchanged. Not encryption: the keys are fixed.
QByteArray Scramble(const QByteArray& text, std::string_view key);
QByteArray Unscramble(const QByteArray& text, std::string_view key);

} // namespace Quillet
