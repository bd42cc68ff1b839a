#include "world/GameState.hpp"

#include "app/Application.hpp"
#include "audio/SilentAudio.hpp"
#include "characters/Player.hpp"
#include "characters/Skeleton.hpp"
#include "controls/Gamepad.hpp"
#include "kit/ScriptedInput.hpp"
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
    input->queueKeyPress(sf::Keyboard::P); // losing the focus paused play
    app->runFrame(0.1f);
    EXPECT_FLOAT_EQ(hero.getPosition().x, 130.f);
    EXPECT_TRUE(hero.isAirborne());
}

TEST_F(GameStateTest, ResizeLaysTheWorldOutForTheNewWindowAndKeepsTheCharacters)
{
    const World& world = game()->getWorld();
    const auto& hero = dynamic_cast<const Player&>(*world.getEntities().front());
    const auto& skeleton = dynamic_cast<const Skeleton&>(*world.getEntities().back());
    input->setKey(sf::Keyboard::D, true);
    for (int frame = 0; frame < 5; ++frame)
        app->runFrame(0.1f);
    const float heroX = hero.getPosition().x;
    const float skeletonX = skeleton.getPosition().x;
    const SkeletonState skeletonState = skeleton.getState();
    const float cameraX = world.getCamera().getCenter().x;

    game()->onResize({1920, 1080});
    ASSERT_EQ(world.getEntities().size(), 2u);
    // Where a world built for 1920x1080 stands them: on the ground row along
    // the window's bottom, seen one to one.
    EXPECT_EQ(hero.getPosition(), sf::Vector2f(heroX, 1008));
    EXPECT_FLOAT_EQ(hero.getFloorY(), 1008);
    EXPECT_EQ(hero.getState(), PlayerState::Run);
    EXPECT_EQ(skeleton.getPosition(), sf::Vector2f(skeletonX, 1008));
    EXPECT_EQ(skeleton.getState(), skeletonState);
    EXPECT_EQ(world.getTileMap().getPosition(), sf::Vector2f(0, 576));
    EXPECT_EQ(world.getCamera().getSize(), sf::Vector2f(1920, 1080));
    EXPECT_EQ(world.getCamera().getCenter(), sf::Vector2f(cameraX, 540));
    ASSERT_EQ(world.getForest().getLayers().size(), 4u);
    EXPECT_FLOAT_EQ(world.getForest().getLayers()[0].getGlobalBounds().width, 1920.f);
}

TEST_F(GameStateTest, PausedNothingMovesAndResumingMakesUpNoTime)
{
    const World& world = game()->getWorld();
    const auto& hero = dynamic_cast<const Player&>(*world.getEntities().front());
    const auto& skeleton = dynamic_cast<const Skeleton&>(*world.getEntities().back());
    ASSERT_EQ(skeleton.getState(), SkeletonState::Walk); // it has seen the hero
    input->queueKeyPress(sf::Keyboard::P);
    app->runFrame(1.f / 60.f);
    ASSERT_TRUE(game()->isPaused());

    const sf::Vector2f heroAt = hero.getPosition();
    const sf::Vector2f skeletonAt = skeleton.getPosition();
    const int heroFrame = hero.getCurrentAnimation().currentFrame;
    const int skeletonFrame = skeleton.getCurrentAnimation().currentFrame;
    const sf::Vector2f cameraAt = world.getCamera().getCenter();
    input->setKey(sf::Keyboard::D, true);
    input->setKey(sf::Keyboard::Space, true);
    input->queueKeyPress(sf::Keyboard::Space);
    for (int frame = 0; frame < 30; ++frame)
        app->runFrame(0.1f);
    EXPECT_EQ(hero.getPosition(), heroAt);
    EXPECT_FALSE(hero.isAirborne());
    EXPECT_EQ(hero.getCurrentAnimation().currentFrame, heroFrame);
    EXPECT_EQ(skeleton.getPosition(), skeletonAt);
    EXPECT_EQ(skeleton.getCurrentAnimation().currentFrame, skeletonFrame);
    EXPECT_EQ(world.getCamera().getCenter(), cameraAt);

    // Three seconds paused; the first frame after them is one frame long.
    input->setKey(sf::Keyboard::Space, false);
    input->queueKeyPress(sf::Keyboard::P);
    app->runFrame(1.f / 60.f);
    EXPECT_FALSE(game()->isPaused());
    EXPECT_FLOAT_EQ(hero.getPosition().x, heroAt.x + 300.f / 60.f);
}

TEST_F(GameStateTest, LosingTheFocusPausesAndOnlyTheKeyOrThePadResumes)
{
    // A full-screen window takes the keyboard: lost and regained at once.
    input->setFocus(false);
    input->setFocus(true);
    app->runFrame(1.f / 60.f);
    EXPECT_FALSE(game()->isPaused());

    input->setFocus(false);
    app->runFrame(1.f / 60.f);
    EXPECT_TRUE(game()->isPaused());
    input->setFocus(true);
    app->runFrame(1.f / 60.f);
    EXPECT_TRUE(game()->isPaused());

    // P held down repeats its press: only the first one counts, until it is up.
    sf::Event releaseP{};
    releaseP.type = sf::Event::KeyReleased;
    releaseP.key.code = sf::Keyboard::P;
    input->setKey(sf::Keyboard::P, true);
    input->queueKeyPress(sf::Keyboard::P);
    app->runFrame(1.f / 60.f);
    EXPECT_FALSE(game()->isPaused());
    input->queueKeyPress(sf::Keyboard::P);
    app->runFrame(1.f / 60.f);
    EXPECT_FALSE(game()->isPaused());
    input->setKey(sf::Keyboard::P, false);
    input->queueEvent(releaseP);
    input->queueKeyPress(sf::Keyboard::P);
    app->runFrame(1.f / 60.f);
    EXPECT_TRUE(game()->isPaused());

    // The pad's Back resumes and pauses; Escape leaves paused play.
    input->connectJoystick(0, true);
    input->setJoystickButton(0, Gamepad::buttonBack, true);
    app->runFrame(1.f / 60.f);
    EXPECT_FALSE(game()->isPaused());
    input->setJoystickButton(0, Gamepad::buttonBack, false);
    input->setJoystickButton(0, Gamepad::buttonBack, true);
    app->runFrame(1.f / 60.f);
    ASSERT_TRUE(game()->isPaused());
    input->queueKeyPress(sf::Keyboard::Escape);
    app->runFrame(1.f / 60.f);
    EXPECT_NE(dynamic_cast<MenuState*>(&app->getStates().top()), nullptr);
}

TEST(GameStateFailure, MissingForestImageThrowsItsPath)
{
    ScratchDirectory dir({"parallax_demon_woods_pack/layers/parallax-demon-woods-mid-trees.png"});
    // An earlier test of this process may have cached the layer already.
    TextureCache::clear();
    ScriptedInput input;
    SilentAudio silence;
    try
    {
        GameState game(sf::Font(), {800, 600}, input.input, silence);
        FAIL() << "the play screen was built without its forest";
    }
    catch (const std::runtime_error& error)
    {
        EXPECT_STREQ(error.what(),
                     "Failed to load texture: "
                     "parallax_demon_woods_pack/layers/parallax-demon-woods-mid-trees.png");
    }
}
