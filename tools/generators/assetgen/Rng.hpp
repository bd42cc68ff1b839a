#pragma once

#include <cstdint>

/// Small seeded random generator (splitmix64) so every run paints the same pixels.
///
/// The standard distributions are avoided on purpose: their output is allowed to
/// differ between standard libraries, which would change the art from one machine
/// to the next.
class Rng
{
public:
    explicit Rng(std::uint64_t seed) : state(seed) {}

    /// Next raw 32-bit value.
    std::uint32_t next();

    /// Integer in [lo, hi], both ends included. Returns lo when hi < lo.
    int range(int lo, int hi);

    /// Float in [0, 1).
    float unit();

    /// Float in [lo, hi).
    float between(float lo, float hi) { return lo + (hi - lo) * unit(); }

    /// True with the given probability.
    bool chance(float probability) { return unit() < probability; }

private:
    std::uint64_t state;
};
