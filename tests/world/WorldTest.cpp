#include "world/World.hpp"

#include "characters/Player.hpp"
#include "characters/Skeleton.hpp"
#include "kit/PictureDifference.hpp"
#include "kit/ScriptedInput.hpp"
#include "support/PlayableWorld.hpp"
#include "support/ScratchDirectory.hpp"
#include "world/Parallax.hpp"

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <set>

namespace
{
/// Counts its updates and notes where the hero stood during each.
class Spy : public Entity
{
public:
    explicit Spy(const World& world) : world(world) {}
    void update(float) override
    {
        ++updates;
        heroYSeen = world.getEntities().front()->getPosition().y;
    }
    void draw(sf::RenderTarget&) override {}
    void setPosition(const sf::Vector2f&) override {}
    sf::Vector2f getPosition() const override { return {}; }
    void move(const sf::Vector2f&) override {}
    sf::FloatRect getGlobalBounds() const override { return {}; }
    void setScale(float, float) override {}

    int updates = 0;
    float heroYSeen = 0.f;

private:
    const World& world;
};

struct Placement
{
    sf::Vector2u window;
    float mapY;
    float groundY;
};

class WorldPlacement : public testing::TestWithParam<Placement>
{
};
} // namespace

TEST_P(WorldPlacement, LevelAlongTheBottomAndCharactersOnItsGroundRow)
{
    const Placement p = GetParam();
    ScratchDirectory dir;
    ScriptedInput keys;
    World world(p.window, keys.input);
    world.build(p.window);

    EXPECT_EQ(world.getTileMap().getPosition(), sf::Vector2f(0, p.mapY));
    EXPECT_EQ(world.getTileMap().getScale(), sf::Vector2f(2, 2));
    ASSERT_EQ(world.getEntities().size(), 2u);
    const auto* player = dynamic_cast<const Player*>(world.getEntities()[0].get());
    const auto* skeleton = dynamic_cast<const Skeleton*>(world.getEntities()[1].get());
    ASSERT_NE(player, nullptr);
    ASSERT_NE(skeleton, nullptr);
    EXPECT_EQ(player->getPosition(), sf::Vector2f(100, p.groundY));
    EXPECT_FLOAT_EQ(player->getFloorY(), p.groundY);
    EXPECT_EQ(skeleton->getPosition(), sf::Vector2f(200, p.groundY));
    // The camera starts with its left edge at -width / 2, showing y from 0 to the height.
    EXPECT_EQ(world.getCamera().getCenter(), sf::Vector2f(0, p.window.y / 2.f));
    EXPECT_EQ(world.getCamera().getSize(), sf::Vector2f(p.window));
}

INSTANTIATE_TEST_SUITE_P(Windows, WorldPlacement,
                         testing::Values(Placement{{800, 600}, 96, 528},
                                         Placement{{1920, 1080}, 576, 1008}));

TEST(World, CameraEasesAfterTheHeroSideways)
{
    ScratchDirectory dir;
    ScriptedInput keys;
    World world({800, 600}, keys.input);
    world.build({800, 600});
    world.update(1.f / 60.f);
    EXPECT_NEAR(world.getCamera().getCenter().x, 30.f, 1e-4);
    world.update(1.f / 60.f);
    EXPECT_NEAR(world.getCamera().getCenter().x, 57.f, 1e-4);
    for (int frame = 0; frame < 200; ++frame)
        world.update(1.f / 60.f);
    EXPECT_NEAR(world.getCamera().getCenter().x, 300.f, 0.01);
    EXPECT_FLOAT_EQ(world.getCamera().getCenter().y, 300.f);
}

