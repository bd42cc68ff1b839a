#include "controls/Gamepad.hpp"
#include "menu/MenuState.hpp"
#include "settings_screen/SettingsState.hpp"
#include "support/RunningGame.hpp"
#include "support/TextOf.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{
/// A game whose settings screen the test opens from the menu by keys, and
/// works by keys and the gamepad, the mouse resting away from everything.
class SettingsKeysTest : public RunningGame
{
protected:
    SettingsKeysTest()
    {
        startGame();
        input->setMousePosition({790, 5});
        menu = &top<MenuState>();
        key(sf::Keyboard::Down);
        key(sf::Keyboard::Down);
        key(sf::Keyboard::Enter);
    }

    void key(sf::Keyboard::Key code)
    {
        input->queueKeyPress(code);
        frame();
    }

    const SettingsPanel& panel() { return top<SettingsState>().getPanel(); }

    /// The entries shown green, as indices.
    std::string litEntries()
    {
        std::string lit;
        for (std::size_t i = 0; i < panel().getOptions().size(); ++i)
            if (panel().getOptions()[i].text.getFillColor() == sf::Color::Green)
                lit += std::to_string(i);
        return lit;
    }

    MenuState* menu = nullptr;
};
} // namespace

TEST_F(SettingsKeysTest, OpenedByAKeyTheFocusStartsOnTheBoxAndByAClickNowhere)
{
    EXPECT_EQ(panel().getFocus(), SettingsPanel::ResolutionBoxItem);
    EXPECT_EQ(panel().getDropdownText().getFillColor(), sf::Color::Green);
    // Up from the box wraps to "Назад (Esc)", Down back to the box.
    key(sf::Keyboard::Up);
    EXPECT_EQ(panel().getBackButton().getState(), ButtonState::Hovered);
    EXPECT_EQ(panel().getDropdownText().getFillColor(), sf::Color::White);
    key(sf::Keyboard::Down);
    EXPECT_EQ(panel().getFocus(), SettingsPanel::ResolutionBoxItem);

    key(sf::Keyboard::Escape);
    tap(menu->getSettingsButton().getBounds());
    frame();
    ASSERT_TRUE(onTop<SettingsState>());
    EXPECT_FALSE(panel().getFocus());
    EXPECT_EQ(panel().getDropdownText().getFillColor(), sf::Color::White);
    key(sf::Keyboard::Down);
    EXPECT_EQ(panel().getFocus(), SettingsPanel::ResolutionBoxItem);
}

TEST_F(SettingsKeysTest, EnterOpensTheListAndPicksTheEntryUpAndDownReach)
{
    // Nothing chosen at 800x600: the list starts on its first entry.
    key(sf::Keyboard::Enter);
    ASSERT_TRUE(panel().isDropdownOpen());
    EXPECT_EQ(litEntries(), "0");
    key(sf::Keyboard::Up);
    EXPECT_EQ(litEntries(), "3");
    key(sf::Keyboard::Down);
    key(sf::Keyboard::Down);
    EXPECT_EQ(litEntries(), "1");
    EXPECT_FALSE(std::filesystem::exists("settings.cfg"));
    key(sf::Keyboard::Enter);
    EXPECT_FALSE(panel().isDropdownOpen());
    EXPECT_EQ(dir.read("settings.cfg"), "width=1366\nheight=768\nfullscreen=0\n");
    EXPECT_EQ(app->getWindow().getSize(), sf::Vector2u(1366, 768));
    EXPECT_EQ(textOf(panel().getDropdownText()), "1366x768");
    EXPECT_EQ(panel().getFocus(), SettingsPanel::ResolutionBoxItem);

    // Opened again it starts on the chosen entry; Escape closes it unpicked
    // and leaves the screen open.
    key(sf::Keyboard::Enter);
    EXPECT_EQ(litEntries(), "1");
    key(sf::Keyboard::Down);
    key(sf::Keyboard::Escape);
    ASSERT_TRUE(onTop<SettingsState>());
    EXPECT_FALSE(panel().isDropdownOpen());
    EXPECT_EQ(panel().getSelectedResolution(), sf::Vector2u(1366, 768));
    EXPECT_EQ(litEntries(), "1");

    // The gamepad: A opens and picks, B closes the list, then the screen.
    input->connectJoystick(0, true);
    input->setJoystickButton(0, Gamepad::buttonA, true);
    frame();
    EXPECT_TRUE(panel().isDropdownOpen());
    input->setJoystickButton(0, Gamepad::buttonB, true);
    frame();
    EXPECT_FALSE(panel().isDropdownOpen());
    input->setJoystickButton(0, Gamepad::buttonB, false);
    input->setJoystickButton(0, Gamepad::buttonB, true);
    frame();
    EXPECT_EQ(&top<MenuState>(), menu);
    EXPECT_EQ(app->getSettings(), (Settings{1366, 768, false}));
}

TEST_F(SettingsKeysTest, EnterOnTheSwitchTogglesFullScreenAndOnApplyOrBackLeaves)
{
    key(sf::Keyboard::Down);
    key(sf::Keyboard::Enter);
    EXPECT_EQ(dir.read("settings.cfg"), "width=800\nheight=600\nfullscreen=1\n");
    const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
    EXPECT_EQ(app->getWindow().getSize(), sf::Vector2u(desktop.width, desktop.height));
    EXPECT_EQ(textOf(panel().getFullscreenButton().getText()), "Полноэкранный: ВКЛ");
    // Rebuilt for the new window, the switch still shows the focus.
    EXPECT_EQ(panel().getFullscreenButton().getState(), ButtonState::Hovered);
    key(sf::Keyboard::Enter);
    EXPECT_EQ(app->getWindow().getSize(), sf::Vector2u(800, 600));

    key(sf::Keyboard::Down);
    EXPECT_EQ(panel().getApplyText().getFillColor(), sf::Color::Green);
    key(sf::Keyboard::Enter);
    ASSERT_EQ(&top<MenuState>(), menu);

    key(sf::Keyboard::Enter);
    key(sf::Keyboard::Up);
    key(sf::Keyboard::Enter);
    EXPECT_EQ(&top<MenuState>(), menu);
    EXPECT_EQ(app->getSettings(), (Settings{800, 600, false}));
}
