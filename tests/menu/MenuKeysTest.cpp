#include "controls/Gamepad.hpp"
#include "menu/MenuState.hpp"
#include "settings_screen/SettingsState.hpp"
#include "support/RunningGame.hpp"
#include "world/GameState.hpp"

#include <gtest/gtest.h>

#include <string>

namespace
{
/// A running game on its menu, worked by keys and the gamepad; the mouse
/// rests away from the items unless the test moves it.
class MenuKeysTest : public RunningGame
{
protected:
    MenuKeysTest()
    {
        startGame();
        input->setMousePosition({5, 5});
        frame();
    }

    void key(sf::Keyboard::Key code)
    {
        input->queueKeyPress(code);
        frame();
    }

    void release(sf::Keyboard::Key code)
    {
        input->setKey(code, false);
        sf::Event event{};
        event.type = sf::Event::KeyReleased;
        event.key.code = code;
        input->queueEvent(event);
        frame();
    }

    MenuState& menu() { return top<MenuState>(); }

    /// The items in the hover colour, by first letter: "И", "Н", "В" as P, S, E.
    std::string lit()
    {
        std::string items;
        const std::pair<const MenuButton*, char> buttons[] = {{&menu().getPlayButton(), 'P'},
                                                              {&menu().getSettingsButton(), 'S'},
                                                              {&menu().getExitButton(), 'E'}};
        for (const auto& [button, name] : buttons)
        {
            if (button->getState() != ButtonState::Normal)
            {
                EXPECT_EQ(button->getText().getFillColor(), sf::Color::Green);
                items += name;
            }
        }
        return items;
    }

    void pointAt(const MenuButton& button) { pointAt(button.getBounds(), false); }
    using RunningGame::pointAt;
};
} // namespace

TEST_F(MenuKeysTest, UpAndDownMoveTheFocusRoundTheItems)
{
    EXPECT_EQ(lit(), "");
    EXPECT_FALSE(menu().getFocus());
    // Nothing focused, Up starts at the bottom; both ends wrap; W and S do as Up and Down.
    const std::pair<sf::Keyboard::Key, const char*> steps[] = {
        {sf::Keyboard::Up, "E"}, {sf::Keyboard::Down, "P"}, {sf::Keyboard::Down, "S"},
        {sf::Keyboard::S, "E"},  {sf::Keyboard::W, "S"},    {sf::Keyboard::Up, "P"},
        {sf::Keyboard::Up, "E"}, {sf::Keyboard::Left, "E"}, {sf::Keyboard::Escape, "E"}};
    for (const auto& [code, expected] : steps)
    {
        key(code);
        EXPECT_EQ(lit(), expected) << "after key " << code;
    }
    EXPECT_TRUE(onTop<MenuState>());
}

TEST_F(MenuKeysTest, ThePointerLightsUpAndTakesTheFocusOnlyByMovingOntoAnItem)
{
    // The pointer moves onto "Выход" and takes the focus; Enter opens the
    // settings from "Настройки", where the keys move it. The menu comes back
    // under the resting pointer: "Выход" neither lights up nor takes the
    // focus, so Enter works the item the keys left.
    pointAt(menu().getExitButton());
    frame();
    EXPECT_EQ(lit(), "E");
    key(sf::Keyboard::Up);
    key(sf::Keyboard::Enter);
    ASSERT_TRUE(onTop<SettingsState>());
    key(sf::Keyboard::Escape);
    frame();
    EXPECT_EQ(lit(), "S");
    key(sf::Keyboard::Enter);
    ASSERT_TRUE(onTop<SettingsState>());
    key(sf::Keyboard::Escape);
    EXPECT_TRUE(app->getWindow().isOpen());

    // The keys move the focus on under the resting pointer: one item lit.
    key(sf::Keyboard::Up);
    EXPECT_EQ(lit(), "P");
    frame();
    EXPECT_EQ(lit(), "P");

    pointAt(menu().getSettingsButton());
    frame();
    EXPECT_EQ(lit(), "S");
    EXPECT_EQ(menu().getFocus(), MenuState::SettingsItem);
    // Keys move the focus on; the pointer leaving its item leaves it there.
    key(sf::Keyboard::Down);
    input->setMousePosition({5, 5});
    frame();
    EXPECT_EQ(lit(), "E");
    // Moving off the item that it gave the focus drops the focus; Down starts
    // at the top again.
    pointAt(menu().getSettingsButton());
    frame();
    input->setMousePosition({5, 5});
    frame();
    EXPECT_EQ(lit(), "");
    key(sf::Keyboard::Down);
    EXPECT_EQ(lit(), "P");

    pointAt(menu().getExitButton());
    frame();
    key(sf::Keyboard::Enter);
    EXPECT_FALSE(app->getWindow().isOpen());
}

