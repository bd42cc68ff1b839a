#include "characters/Animation.hpp"

#include <gtest/gtest.h>

namespace
{
std::vector<sf::IntRect> frames(int count)
{
    std::vector<sf::IntRect> rects;
    for (int i = 0; i < count; ++i)
        rects.emplace_back(96 * i, 0, 96, 64);
    return rects;
}
} // namespace

TEST(Animation, WithoutFramesShowsAnEmptyRectangleAndNeverMoves)
{
    Animation placeholder;
    EXPECT_EQ(placeholder.getCurrentFrame(), sf::IntRect());
    placeholder.advance(5.f);
    EXPECT_EQ(placeholder.currentFrame, 0);
    EXPECT_FLOAT_EQ(placeholder.elapsed, 0.f);
}

TEST(Animation, OneLoopingFrameStaysWhileTimeIsSpent)
{
    Animation one(nullptr, frames(1), 0.1f, true);
    for (int step = 0; step < 5; ++step)
        one.advance(0.06f);
    EXPECT_EQ(one.currentFrame, 0);
    EXPECT_FALSE(one.finished);
    EXPECT_NEAR(one.elapsed, 0.3f - 0.2f, 1e-5);
}

TEST(Animation, NonLoopingSequenceFinishesOnItsLastFrameAndStays)
{
    Animation attack(nullptr, frames(8), 0.1f, false);
    for (int step = 1; step <= 7; ++step)
    {
        attack.advance(0.1f);
        EXPECT_EQ(attack.currentFrame, step);
        EXPECT_FALSE(attack.finished);
    }
    attack.advance(0.1f);
    EXPECT_TRUE(attack.finished);
    EXPECT_EQ(attack.currentFrame, 7);
    EXPECT_EQ(attack.getCurrentFrame(), sf::IntRect(672, 0, 96, 64));

    attack.advance(1.f);
    EXPECT_EQ(attack.currentFrame, 7);

    attack.restart();
    EXPECT_FALSE(attack.finished);
    EXPECT_EQ(attack.currentFrame, 0);
}

TEST(Animation, LongStepMovesOneFrameAndKeepsTheRest)
{
    Animation walk(nullptr, frames(10), 0.1f, true);
    walk.advance(0.35f);
    EXPECT_EQ(walk.currentFrame, 1);
    EXPECT_NEAR(walk.elapsed, 0.25f, 1e-5);
    walk.advance(0.f);
    walk.advance(0.f);
    EXPECT_EQ(walk.currentFrame, 3);
    EXPECT_NEAR(walk.elapsed, 0.05f, 1e-5);
}
