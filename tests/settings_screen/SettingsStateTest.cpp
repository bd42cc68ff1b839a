#include "settings_screen/SettingsState.hpp"

#include "menu/MenuState.hpp"
#include "support/RunningGame.hpp"
#include "support/TextOf.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{
const char* const fileOf1280 = "width=1280\nheight=720\nfullscreen=0\n";

/// A game whose settings screen the test opens from the menu.
class SettingsScreenTest : public RunningGame
{
protected:
    /// Clicks "Настройки" and lets the button go.
    SettingsState& openSettings()
    {
        press(top<MenuState>().getSettingsButton().getBounds());
        frame();
        input->setButton(sf::Mouse::Left, false);
        frame();
        return top<SettingsState>();
    }

    const SettingsPanel& panel() { return top<SettingsState>().getPanel(); }

    /// Opens the list and taps entry `index`, then runs the frame.
    void pickEntry(std::size_t index)
    {
        tap(panel().getDropdownBox().getGlobalBounds());
        frame();
        ASSERT_TRUE(panel().isDropdownOpen());
        tap(panel().getOptions().at(index).text.getGlobalBounds());
        frame();
    }

    /// A settings file in an order the game never writes, so a rewrite shows.
    void writeSettings(const char* contents)
    {
        dir.write("settings.cfg", contents);
        startGame();
    }
};
} // namespace

TEST_F(SettingsScreenTest, OpeningInFullScreenAppliesNothing)
{
    writeSettings("fullscreen=1\nheight=768\nwidth=1366\n");
    const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
    ASSERT_EQ(app->getWindow().getSize(), sf::Vector2u(desktop.width, desktop.height));

    openSettings();
    frame();
    EXPECT_EQ(dir.read("settings.cfg"), "fullscreen=1\nheight=768\nwidth=1366\n");
    EXPECT_EQ(top<SettingsState>().getAppliedSettings(), (Settings{1366, 768, true}));
    // The box shows the stored resolution; the widgets fit the desktop-sized window.
    EXPECT_EQ(textOf(panel().getDropdownText()), "1366x768");
    EXPECT_TRUE(panel().getOptions()[1].selected);
    EXPECT_FLOAT_EQ(panel().getDropdownBox().getPosition().x,
                    static_cast<float>(desktop.width / 2) - 100);
}

TEST_F(SettingsScreenTest, APickIsAppliedOnceAndSavedAndReopeningAppliesNothing)
{
    startGame();
    MenuState* const menu = &top<MenuState>();
    openSettings();
    pickEntry(0);
    EXPECT_EQ(dir.read("settings.cfg"), fileOf1280);
    EXPECT_EQ(app->getSettings(), (Settings{1280, 720, false}));
    EXPECT_EQ(app->getWindow().getSize(), sf::Vector2u(1280, 720));
    EXPECT_EQ(top<SettingsState>().getAppliedSettings(), (Settings{1280, 720, false}));
    // Laid out again for the new window in the same frame.
    EXPECT_FLOAT_EQ(panel().getDropdownBox().getPosition().x, 540);
    EXPECT_FALSE(panel().isDropdownOpen());

    // Applied once: later frames do not save again.
    std::filesystem::remove("settings.cfg");
    frame();
    frame();
    EXPECT_FALSE(std::filesystem::exists("settings.cfg"));

    input->queueKeyPress(sf::Keyboard::Escape);
    frame();
    ASSERT_EQ(&top<MenuState>(), menu);

    // Opened again, it starts where the player left it, in the new window.
    openSettings();
    frame();
    EXPECT_FALSE(std::filesystem::exists("settings.cfg"));
    EXPECT_EQ(textOf(panel().getDropdownText()), "1280x720");
    EXPECT_TRUE(panel().getOptions()[0].selected);
    EXPECT_FLOAT_EQ(panel().getDropdownBox().getPosition().x, 540);
}

TEST_F(SettingsScreenTest, PickingTheAppliedResolutionAppliesNothing)
{
    writeSettings("height=720\nwidth=1280\n");
    openSettings();
    pickEntry(0);
    frame();
    EXPECT_EQ(dir.read("settings.cfg"), "height=720\nwidth=1280\n");
    EXPECT_FALSE(panel().isDropdownOpen());
    EXPECT_TRUE(panel().getOptions()[0].selected);
}

TEST_F(SettingsScreenTest, FullScreenSwitchesAtOnceAndTwiceInOneFrameIsNoChange)
{
    startGame();
    openSettings();
    const sf::FloatRect toggle = panel().getFullscreenButton().getBounds();
    tap(toggle);
    tap(toggle);
    frame();
    EXPECT_FALSE(std::filesystem::exists("settings.cfg"));
    EXPECT_FALSE(panel().isFullscreen());

    // One quick click switches full screen on: the button is up by the time it runs.
    tap(toggle);
    frame();
    EXPECT_EQ(dir.read("settings.cfg"), "width=800\nheight=600\nfullscreen=1\n");
    const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
    EXPECT_EQ(app->getWindow().getSize(), sf::Vector2u(desktop.width, desktop.height));
    EXPECT_EQ(textOf(panel().getFullscreenButton().getText()), "Полноэкранный: ВКЛ");

    tap(panel().getFullscreenButton().getBounds());
    frame();
    EXPECT_EQ(dir.read("settings.cfg"), "width=800\nheight=600\nfullscreen=0\n");
    EXPECT_EQ(app->getWindow().getSize(), sf::Vector2u(800, 600));
}

TEST_F(SettingsScreenTest, EscapeBackAndApplyReturnToTheSameMenu)
{
    startGame();
    MenuState* const menu = &top<MenuState>();

    openSettings();
    input->queueKeyPress(sf::Keyboard::Escape);
    input->queueKeyPress(sf::Keyboard::A);
    frame();
    EXPECT_EQ(&top<MenuState>(), menu);
    // What came after the Escape waits for the menu.
    EXPECT_EQ(input->pendingEvents(), 1u);
    frame();

    openSettings();
    tap(panel().getBackButton().getBounds());
    frame();
    EXPECT_EQ(&top<MenuState>(), menu);

    openSettings();
    tap(panel().getApplyBox().getGlobalBounds());
    frame();
    EXPECT_EQ(&top<MenuState>(), menu);
    EXPECT_EQ(app->getStates().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists("settings.cfg"));
}

TEST_F(SettingsScreenTest, ThePressThatOpensTheScreenLateIsNoClickOnIt)
{
    startGame();
    // On a busy machine a frame may see the button held on "Настройки" before
    // the press's own event has come in. At 800x600 "Применить" lies under
    // that press: the late event must not close the screen it opened.
    frame();
    pointAt(top<MenuState>().getSettingsButton().getBounds(), true);
    frame();
    ASSERT_TRUE(onTop<SettingsState>());
    queueMouseButton(sf::Event::MouseButtonPressed);
    input->setButton(sf::Mouse::Left, false);
    queueMouseButton(sf::Event::MouseButtonReleased);
    frame();
    EXPECT_TRUE(onTop<SettingsState>());

    // The next press is a click again.
    tap(panel().getApplyBox().getGlobalBounds());
    frame();
    EXPECT_TRUE(onTop<MenuState>());
}
