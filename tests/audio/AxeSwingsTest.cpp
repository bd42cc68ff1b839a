#include "audio/AxeSwings.hpp"

#include "audio/SoundPlayer.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

TEST(SoundLevels, FadeWithTheDistanceToEitherSide)
{
    // Pixels aside and the gain: full within 300 px, then 12 dB down a 100 px.
    const std::pair<float, float> table[] = {{0, 1},         {-300, 1},     {300, 1},
                                             {-400, 0.251f}, {400, 0.251f}, {-500, 0.0631f},
                                             {500, 0.0631f}};
    for (const auto& [away, gain] : table)
        EXPECT_NEAR(distanceGain({1000 + away, 500}, {1000, 300}), gain, gain / 100) << away;
}

TEST(SoundLevels, AnAxeSwingSoonAfterTheLastIsQuieterAndEachHasAPitchOfItsOwn)
{
    // Seconds since the last swing (the skeleton swings every 0.83 s), and the
    // level, less the swing's own spread of up to 1.5 dB.
    const std::pair<float, float> table[] = {{0, 0.6f},     {0.83f, 0.3f}, {0.83f, 0.3f},
                                             {1.99f, 0.3f}, {2.01f, 0.6f}, {0.5f, 0.3f}};
    AxeSwings swings;
    float now = 5;
    for (const auto& [gap, level] : table)
    {
        const float heard = swings.next(sf::seconds(now += gap)).level;
        EXPECT_TRUE(heard <= level && heard >= level * 0.84f) << heard << " after " << gap << " s";
    }
    std::vector<float> pitches(200);
    for (float& pitch : pitches)
        pitch = swings.next(sf::seconds(now += 1)).pitch;
    const auto [lowest, highest] = std::minmax_element(pitches.begin(), pitches.end());
    EXPECT_TRUE(*lowest >= 0.95f && *lowest < 0.96f) << *lowest;
    EXPECT_TRUE(*highest <= 1.05f && *highest > 1.04f) << *highest;
}