TEST(World, EveryCharacterUpdatesOnceBeforeTheHeroMeetsTheLevel)
{
    ScratchDirectory dir;
    ScriptedInput keys;
    World world({800, 600}, keys.input);
    world.build({800, 600});
    auto spy = std::make_unique<Spy>(world);
    Spy& watcher = *spy;
    world.addEntity(std::move(spy));

    world.update(1.f / 60.f);
    EXPECT_EQ(watcher.updates, 1);
    // The hero's update pulled it below its floor line and set it back; no
    // tile is near, so the collision pass after the updates leaves it there.
    EXPECT_FLOAT_EQ(watcher.heroYSeen, 528.f);

    // Put a ground cell right under the hero's bounds' top: the collision pass
    // runs after the spy has looked, and only then lifts the hero.
    World grounded({800, 600}, keys.input);
    grounded.build({800, 600});
    auto second = std::make_unique<Spy>(grounded);
    Spy& late = *second;
    grounded.addEntity(std::move(second));
    auto& hero = dynamic_cast<Player&>(*grounded.getEntities().front());
    hero.setFloorY(10000.f);
    hero.setPosition({250, 600 + 200 - 12}); // bounds' top 12 px into the ground row
    grounded.update(0.f);
    EXPECT_EQ(late.updates, 1);
    EXPECT_FLOAT_EQ(late.heroYSeen, 788.f);
    EXPECT_FLOAT_EQ(hero.getPosition().y, 528.f);
    EXPECT_TRUE(hero.isOnGround());
}

TEST(World, WithoutAHeroFirstNothingMovesButTheCamera)
{
    ScratchDirectory dir;
    ScriptedInput keys;
    World world({800, 600}, keys.input);
    world.update(0.1f);
    EXPECT_FLOAT_EQ(world.getCamera().getCenter().x, 20.f); // eases toward (0 + 200)

    world.addEntity(std::make_unique<Spy>(world));
    world.update(0.1f);
    EXPECT_EQ(dynamic_cast<const Spy&>(*world.getEntities().front()).updates, 0);
}

TEST(Parallax, CopiesStartAtOrLeftOfTheViewAndFollowEachOtherSideBySide)
{
    // Camera at the start (centre x 0), an 800-wide window and layer.
    EXPECT_FLOAT_EQ(parallaxStart(0, 800, 0.05f, 800), -1190.f);
    // Centred at 200 every layer rests at the view's left edge.
    for (const float factor : {0.05f, 0.1f, 0.3f, 0.5f})
        EXPECT_FLOAT_EQ(parallaxStart(200, 800, factor, 800), -200.f);
    EXPECT_FLOAT_EQ(parallaxStart(1000, 800, 0.5f, 800), 200.f);
    // Far to the left the remainder is negative and the start still covers the view.
    const float start = parallaxStart(-5000, 800, 0.3f, 800);
    EXPECT_LE(start, -5400.f);
    EXPECT_GT(start, -5400.f - 800.f);
}

TEST(World, BackgroundIsFourStretchedLayersHoweverOftenItIsLoaded)
{
    ScratchDirectory dir;
    ScriptedInput keys;
    World world({800, 600}, keys.input);
    EXPECT_EQ(world.getBackgroundColor(), sf::Color::Black);
    world.loadBackground();
    world.loadBackground();
    const Forest& forest = world.getForest();
    ASSERT_EQ(forest.getLayers().size(), 4u);
    EXPECT_EQ(forest.getLayerFactors(), (std::vector<float>{0.05f, 0.1f, 0.3f, 0.5f}));
    EXPECT_EQ(world.getBackgroundColor(), sf::Color(30, 30, 60));
    for (const sf::Sprite& layer : forest.getLayers())
    {
        EXPECT_FLOAT_EQ(layer.getGlobalBounds().width, 800.f);
        EXPECT_FLOAT_EQ(layer.getGlobalBounds().height, 600.f);
    }
    EXPECT_EQ(forest.layerCopyPositions(0, world.getCamera()),
              (std::vector<float>{-1190, -390, 410, 1210}));
}

namespace
{
class WorldPicture : public testing::TestWithParam<sf::Vector2u>
{
};
} // namespace