TEST_F(MenuKeysTest, EnterSpaceAndButtonAChooseTheFocusedItem)
{
    MenuState* const theMenu = &menu();
    key(sf::Keyboard::Down);
    key(sf::Keyboard::Down);
    key(sf::Keyboard::Enter);
    ASSERT_TRUE(onTop<SettingsState>());
    // Opened by a key, the settings start with the focus on the resolution box.
    EXPECT_EQ(top<SettingsState>().getPanel().getFocus(), SettingsPanel::ResolutionBoxItem);
    key(sf::Keyboard::Escape);
    ASSERT_EQ(&menu(), theMenu);
    EXPECT_EQ(lit(), "S");

    key(sf::Keyboard::Space);
    ASSERT_TRUE(onTop<SettingsState>());
    key(sf::Keyboard::Escape);

    input->connectJoystick(0, true);
    input->setJoystickButton(0, Gamepad::buttonB, true); // back: nothing to leave here
    frame();
    EXPECT_EQ(&menu(), theMenu);
    input->setJoystickButton(0, Gamepad::buttonA, true);
    frame();
    ASSERT_TRUE(onTop<SettingsState>());
    input->setJoystickButton(0, Gamepad::buttonA, false);
    input->setJoystickButton(0, Gamepad::buttonB, false);
    input->setJoystickButton(0, Gamepad::buttonB, true);
    frame();
    ASSERT_EQ(&menu(), theMenu);

    key(sf::Keyboard::Up);
    input->setJoystickButton(0, Gamepad::buttonA, true);
    frame();
    EXPECT_TRUE(onTop<GameState>());
}

TEST_F(MenuKeysTest, AKeyHeldWhenAScreenAppearsWaitsForItsRelease)
{
    MenuState* const theMenu = &menu();
    key(sf::Keyboard::Down);
    key(sf::Keyboard::Down);
    // Enter held down: its press opens the settings, its auto-repeat does
    // nothing there, nor on the menu once Escape has closed them.
    input->setKey(sf::Keyboard::Enter, true);
    key(sf::Keyboard::Enter);
    ASSERT_TRUE(onTop<SettingsState>());
    key(sf::Keyboard::Enter);
    EXPECT_FALSE(top<SettingsState>().getPanel().isDropdownOpen());
    key(sf::Keyboard::Escape);
    ASSERT_EQ(&menu(), theMenu);
    key(sf::Keyboard::Enter);
    key(sf::Keyboard::Enter);
    EXPECT_EQ(&menu(), theMenu);

    release(sf::Keyboard::Enter);
    key(sf::Keyboard::Enter);
    EXPECT_TRUE(onTop<SettingsState>());
}

TEST_F(MenuKeysTest, StickAndDpadStepOncePerPush)
{
    // Held down during play and while Start brings a new menu: no step until
    // it has come back.
    input->connectJoystick(0, true);
    key(sf::Keyboard::Down);
    key(sf::Keyboard::Enter);
    ASSERT_TRUE(onTop<GameState>());
    input->setJoystickAxis(0, sf::Joystick::Y, 100);
    input->setJoystickButton(0, Gamepad::buttonStart, true);
    frame();
    ASSERT_TRUE(onTop<MenuState>());
    frame();
    frame();
    EXPECT_EQ(lit(), "");
    input->setJoystickAxis(0, sf::Joystick::Y, 10);
    frame();
    input->setJoystickAxis(0, sf::Joystick::Y, 100);
    for (int i = 0; i < 30; ++i)
        frame(); // half a second held: one step, no repeat
    EXPECT_EQ(lit(), "P");
    input->setJoystickAxis(0, sf::Joystick::Y, 0);
    frame();
    input->setJoystickAxis(0, sf::Joystick::PovY, -100);
    frame();
    EXPECT_EQ(lit(), "E");
    // Straight from up to down is a new push.
    input->setJoystickAxis(0, sf::Joystick::PovY, 100);
    frame();
    EXPECT_EQ(lit(), "P");
}
