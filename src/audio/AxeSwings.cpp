#include "audio/AxeSwings.hpp"

#include "audio/Decibels.hpp"

namespace
{
// The axe comes again every 0.8 s while the knight stands in reach: the first
// swing below the loudest effects, and the ones that follow it under the
// footsteps.
constexpr float firstLevel = 0.6f;
constexpr float repeatLevel = 0.3f;
const sf::Time repeatWithin = sf::seconds(2.f);
constexpr float pitchSpread = 0.1f; ///< swings from 0.95 to 1.05 of the pitch as made
constexpr float levelSpreadDb = 1.5f;
} // namespace

AxeSwings::Swing AxeSwings::next(sf::Time now)
{
    const bool repeat = last && now - *last < repeatWithin;
    last = now;
    // Two draws, each turned into a fraction of 0 to 1.
    const auto fraction = [this] { return static_cast<float>(draws() % 1001) / 1000.f; };
    const float pitch = 1.f + pitchSpread * (fraction() - 0.5f);
    const float level =
        (repeat ? repeatLevel : firstLevel) * fromDecibels(-levelSpreadDb * fraction());
    return {pitch, level};
}
