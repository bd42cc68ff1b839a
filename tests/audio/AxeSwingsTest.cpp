#include "audio/AxeSwings.hpp"

#include "audio/SoundPlayer.hpp"

#include <gtest/gtest.h>

#include <algorithm>

TEST(SoundLevels, FadeWithTheDistanceToEitherSide)
{
    // 12 dB down 100 px past the full-loudness stretch of 300 px, either way.
    const struct
    {
        float away;
        float gain;
    } table[] = {{0, 1},        {-300, 1},       {300, 1},      {-400, 0.251f},
                 {400, 0.251f}, {-500, 0.0631f}, {500, 0.0631f}};
    const sf::Vector2f listener(1000, 300);
    for (const auto& row : table)
        EXPECT_NEAR(distanceGain({listener.x + row.away, 500}, listener), row.gain, row.gain / 100)
            << row.away << " px aside";
}

TEST(SoundLevels, AnAxeSwingSoonAfterTheLastIsQuieterAndEachHasAPitchOfItsOwn)
{
    // Seconds since the last swing, and the level before each swing's own
    // spread of up to 1.5 dB down. The skeleton swings every 0.83 s.
    const struct
    {
        float gap;
        float level;
    } table[] = {{0, 0.6f},     {0.83f, 0.3f}, {0.83f, 0.3f}, {1.99f, 0.3f},
                 {2.01f, 0.6f}, {10, 0.6f},    {0.5f, 0.3f}};
    AxeSwings swings;
    float now = 5;
    for (const auto& row : table)
    {
        now += row.gap;
        const float level = swings.next(sf::seconds(now)).level;
        EXPECT_LE(level, row.level) << "after " << row.gap << " s";
        EXPECT_GE(level, row.level * 0.84f) << "after " << row.gap << " s";
    }

    float lowest = 2, highest = 0;
    for (int i = 0; i < 200; ++i)
    {
        const float pitch = swings.next(sf::seconds(now += 1)).pitch;
        lowest = std::min(lowest, pitch);
        highest = std::max(highest, pitch);
    }
    EXPECT_GE(lowest, 0.95f);
    EXPECT_LT(lowest, 0.96f);
    EXPECT_LE(highest, 1.05f);
    EXPECT_GT(highest, 1.04f);
}
