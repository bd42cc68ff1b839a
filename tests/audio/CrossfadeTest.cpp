#include "audio/Crossfade.hpp"

#include "audio/SoundPlayer.hpp"

#include <gtest/gtest.h>

#include <cmath>

TEST(CrossfadeTest, ThemesSwapWithinASecondKeepingTheLoudnessEven)
{
    Crossfade fade;
    EXPECT_FALSE(fade.audible(MusicTheme::Menu));
    fade.fadeTo(MusicTheme::Menu);
    for (int i = 0; i < 60; ++i)
        fade.update(1.f / 60);
    EXPECT_FLOAT_EQ(fade.volume(MusicTheme::Menu), 1.f);
    EXPECT_FALSE(fade.audible(MusicTheme::Forest));

    fade.fadeTo(MusicTheme::Forest);
    for (int i = 0; i < 24; ++i)
    {
        fade.update(1.f / 60);
        const float menu = fade.volume(MusicTheme::Menu);
        const float forest = fade.volume(MusicTheme::Forest);
        EXPECT_NEAR(menu * menu + forest * forest, 1.f, 1e-4) << "the power stays even";
    }
    // Half way back and forth: reversing carries on from where the levels are.
    fade.fadeTo(MusicTheme::Menu);
    fade.update(0.1f);
    EXPECT_GT(fade.volume(MusicTheme::Menu), fade.volume(MusicTheme::Forest));

    fade.fadeTo(MusicTheme::Forest);
    for (int i = 0; i < 60; ++i) // one second of frames is enough from anywhere
        fade.update(1.f / 60);
    EXPECT_FLOAT_EQ(fade.volume(MusicTheme::Forest), 1.f);
    EXPECT_FALSE(fade.audible(MusicTheme::Menu));
}

TEST(SoundPlacementTest, SoundsSitBesideTheListenerAndFartherAwayWithDistance)
{
    const sf::Vector2f listener(300, 300);
    const sf::Vector3f left = soundPlacement({100, 852}, listener);
    const sf::Vector3f right = soundPlacement({700, 852}, listener);
    const sf::Vector3f far = soundPlacement({1700, 852}, listener);
    EXPECT_FLOAT_EQ(left.x, -200);
    EXPECT_FLOAT_EQ(right.x, 400);
    // Ahead of the listener, never on it: at its own x a sound is in the middle.
    EXPECT_LT(soundPlacement({300, 0}, listener).z, 0.f);
    EXPECT_EQ(soundPlacement({300, 0}, listener).x, 0.f);
    const auto distance = [](const sf::Vector3f& p)
    { return std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z); };
    EXPECT_LT(distance(left), distance(right));
    EXPECT_LT(distance(right), distance(far));
}
