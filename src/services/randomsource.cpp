#include "services/randomsource.h"

namespace Quillet {
namespace {

constexpr std::uint32_t kMultiplier = 0x43FD43FD;
constexpr std::uint32_t kIncrement = 0xC39EC3;
constexpr std::uint32_t kModulusMask = 0xFFFFFF;
constexpr double kModulus = 16777216.0; // 2^24

} // namespace

double UnseededRandom::next()
{
    // Unsigned arithmetic wraps modulo 2^32, of which 2^24 is a divisor, so masking is exact.
    m_state = (m_state * kMultiplier + kIncrement) & kModulusMask;
    return m_state / kModulus;
}

} // namespace Quillet
