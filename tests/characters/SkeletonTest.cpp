#include "characters/Skeleton.hpp"

#include "characters/Player.hpp"
#include "kit/ScriptedInput.hpp"
#include "support/ScratchDirectory.hpp"
#include "world/World.hpp"

#include <gtest/gtest.h>

namespace
{
constexpr float groundY = 528.f;

/// A skeleton at x = 1000 and a hero the test places.
class SkeletonTest : public testing::Test
{
protected:
    SkeletonTest() : world({800, 600}, keys.input)
    {
        auto hero = std::make_unique<Player>(keys.input);
        player = hero.get();
        world.addEntity(std::move(hero));
        skeleton = std::make_unique<Skeleton>(1000.f, groundY, world);
    }

    void heroAt(float x, float y = groundY) { player->setPosition({x, y}); }

    ScratchDirectory dir;
    ScriptedInput keys;
    World world;
    Player* player = nullptr;
    std::unique_ptr<Skeleton> skeleton;
};
} // namespace

TEST_F(SkeletonTest, IdlesWhileTheHeroIsBeyondSight)
{
    heroAt(1000 + 501);
    for (int update = 0; update < 10; ++update)
        skeleton->update(0.1f);
    EXPECT_EQ(skeleton->getState(), SkeletonState::Idle);
    EXPECT_EQ(skeleton->getPosition(), sf::Vector2f(1000, groundY));
    EXPECT_EQ(skeleton->getSprite().getScale(), sf::Vector2f(4, 4));
    // Eight idle frames of 0.2 s: after 1 s the fifth is shown.
    EXPECT_EQ(skeleton->getSprite().getTextureRect(), sf::IntRect(5 * 96, 0, 96, 64));
}

TEST_F(SkeletonTest, WalksTowardTheHeroWithinSightAndFacesIt)
{
    heroAt(1000 - 300, groundY - 250); // height plays no part
    skeleton->update(0.1f);
    EXPECT_EQ(skeleton->getState(), SkeletonState::Walk);
    EXPECT_FLOAT_EQ(skeleton->getPosition().x, 1000 - 75);
    EXPECT_FLOAT_EQ(skeleton->getPosition().y, groundY);
    EXPECT_EQ(skeleton->getSprite().getScale(), sf::Vector2f(-4, 4));

    // The walk's own frames show from the next update on.
    skeleton->update(0.01f);
    EXPECT_EQ(skeleton->getCurrentAnimation().frames.size(), 10u);
    EXPECT_FLOAT_EQ(skeleton->getCurrentAnimation().frameDuration, 0.15f);
}

TEST_F(SkeletonTest, RangesAreInclusive)
{
    heroAt(1000 + 500);
    skeleton->update(0.f);
    EXPECT_EQ(skeleton->getState(), SkeletonState::Walk);
    EXPECT_TRUE(skeleton->isFacingRight());

    heroAt(1000 + 90);
    skeleton->update(0.f);
    EXPECT_EQ(skeleton->getState(), SkeletonState::Attack);
}

TEST_F(SkeletonTest, AttackPlaysToItsEndThenIdlesForAFrame)
{
    heroAt(1000); // straight above or below counts as close
    skeleton->update(0.1f);
    ASSERT_EQ(skeleton->getState(), SkeletonState::Attack);

    heroAt(5000); // leaving does not cut the attack short
    for (int step = 1; step < 8; ++step)
    {
        skeleton->update(0.1f);
        EXPECT_EQ(skeleton->getState(), SkeletonState::Attack) << "step " << step;
    }
    skeleton->update(0.1f); // the eighth frame step ends it
    EXPECT_EQ(skeleton->getState(), SkeletonState::Idle);
    EXPECT_EQ(skeleton->getPosition(), sf::Vector2f(1000, groundY));

    // Back in range: one idle frame shows, then the next attack starts.
    heroAt(1050);
    skeleton->update(0.1f);
    EXPECT_EQ(skeleton->getState(), SkeletonState::Attack);
}

TEST_F(SkeletonTest, IgnoresTheSpawnScaleAndNeverLeavesItsY)
{
    skeleton->setScale(2, 2);
    EXPECT_EQ(skeleton->getSprite().getScale(), sf::Vector2f(4, 4));
    heroAt(700, 100);
    for (int update = 0; update < 30; ++update)
        skeleton->update(1.f / 60.f);
    EXPECT_FLOAT_EQ(skeleton->getPosition().y, groundY);
}

TEST(SkeletonAlone, IdlesWhenThereIsNoHeroToLookUp)
{
    ScratchDirectory dir;
    ScriptedInput keys;
    World world({800, 600}, keys.input);
    Skeleton lonely(1000.f, groundY, world);
    lonely.update(0.1f);
    EXPECT_EQ(lonely.getState(), SkeletonState::Idle);

    // The first entity is not the hero: another skeleton.
    world.addEntity(std::make_unique<Skeleton>(1050.f, groundY, world));
    lonely.update(0.1f);
    EXPECT_EQ(lonely.getState(), SkeletonState::Idle);
    EXPECT_EQ(lonely.getPosition(), sf::Vector2f(1000, groundY));
}
