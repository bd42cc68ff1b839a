#pragma once

#include <SFML/System/Time.hpp>

#include <optional>
#include <random>

/// How each swing of the skeleton's axe is heard: a pitch and a level of its
/// own, the same ones on every run, and quieter when it follows the last swing
/// soon, so that a long fight does not wear on the ear.
class AxeSwings
{
public:
    struct Swing
    {
        float pitch; ///< against the sound as made, 1 for its own
        float level; ///< 0 to 1
    };

    /// The swing heard at `now`, a time on a clock that only runs forward.
    Swing next(sf::Time now);

private:
    std::minstd_rand draws{20261208};
    std::optional<sf::Time> last; ///< when the last swing was heard
};
