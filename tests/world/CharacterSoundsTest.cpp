#include "world/CharacterSounds.hpp"

#include "characters/Player.hpp"
#include "characters/Skeleton.hpp"
#include "support/PlayableWorld.hpp"
#include "support/RecordingAudio.hpp"

#include <gtest/gtest.h>

namespace
{
constexpr float step = 1.f / 60;

/// The play screen's world for 800x600 with its sounds heard frame by frame.
class CharacterSoundsTest : public testing::Test
{
protected:
    Player& hero() { return dynamic_cast<Player&>(*play.world.getEntities()[0]); }
    Skeleton& skeleton() { return dynamic_cast<Skeleton&>(*play.world.getEntities()[1]); }

    /// One frame of play; returns what it played.
    std::vector<RecordingAudio::Played> frame()
    {
        const std::size_t before = audio.played.size();
        play.world.update(step);
        sounds.update(play.world, audio);
        return {audio.played.begin() + static_cast<std::ptrdiff_t>(before), audio.played.end()};
    }

    PlayableWorld play{{800, 600}};
    RecordingAudio audio;
    CharacterSounds sounds;
};
} // namespace

TEST_F(CharacterSoundsTest, TheKnightsFeetJumpAndLandingSoundOnTheirFrames)
{
    // Far from the skeleton, so only the knight is heard.
    skeleton().setPosition({5000, skeleton().getPosition().y});
    EXPECT_TRUE(frame().empty()) << "standing still is silent";

    play.keys.script.setKey(sf::Keyboard::D, true);
    int steps = 0;
    for (int i = 0; i < 120; ++i)
    {
        const auto played = frame();
        const int runFrame = hero().getCurrentAnimation().currentFrame;
        ASSERT_EQ(hero().getState(), PlayerState::Run);
        if (i == 0)
        {
            EXPECT_EQ(played.size(), 1u) << "the first foot comes down as the run starts";
        }
        for (const auto& p : played)
        {
            EXPECT_EQ(p.effect, SoundEffect::HeroStep);
            EXPECT_FALSE(p.placed);
            EXPECT_TRUE(runFrame == 0 || runFrame == 5) << "a step on run frame " << runFrame;
            ++steps;
        }
    }
    // Two seconds of running: 20 frames of the run sheet, a foot down on every fifth.
    EXPECT_GE(steps, 4);
    EXPECT_LE(steps, 5);

    play.keys.script.setKey(sf::Keyboard::Space, true);
    auto played = frame();
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0].effect, SoundEffect::HeroJump);
    play.keys.script.setKey(sf::Keyboard::Space, false);

    for (int frames = 0; hero().isAirborne() && frames < 100; ++frames)
    {
        played = frame();
        if (hero().isAirborne())
        {
            EXPECT_TRUE(played.empty()) << "no steps and no second take-off in the air";
        }
        else
        {
            // Landing running: the thud stands for the step the run starts with.
            ASSERT_EQ(played.size(), 1u);
            EXPECT_EQ(played[0].effect, SoundEffect::HeroLanding);
        }
    }
    EXPECT_EQ(audio.count(SoundEffect::HeroLanding), 1u);
    EXPECT_EQ(audio.count(SoundEffect::HeroJump), 1u);
    EXPECT_EQ(hero().getState(), PlayerState::Run);
}

TEST_F(CharacterSoundsTest, TheSkeletonIsHeardFromWhereItWalksAndSwings)
{
    const float ground = skeleton().getPosition().y;
    skeleton().setPosition({1000, ground});
    // The knight keeps 400 px ahead: the skeleton walks all the while.
    int steps = 0;
    for (int i = 0; i < 90; ++i)
    {
        hero().setPosition({skeleton().getPosition().x + 400, ground});
        for (const auto& p : frame())
        {
            ASSERT_EQ(p.effect, SoundEffect::SkeletonStep);
            ASSERT_EQ(skeleton().getState(), SkeletonState::Walk);
            const int walkFrame = skeleton().getCurrentAnimation().currentFrame;
            EXPECT_TRUE(walkFrame == 0 || walkFrame == 5) << "a step on walk frame " << walkFrame;
            EXPECT_TRUE(p.placed);
            EXPECT_EQ(p.position, skeleton().getPosition());
            ++steps;
        }
    }
    // 1.5 s: ten walk frames of 0.15 s, a foot down on the first and the sixth.
    EXPECT_EQ(steps, 2);

    // The knight close by: attack after attack, one swing each, on its swing frame.
    int swings = 0;
    for (int i = 0; i < 120; ++i)
    {
        hero().setPosition({skeleton().getPosition().x + 50, ground});
        for (const auto& p : frame())
        {
            ASSERT_EQ(p.effect, SoundEffect::AxeSwing);
            // The attack sheet's third frame is where the axe starts round.
            EXPECT_EQ(skeleton().getCurrentAnimation().currentFrame, 2);
            EXPECT_EQ(p.position, skeleton().getPosition());
            ++swings;
        }
    }
    // Two seconds: an attack takes 0.8 s and the next starts two frames after it.
    EXPECT_EQ(swings, 3);
}
