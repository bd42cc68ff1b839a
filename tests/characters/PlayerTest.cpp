#include "characters/Player.hpp"

#include "kit/ScriptedInput.hpp"
#include "support/ScratchDirectory.hpp"
#include "world/TileMap.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
constexpr float floorY = 750.f;

/// A hero standing on the floor line, with keys the test holds.
class PlayerTest : public testing::Test
{
protected:
    PlayerTest() : player(keys.input)
    {
        player.setScale(2, 2);
        player.setPosition({100, floorY});
    }

    /// One frame of play as the play screen runs it.
    void frame(float dt, const TileMap* map = nullptr)
    {
        player.processInput(dt);
        player.update(dt);
        player.resolveCollisions(map != nullptr ? *map : emptyMap);
    }

    /// Jumps from the floor line at a steady frame time; returns the update on
    /// which the hero landed and how high the feet rose.
    std::pair<int, float> jump(float dt)
    {
        keys.script.setKey(sf::Keyboard::Space, true);
        float highest = floorY;
        for (int update = 1; update < 1000; ++update)
        {
            frame(dt);
            highest = std::min(highest, player.getPosition().y);
            if (!player.isAirborne())
                return {update, floorY - highest};
        }
        return {-1, 0.f};
    }

    /// Places the hero, far above any floor line, facing right at full scale.
    void standAt(float x, float y)
    {
        player.setFloorY(10000.f);
        player.processInput(0.f);
        player.setPosition({x, y});
    }

    ScratchDirectory dir;
    ScriptedInput keys;
    TileMap emptyMap;
    Player player;
};
} // namespace

TEST_F(PlayerTest, JumpLandsOnTheFloorLineOnTheUpdateTheNumbersGive)
{
    const auto [update, rise] = jump(1.f / 60.f);
    EXPECT_EQ(update, 42);
    EXPECT_NEAR(rise, 239.f, 1.f);
    EXPECT_FLOAT_EQ(player.getPosition().y, floorY);
    EXPECT_FLOAT_EQ(player.getVelocityY(), 0.f);
}

TEST_F(PlayerTest, JumpAtTheLongestFrameTimeTakesSevenUpdates)
{
    const auto [update, rise] = jump(0.1f);
    EXPECT_EQ(update, 7);
    EXPECT_NEAR(rise, 210.f, 0.01f);
}

TEST_F(PlayerTest, FloorLineIsAMember)
{
    player.setFloorY(528.f);
    player.setPosition({100, 528.f});
    for (int update = 0; update < 10; ++update)
        frame(1.f / 60.f);
    EXPECT_FLOAT_EQ(player.getPosition().y, 528.f);
}

TEST_F(PlayerTest, SpawnScaleGivesWayToTheFacingInTheFirstFrame)
{
    EXPECT_EQ(player.getSprite().getScale(), sf::Vector2f(2, 2));
    frame(1.f / 60.f);
    EXPECT_EQ(player.getSprite().getScale(), sf::Vector2f(5, 5));

    keys.script.setKey(sf::Keyboard::Left, true);
    frame(0.1f);
    EXPECT_EQ(player.getSprite().getScale(), sf::Vector2f(-5, 5));
    EXPECT_FLOAT_EQ(player.getPosition().x, 70.f);
    EXPECT_EQ(player.getState(), PlayerState::Run);
    // Bounds are the same whichever way the hero faces.
    const sf::FloatRect bounds = player.getGlobalBounds();
    EXPECT_FLOAT_EQ(bounds.left, 70.f - 240.f);
    EXPECT_FLOAT_EQ(bounds.width, 480.f);
    EXPECT_FLOAT_EQ(bounds.top, floorY - 200.f);
}

TEST_F(PlayerTest, BothDirectionsHeldCancelAndFaceRight)
{
    keys.script.setKey(sf::Keyboard::A, true);
    frame(0.1f);
    keys.script.setKey(sf::Keyboard::D, true);
    frame(0.1f);
    EXPECT_FLOAT_EQ(player.getPosition().x, 70.f);
    EXPECT_TRUE(player.isFacingRight());
    EXPECT_EQ(player.getSprite().getScale(), sf::Vector2f(5, 5));
}

TEST_F(PlayerTest, HoldingSpaceDoesNotJumpAgainUntilReleased)
{
    jump(0.1f);
    for (int update = 0; update < 20; ++update)
        frame(0.1f);
    EXPECT_FALSE(player.isAirborne());
    EXPECT_FLOAT_EQ(player.getPosition().y, floorY);

    keys.script.setKey(sf::Keyboard::Space, false);
    frame(0.1f);
    keys.script.setKey(sf::Keyboard::Space, true);
    frame(0.1f);
    EXPECT_TRUE(player.isAirborne());
}

TEST_F(PlayerTest, SpacePressedAgainMidJumpStartsANewJumpAtTheFirstInputAfterLanding)
{
    keys.script.setKey(sf::Keyboard::Space, true);
    frame(0.1f);
    keys.script.setKey(sf::Keyboard::Space, false);
    frame(0.1f);
    keys.script.setKey(sf::Keyboard::Space, true); // held from here until the landing
    int update = 2;
    while (player.isAirborne())
    {
        player.processInput(0.1f);
        player.update(0.1f);
        ++update;
    }
    EXPECT_EQ(update, 7);
    // The landing update leaves the hero on the floor; the next input jumps.
    player.processInput(0.1f);
    EXPECT_TRUE(player.isAirborne());
    EXPECT_FLOAT_EQ(player.getVelocityY(), -700.f);
    EXPECT_EQ(player.getState(), PlayerState::Jump);
}

