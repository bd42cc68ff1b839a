#include "audio/MusicPlayer.hpp"
#include "audio/SoundPlayer.hpp"
#include "support/ScratchDirectory.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace
{
/// How loud OpenAL makes a voice, 0 to 1, by its distance model (inverse
/// distance, clamped; the one SFML leaves in place).
float heardGain(const sf::Sound& voice)
{
    const sf::Vector3f at = voice.getPosition();
    const float reference = voice.getMinDistance();
    const float distance = std::max(std::hypot(at.x, at.y, at.z), reference);
    return voice.getVolume() / 100.f * reference /
           (reference + voice.getAttenuation() * (distance - reference));
}
} // namespace

// The players need an audio device: the tests run with OpenAL's null output.
TEST(DevicePlayers, SoundsFadeWithDistanceAndNeverCutEachOtherOff)
{
    ScratchDirectory dir;
    std::ostringstream errors;
    SoundPlayer sounds(errors);
    sounds.load({SoundEffect::SkeletonStep, SoundEffect::AxeSwing});
    sounds.setListenerPosition({1000, 300});

    float previous = 2.f;
    for (const float away : {0.f, 400.f, 960.f, 2000.f})
    {
        sounds.playAt(SoundEffect::SkeletonStep, {1000 + away, 300});
        ASSERT_NE(sounds.lastVoice(), nullptr);
        const float gain = heardGain(*sounds.lastVoice());
        EXPECT_LT(gain, previous) << away << " px away";
        previous = gain;
        if (away == 0.f)
        {
            EXPECT_NEAR(gain, 1.f, 0.01f) << "beside the listener, at full loudness";
        }
    }
    // Four steps at once, each on its own voice.
    EXPECT_EQ(sounds.playingCount(), 4u);

    // The axe, swing after swing beside the knight (200 px left of the view's
    // centre): each its own, under a step there once it repeats, and at the
    // edge of an 800 px view at least 10 dB fainter.
    const sf::Vector2f beside(1000 - 250, 300);
    sounds.playAt(SoundEffect::SkeletonStep, beside);
    const float step = heardGain(*sounds.lastVoice());
    sounds.playAt(SoundEffect::AxeSwing, beside);
    const float first = heardGain(*sounds.lastVoice());
    const float firstPitch = sounds.lastVoice()->getPitch();
    sounds.playAt(SoundEffect::AxeSwing, beside);
    const float again = heardGain(*sounds.lastVoice());
    EXPECT_NE(sounds.lastVoice()->getPitch(), firstPitch);
    EXPECT_LT(again, first);
    EXPECT_LT(again, step);
    sounds.playAt(SoundEffect::AxeSwing, {1000 + 400, 300});
    EXPECT_LT(20 * std::log10(heardGain(*sounds.lastVoice()) / again), -10.f)
        << "at the edge, against a repeat beside the knight";
    EXPECT_TRUE(errors.str().empty());
}

TEST(DevicePlayers, ThemesCrossfadeToTheOneAskedFor)
{
    ScratchDirectory dir;
    std::ostringstream errors;
    MusicPlayer music(errors);
    music.play(MusicTheme::Menu);
    music.update(1.f);
    const float full = music.volumeOf(MusicTheme::Menu);
    EXPECT_GT(full, 50.f);

    music.play(MusicTheme::Forest);
    music.update(0.4f);
    EXPECT_LT(music.volumeOf(MusicTheme::Menu), full);
    EXPECT_GT(music.volumeOf(MusicTheme::Forest), 0.f);
    music.update(1.f);
    EXPECT_EQ(music.volumeOf(MusicTheme::Menu), 0.f);
    EXPECT_FLOAT_EQ(music.volumeOf(MusicTheme::Forest), full);
    EXPECT_TRUE(errors.str().empty());
}
