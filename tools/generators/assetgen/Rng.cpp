#include "Rng.hpp"

std::uint32_t Rng::next()
{
    state += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
}

int Rng::range(int lo, int hi)
{
    if (hi <= lo)
        return lo;
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo + 1);
    return static_cast<int>(lo + static_cast<std::int64_t>(next() % span));
}

float Rng::unit()
{
    // 24 bits fit a float mantissa exactly, so the value is the same everywhere.
    return static_cast<float>(next() >> 8) / 16777216.0f;
}