TEST_F(PlayerTest, AnimationFollowsRunningJumpingAndLanding)
{
    frame(0.05f);
    EXPECT_EQ(player.getState(), PlayerState::Idle);
    EXPECT_EQ(player.getCurrentAnimation().frames.size(), 10u);

    keys.script.setKey(sf::Keyboard::Space, true);
    keys.script.setKey(sf::Keyboard::Right, true);
    frame(0.1f);
    EXPECT_EQ(player.getState(), PlayerState::Jump);
    EXPECT_EQ(player.getSprite().getTextureRect(), sf::IntRect(0, 0, 96, 40));
    while (player.isAirborne())
        frame(0.1f);
    // Landing with a direction held runs on at once.
    EXPECT_EQ(player.getState(), PlayerState::Run);

    // Idle starts from its first frame and steps once per update.
    keys.script.setKey(sf::Keyboard::Right, false);
    for (int update = 0; update < 3; ++update)
        frame(0.1f);
    EXPECT_EQ(player.getState(), PlayerState::Idle);
    EXPECT_EQ(player.getSprite().getTextureRect(), sf::IntRect(360, 0, 96, 40));
}

namespace
{
/// A map whose listed cells are solid, with the game's tileset.
TileMap mapWith(unsigned width, unsigned height, sf::Vector2u tileSize,
                const std::vector<std::pair<int, int>>& solid)
{
    std::vector<int> tiles(width * height, 0);
    for (const auto& [column, row] : solid)
        tiles[static_cast<std::size_t>(column + row * static_cast<int>(width))] = 2;
    TileMap map;
    EXPECT_TRUE(map.load("Texture/TX Tileset Ground.png", tileSize, tiles, width, height,
                         {{2, {335, 96, 36, 36}}}));
    return map;
}

const sf::Vector2u square(36, 36);
} // namespace

// The hero's bounds are 480 x 200: x - 240 to x + 240, y - 200 to y. Only the
// two rows and three columns around their top-left corner are examined.

TEST_F(PlayerTest, OverlapWiderThanTallWhileFallingLandsOnTheCellTop)
{
    standAt(400, 590); // bounds 160..640 x 390..590: column 4, row 10
    player.resolveCollisions(mapWith(30, 30, square, {{5, 10}})); // 180..216 x 360..396
    EXPECT_TRUE(player.isOnGround());
    EXPECT_EQ(player.getPosition(), sf::Vector2f(400, 360));
    EXPECT_FLOAT_EQ(player.getVelocityY(), 0.f);
    EXPECT_EQ(player.getState(), PlayerState::Idle);
}

TEST_F(PlayerTest, OverlapTallerThanWidePushesSidewaysFromEitherSide)
{
    const sf::Vector2u tall(36, 72);
    standAt(400, 555); // bounds 160..640 x 355..555: column 4, row 4
    player.resolveCollisions(mapWith(30, 30, tall, {{5, 5}})); // starts right of the left edge
    EXPECT_EQ(player.getPosition(), sf::Vector2f(180 - 240, 555));
    EXPECT_FALSE(player.isOnGround());

    standAt(400, 555);
    player.resolveCollisions(mapWith(30, 30, tall, {{4, 5}})); // 144..180 reaches in from the left
    EXPECT_EQ(player.getPosition(), sf::Vector2f(180 + 240, 555));
}

TEST_F(PlayerTest, SquareOverlapAndCellsBeyondTheNeighbourhoodChangeNothing)
{
    standAt(400, 555); // column 4, row 9: rows 9 and 10, columns 3 to 5
    player.resolveCollisions(mapWith(30, 30, square, {{5, 10}})); // 36 x 36 inside the bounds
    EXPECT_EQ(player.getPosition(), sf::Vector2f(400, 555));
    player.resolveCollisions(mapWith(30, 30, square, {{8, 10}, {5, 11}}));
    EXPECT_EQ(player.getPosition(), sf::Vector2f(400, 555));
    EXPECT_FALSE(player.isOnGround());
}

TEST_F(PlayerTest, NeighbourhoodAtTheMapEdgeExaminesOnlyCellsThatExist)
{
    const sf::Vector2u wide(72, 36);
    // Bounds 10..490 x -40..160: start column 0 and start row -1, so columns 0
    // and 1 of row 0 are all that is examined.
    standAt(250, 160);
    player.resolveCollisions(mapWith(4, 4, wide, {{2, 0}, {1, 1}}));
    EXPECT_EQ(player.getPosition(), sf::Vector2f(250, 160));

    player.resolveCollisions(mapWith(4, 4, wide, {{1, 0}}));
    EXPECT_EQ(player.getPosition(), sf::Vector2f(250, 0));
    standAt(250, 160);
    player.resolveCollisions(mapWith(4, 4, wide, {{0, 0}}));
    EXPECT_EQ(player.getPosition(), sf::Vector2f(250, 0));
}

TEST_F(PlayerTest, MapWithoutCellsEndsThePassAtOnce)
{
    standAt(100, floorY);
    player.resolveCollisions(TileMap());
    EXPECT_FALSE(player.isOnGround());
    EXPECT_EQ(player.getPosition(), sf::Vector2f(100, floorY));
}

TEST_F(PlayerTest, CollisionsHappenWhereTheMapIsDrawn)
{
    // The level's placement at 800x600: position (0, 96), scale 2, 72-px cells.
    TileMap map = mapWith(30, 7, square, {{1, 2}});
    map.setPosition(0, 96);
    map.setScale(2, 2);
    // Cell (1, 2) is drawn at 72..144 x 240..312; the bounds' top at 300 reaches
    // 12 px into it. Read in the map's own units, the bounds would lie below the map.
    standAt(250, 500);
    player.resolveCollisions(map);
    EXPECT_TRUE(player.isOnGround());
    EXPECT_EQ(player.getPosition(), sf::Vector2f(250, 240));
}
