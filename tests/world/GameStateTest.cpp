#include "world/GameState.hpp"

#include "app/Application.hpp"
#include "app/ScriptedInput.hpp"
#include "characters/Player.hpp"
#include "characters/Skeleton.hpp"
#include "controls/Gamepad.hpp"
#include "menu/MenuState.hpp"
#include "resources/TextureCache.hpp"
#include "support/RunningGame.hpp"
#include "support/ScratchDirectory.hpp"

#include <gtest/gtest.h>

namespace
{
/// A running game the test has taken to the play screen through the menu.
class GameStateTest : public RunningGame
{
protected:
    GameStateTest()
    {
        startGame();
        press(top<MenuState>().getPlayButton().getBounds());
        frame();
        input->setButton(sf::Mouse::Left, false);
    }

    GameState* game() { return dynamic_cast<GameState*>(&app->getStates().top()); }
};
} // namespace

TEST_F(GameStateTest, PlayReplacesTheMenuAndRunsInTheSameFrame)
{
    ASSERT_NE(game(), nullptr);
    EXPECT_EQ(app->getStates().size(), 1u);
    // The first update already eased the camera.
    EXPECT_NEAR(game()->getWorld().getCamera().getCenter().x, 30.f, 1e-4);
}

TEST_F(GameStateTest, EscapeWithMoreEventsQueuedBuildsOneNewMenu)
{
    input->queueKeyPress(sf::Keyboard::Escape);
    input->queueKeyPress(sf::Keyboard::Escape);
    input->queueKeyPress(sf::Keyboard::Space);
    app->runFrame(1.f / 60.f);
    ASSERT_NE(dynamic_cast<MenuState*>(&app->getStates().top()), nullptr);
    EXPECT_EQ(app->getStates().size(), 1u);
    EXPECT_EQ(input->pendingEvents(), 2u); // left for the new menu's next frame

    app->runFrame(1.f / 60.f);
    EXPECT_EQ(input->pendingEvents(), 0u);
    EXPECT_NE(dynamic_cast<MenuState*>(&app->getStates().top()), nullptr);
    EXPECT_TRUE(app->getWindow().isOpen());
}

TEST_F(GameStateTest, ClosingTheWindowStillFinishesTheFrame)
{
    sf::Event closed{};
    closed.type = sf::Event::Closed;
    input->queueEvent(closed);
    const float cameraBefore = game()->getWorld().getCamera().getCenter().x;
    app->runFrame(1.f / 60.f);
    EXPECT_FALSE(app->getWindow().isOpen());
    EXPECT_GT(game()->getWorld().getCamera().getCenter().x, cameraBefore);
}

TEST_F(GameStateTest, HeroRunsAndJumpsWithTheKeys)
{
    const auto& hero = dynamic_cast<const Player&>(*game()->getWorld().getEntities().front());
    input->setKey(sf::Keyboard::D, true);
    for (int frame = 0; frame < 10; ++frame)
        app->runFrame(0.1f);
    EXPECT_FLOAT_EQ(hero.getPosition().x, 100.f + 10 * 30.f);
    input->setKey(sf::Keyboard::Space, true);
    app->runFrame(0.1f);
    EXPECT_TRUE(hero.isAirborne());
    EXPECT_LT(hero.getPosition().y, 528.f);
}

TEST_F(GameStateTest, TheGamepadRunsJumpsAndLeaves)
{
    const auto& hero = dynamic_cast<const Player&>(*game()->getWorld().getEntities().front());
    input->connectJoystick(0, true);
    input->setJoystickAxis(0, sf::Joystick::X, 25); // within the dead zone
    app->runFrame(0.1f);
    EXPECT_FLOAT_EQ(hero.getPosition().x, 100.f);
    input->setJoystickAxis(0, sf::Joystick::X, 40);
    app->runFrame(0.1f);
    EXPECT_FLOAT_EQ(hero.getPosition().x, 130.f);
    EXPECT_EQ(hero.getState(), PlayerState::Run);
    input->setJoystickAxis(0, sf::Joystick::X, 0);
    input->setJoystickAxis(0, sf::Joystick::PovX, -100);
    app->runFrame(0.1f);
    EXPECT_FLOAT_EQ(hero.getPosition().x, 100.f);
    EXPECT_FALSE(hero.isFacingRight());

    input->setJoystickButton(0, Gamepad::buttonA, true);
    app->runFrame(0.1f);
    EXPECT_TRUE(hero.isAirborne());
    // B and the other buttons do nothing in play; Start leaves.
    input->setJoystickButton(0, Gamepad::buttonB, true);
    app->runFrame(0.1f);
    ASSERT_NE(game(), nullptr);
    input->setJoystickButton(0, Gamepad::buttonStart, true);
    app->runFrame(0.1f);
    EXPECT_NE(dynamic_cast<MenuState*>(&app->getStates().top()), nullptr);
}

TEST_F(GameStateTest, KeysHeldForAnotherWindowDoNotRunTheHero)
{
    const auto& hero = dynamic_cast<const Player&>(*game()->getWorld().getEntities().front());
    input->setFocus(false);
    input->setKey(sf::Keyboard::D, true);
    input->setKey(sf::Keyboard::Space, true);
    for (int frame = 0; frame < 5; ++frame)
        app->runFrame(0.1f);
    EXPECT_FLOAT_EQ(hero.getPosition().x, 100.f);
    EXPECT_FALSE(hero.isAirborne());

    input->setFocus(true);
    app->runFrame(0.1f);
    EXPECT_FLOAT_EQ(hero.getPosition().x, 130.f);
    EXPECT_TRUE(hero.isAirborne());
}

TEST_F(GameStateTest, ResizeRebuildsOneHeroAndOneSkeleton)
{
    game()->onResize({1920, 1080});
    const auto& entities = game()->getWorld().getEntities();
    ASSERT_EQ(entities.size(), 2u);
    EXPECT_NE(dynamic_cast<const Player*>(entities[0].get()), nullptr);
    EXPECT_NE(dynamic_cast<const Skeleton*>(entities[1].get()), nullptr);
    // Built for the size the play screen was made with.
    EXPECT_EQ(entities[0]->getPosition(), sf::Vector2f(100, 528));
    EXPECT_EQ(game()->getWorld().getLayers().size(), 4u);
}

TEST(GameStateFailure, MissingForestImageThrowsItsPath)
{
    ScratchDirectory dir({"parallax_demon_woods_pack/layers/parallax-demon-woods-mid-trees.png"});
    // An earlier test of this process may have cached the layer already.
    TextureCache::clear();
    ScriptedInput input;
    try
    {
        GameState game(sf::Font(), {800, 600}, input);
        FAIL() << "the play screen was built without its forest";
    }
    catch (const std::runtime_error& error)
    {
        EXPECT_STREQ(error.what(),
                     "Failed to load texture: "
                     "parallax_demon_woods_pack/layers/parallax-demon-woods-mid-trees.png");
    }
}
