#pragma once

#include <cstdint>

namespace Quillet {

// A stream of random values in [0, 1), so that a choice can be given fixed values.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

// A 24-bit linear congruential generator that is never seeded: every run of the program draws
// the same sequence, as the diary always has.
class UnseededRandom final : public RandomSource {
public:
    double next() override;

private:
    std::uint32_t m_state = 0x50000;
};

} // namespace Quillet