TEST_P(WorldPicture, FastDrawingShowsExactlyTheStraightforwardPicture)
{
    const sf::Vector2u size = GetParam();
    PlayableWorld playable(size);
    World& world = playable.world;
    ScriptedInput& keys = playable.keys;
    sf::RenderTexture fast;
    sf::RenderTexture plain;
    ASSERT_TRUE(fast.create(size.x, size.y));
    ASSERT_TRUE(plain.create(size.x, size.y));

    // Run right and jump, far past the end of the level, and look now and then.
    keys.script.setKey(sf::Keyboard::D, true);
    for (int frame = 0; frame < 240; ++frame)
    {
        keys.script.setKey(sf::Keyboard::Space, frame % 50 < 5);
        world.update(1.f / 60.f);
        if (frame % 20 != 0)
            continue;
        fast.clear(sf::Color::Magenta);
        world.render(fast);
        fast.display();
        plain.clear(sf::Color::Magenta);
        world.renderStraightforward(plain);
        plain.display();
        ASSERT_EQ(
            largestDifference(fast.getTexture().copyToImage(), plain.getTexture().copyToImage()), 0)
            << "frame " << frame;
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, WorldPicture,
                         testing::Values(sf::Vector2u(800, 600), sf::Vector2u(1366, 768),
                                         sf::Vector2u(2560, 1440), sf::Vector2u(3840, 2160)));

namespace
{
/// Pixels of the window's ground row, drawn at twice the tile's size along
/// its bottom, that are not the ground tile's: only the tile's rows that are
/// opaque all the way across are looked at, for nothing shows through them.
int offTheGround(const sf::Image& picture)
{
    sf::Image tileset;
    if (!tileset.loadFromFile("Texture/TX Tileset Ground.png"))
        return -1;
    const sf::IntRect tile(335, 96, 36, 36);
    std::set<sf::Uint32> colours;
    std::vector<bool> opaqueRow(tile.height, true);
    for (int y = 0; y < tile.height; ++y)
        for (int x = 0; x < tile.width; ++x)
        {
            const sf::Color texel = tileset.getPixel(tile.left + x, tile.top + y);
            colours.insert(texel.toInteger());
            opaqueRow[y] = opaqueRow[y] && texel.a == 255;
        }

    int off = 0;
    const sf::Vector2u size = picture.getSize();
    const unsigned groundTop = size.y - 2 * tile.height;
    for (unsigned y = groundTop; y < size.y; ++y)
        for (unsigned x = 0; x < size.x && opaqueRow[(y - groundTop) / 2]; ++x)
            off += colours.count(picture.getPixel(x, y).toInteger()) == 0 ? 1 : 0;
    return off;
}

class GroundRow : public testing::TestWithParam<sf::Vector2u>
{
};
} // namespace

TEST_P(GroundRow, FillsTheBottomOfTheWindowWhereverTheCameraLooks)
{
    const sf::Vector2u size = GetParam();
    PlayableWorld playable(size);
    World& world = playable.world;
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(size.x, size.y));
    const auto offTheGroundNow = [&]
    {
        world.render(target);
        target.display();
        return offTheGround(target.getTexture().copyToImage());
    };
    const auto heroX = [&] { return world.getEntities().front()->getPosition().x; };

    // The camera starts left of the level.
    world.update(1.f / 60.f);
    EXPECT_EQ(offTheGroundNow(), 0) << "first frame";

    playable.keys.script.setKey(sf::Keyboard::D, true);
    while (heroX() < 3100.f)
        world.update(1.f / 60.f);
    EXPECT_EQ(offTheGroundNow(), 0) << "past the right end";

    playable.keys.script.setKey(sf::Keyboard::D, false);
    playable.keys.script.setKey(sf::Keyboard::A, true);
    while (heroX() > 100.f)
        world.update(1.f / 60.f);
    EXPECT_EQ(offTheGroundNow(), 0) << "back at the start";
    while (heroX() > -2900.f)
        world.update(1.f / 60.f);
    EXPECT_EQ(offTheGroundNow(), 0) << "past the left end";
}

INSTANTIATE_TEST_SUITE_P(Windows, GroundRow,
                         testing::Values(sf::Vector2u(800, 600), sf::Vector2u(1920, 1080)));
