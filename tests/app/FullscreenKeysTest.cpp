#include "characters/Player.hpp"
#include "menu/MenuState.hpp"
#include "settings_screen/SettingsState.hpp"
#include "support/RunningGame.hpp"
#include "support/TextOf.hpp"
#include "world/GameState.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{
/// A running game in which F11 and Alt+Enter are pressed on every screen.
class FullscreenKeysTest : public RunningGame
{
protected:
    FullscreenKeysTest() { startGame(); }

    void press(sf::Keyboard::Key code, bool alt = false)
    {
        sf::Event event{};
        event.type = sf::Event::KeyPressed;
        event.key.code = code;
        event.key.alt = alt;
        input->queueEvent(event);
        frame();
    }

    sf::Vector2u desktop() const
    {
        const sf::VideoMode mode = sf::VideoMode::getDesktopMode();
        return {mode.width, mode.height};
    }

    static constexpr const char* windowed = "width=800\nheight=600\nfullscreen=0\n";
    static constexpr const char* full = "width=800\nheight=600\nfullscreen=1\n";
};
} // namespace

TEST_F(FullscreenKeysTest, OnTheMenuTheWindowIsMadeAnewAndSaved)
{
    MenuState* const menu = &top<MenuState>();
    press(sf::Keyboard::F11);
    EXPECT_EQ(app->getWindow().getSize(), desktop());
    EXPECT_EQ(dir.read("settings.cfg"), full);
    EXPECT_EQ(&top<MenuState>(), menu);
    EXPECT_EQ(menu->getWindowSize(), desktop());

    press(sf::Keyboard::Enter); // without Alt: a menu key, nothing focused
    EXPECT_EQ(app->getWindow().getSize(), desktop());
    press(sf::Keyboard::Enter, true);
    EXPECT_EQ(app->getWindow().getSize(), sf::Vector2u(800, 600));
    EXPECT_EQ(dir.read("settings.cfg"), windowed);
    EXPECT_EQ(menu->getWindowSize(), sf::Vector2u(800, 600));
    EXPECT_FALSE(menu->getFocus()); // Alt+Enter chose nothing
}

TEST_F(FullscreenKeysTest, OnTheSettingsScreenTheSwitchFollowsAndStays)
{
    tap(top<MenuState>().getSettingsButton().getBounds());
    frame();
    ASSERT_TRUE(onTop<SettingsState>());
    press(sf::Keyboard::F11);
    frame();
    frame();
    EXPECT_EQ(app->getWindow().getSize(), desktop());
    EXPECT_EQ(dir.read("settings.cfg"), full);
    const SettingsState& settings = top<SettingsState>();
    EXPECT_TRUE(settings.getPanel().isFullscreen());
    EXPECT_EQ(textOf(settings.getPanel().getFullscreenButton().getText()), "Полноэкранный: ВКЛ");
    EXPECT_EQ(settings.getAppliedSettings(), (Settings{800, 600, true}));
    EXPECT_FLOAT_EQ(settings.getPanel().getDropdownBox().getPosition().x,
                    static_cast<float>(desktop().x / 2) - 100);

    // The switch turns it off again, once.
    tap(settings.getPanel().getFullscreenButton().getBounds());
    frame();
    EXPECT_EQ(app->getWindow().getSize(), sf::Vector2u(800, 600));
    std::filesystem::remove("settings.cfg");
    press(sf::Keyboard::F11, true); // F11 with Alt is F11 still
    EXPECT_EQ(dir.read("settings.cfg"), full);
}

TEST_F(FullscreenKeysTest, DuringPlayTheHeroPlaysOnWhereItIs)
{
    press(sf::Keyboard::Down);
    press(sf::Keyboard::Enter);
    ASSERT_TRUE(onTop<GameState>());
    const auto hero = [this]() -> const Player&
    { return dynamic_cast<const Player&>(*top<GameState>().getWorld().getEntities().front()); };
    input->setKey(sf::Keyboard::D, true);
    for (int i = 0; i < 10; ++i)
        frame(0.1f);
    const float ranTo = hero().getPosition().x;
    ASSERT_GT(ranTo, 300.f);

    press(sf::Keyboard::F11);
    EXPECT_EQ(app->getWindow().getSize(), desktop());
    EXPECT_EQ(dir.read("settings.cfg"), full);
    EXPECT_GT(hero().getPosition().x, ranTo);
    EXPECT_EQ(top<GameState>().getWorld().getEntities().size(), 2u);

    input->setKey(sf::Keyboard::D, false);
    press(sf::Keyboard::Escape);
    ASSERT_TRUE(onTop<MenuState>());
    EXPECT_EQ(top<MenuState>().getWindowSize(), desktop());
}

TEST_F(FullscreenKeysTest, AWindowClosedInTheSameFrameStaysClosed)
{
    sf::Event closed{};
    closed.type = sf::Event::Closed;
    input->queueEvent(closed);
    press(sf::Keyboard::F11);
    EXPECT_FALSE(app->getWindow().isOpen());
    EXPECT_FALSE(std::filesystem::exists("settings.cfg"));
}
