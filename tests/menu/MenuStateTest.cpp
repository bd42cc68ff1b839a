#include "menu/MenuState.hpp"

#include "game/GameScreens.hpp"
#include "settings_screen/SettingsState.hpp"
#include "support/RunningGame.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace
{
/// A running game on its menu, whose mouse the test moves.
class MenuTest : public RunningGame
{
protected:
    MenuTest() { startGame(); }

    MenuState& menu() { return top<MenuState>(); }

    using RunningGame::pointAt;
    void pointAt(const MenuButton& button, bool pressed) { pointAt(button.getBounds(), pressed); }
};

void expectLeftTop(const MenuButton& button, float left, float top)
{
    EXPECT_FLOAT_EQ(button.getText().getPosition().x, left);
    EXPECT_FLOAT_EQ(button.getText().getPosition().y, top);
}
} // namespace

TEST_F(MenuTest, ItemsArePlacedFromTheWindowCentre)
{
    expectLeftTop(menu().getPlayButton(), 330, 200);
    expectLeftTop(menu().getSettingsButton(), 300, 300);
    expectLeftTop(menu().getExitButton(), 330, 400);
    const float titleWidth = menu().getTitle().getGlobalBounds().width;
    EXPECT_FLOAT_EQ(menu().getTitle().getPosition().x, 400 - titleWidth / 2);
    EXPECT_FLOAT_EQ(menu().getTitle().getPosition().y, 50);
    EXPECT_EQ(menu().getTitle().getStyle(), sf::Text::Bold);
    EXPECT_EQ(menu().getTitle().getFillColor(), sf::Color::Cyan);

    menu().onResize({1920, 1080});
    expectLeftTop(menu().getPlayButton(), 890, 440);
    expectLeftTop(menu().getSettingsButton(), 860, 540);
    expectLeftTop(menu().getExitButton(), 890, 640);
    // The cached hit areas follow the text.
    EXPECT_EQ(menu().getExitButton().getBounds(),
              menu().getExitButton().getText().getGlobalBounds());

    // Too small a window puts items at negative coordinates; the formulas still hold.
    menu().onResize({101, 151});
    expectLeftTop(menu().getSettingsButton(), -50, 75);
    expectLeftTop(menu().getPlayButton(), -20, -25);
}

TEST_F(MenuTest, ItemsLightUpUnderTheMouseAndWhilePressed)
{
    pointAt(menu().getExitButton(), false);
    frame();
    EXPECT_EQ(menu().getExitButton().getState(), ButtonState::Hovered);
    EXPECT_EQ(menu().getExitButton().getText().getFillColor(), sf::Color::Green);
    EXPECT_EQ(menu().getPlayButton().getState(), ButtonState::Normal);
    EXPECT_EQ(menu().getPlayButton().getText().getFillColor(), sf::Color::White);

    // Pressed over empty space: nothing lights up, nothing happens.
    input->setMousePosition({5, 5});
    input->setButton(sf::Mouse::Left, true);
    frame();
    EXPECT_EQ(menu().getExitButton().getState(), ButtonState::Normal);
    EXPECT_TRUE(app->getWindow().isOpen());
}

TEST_F(MenuTest, ClosingTheWindowEndsTheGame)
{
    sf::Event closed{};
    closed.type = sf::Event::Closed;
    input->queueEvent(closed);
    app->run();
    EXPECT_FALSE(app->getWindow().isOpen());
}

TEST_F(MenuTest, ExitClosesTheWindowOnceTheButtonGoesDownOverIt)
{
    // Held since before the menu was built: it picks nothing.
    pointAt(menu().getExitButton(), true);
    frame();
    EXPECT_TRUE(app->getWindow().isOpen());
    pointAt(menu().getExitButton(), false);
    frame();
    EXPECT_TRUE(app->getWindow().isOpen());

    // Pressed on empty space, then dragged onto the item: that counts.
    input->setMousePosition({5, 5});
    input->setButton(sf::Mouse::Left, true);
    frame();
    EXPECT_TRUE(app->getWindow().isOpen());
    pointAt(menu().getExitButton(), true);
    frame();
    EXPECT_FALSE(app->getWindow().isOpen());
}

TEST_F(MenuTest, ThePressThatClosesTheSettingsDoesNotReopenThem)
{
    MenuState* const theMenu = &menu();
    press(menu().getSettingsButton().getBounds());
    frame();
    ASSERT_TRUE(onTop<SettingsState>());
    input->setButton(sf::Mouse::Left, false);
    frame();

    // At 800x600 "Применить" lies over "Настройки".
    const sf::FloatRect apply = top<SettingsState>().getPanel().getApplyBox().getGlobalBounds();
    sf::FloatRect overlap;
    ASSERT_TRUE(apply.intersects(theMenu->getSettingsButton().getBounds(), overlap));
    press(overlap);
    frame();
    ASSERT_EQ(&menu(), theMenu);
    for (int i = 0; i < 5; ++i)
        frame(); // still held over "Настройки"
    EXPECT_EQ(&menu(), theMenu);

    // A fresh press opens them again.
    input->setButton(sf::Mouse::Left, false);
    frame();
    input->setButton(sf::Mouse::Left, true);
    frame();
    EXPECT_TRUE(onTop<SettingsState>());
}

TEST_F(MenuTest, AQuickClickPicksTheItemUnderTheMouse)
{
    // Press and release both arrive within one frame: the button is up when it runs.
    tap(menu().getSettingsButton().getBounds());
    frame();
    ASSERT_TRUE(onTop<SettingsState>());
    input->queueKeyPress(sf::Keyboard::Escape);
    frame();

    tap({5, 5, 1, 1});
    frame();
    EXPECT_TRUE(app->getWindow().isOpen());
    tap(menu().getExitButton().getBounds());
    frame();
    EXPECT_FALSE(app->getWindow().isOpen());
}

TEST_F(MenuTest, ShapesFallInTheWindAndStartAfreshForANewSize)
{
    ASSERT_EQ(menu().getParticles().size(), 200u);
    const std::vector<Particle> before = menu().getParticles();
    frame(0.1f);
    EXPECT_FLOAT_EQ(menu().getWind(), 0.01f);
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_NEAR(menu().getParticles()[i].position.y, before[i].position.y + before[i].speed * 6,
                    1e-4);

    menu().onResize({1280, 720});
    ASSERT_EQ(menu().getParticles().size(), 200u);
    for (const Particle& particle : menu().getParticles())
    {
        EXPECT_LE(particle.position.y, -10.f);
        EXPECT_LE(particle.position.x, 1280.f);
    }
    // The wind blows on where it was.
    EXPECT_FLOAT_EQ(menu().getWind(), 0.01f);
}

TEST_F(MenuTest, CatchesUpWithAWindowRecreatedWhileItWasCovered)
{
    MenuState* const theMenu = &menu();
    tap(menu().getSettingsButton().getBounds());
    frame();
    app->applySettings({1280, 720, false});
    input->queueKeyPress(sf::Keyboard::Escape);
    frame();
    ASSERT_EQ(&menu(), theMenu);

    // Already laid out for the new window in the frame it was uncovered.
    EXPECT_EQ(menu().getWindowSize(), sf::Vector2u(1280, 720));
    expectLeftTop(menu().getSettingsButton(), 540, 360);
    expectLeftTop(menu().getExitButton(), 570, 460);
    // The shapes fall across the new width.
    float rightmost = 0;
    for (const Particle& particle : menu().getParticles())
        rightmost = std::max(rightmost, particle.position.x);
    EXPECT_GT(rightmost, 820.f);
}

TEST_F(MenuTest, DraggingTheWindowFrameOnlyStretchesThePicture)
{
    app->getWindow().setSize({1000, 700});
    frame();
    EXPECT_EQ(menu().getWindowSize(), sf::Vector2u(800, 600));
    expectLeftTop(menu().getSettingsButton(), 300, 300);
}

namespace
{
/// Input on which a real click, the pointer moved and then the button
/// pressed, lands at the moment the game first asks for the button.
class ClickBetweenReadings : public InputSource
{
public:
    void pointAt(sf::Vector2i at) { pointer = at; }
    void clickWhenAsked(sf::Vector2i at) { target = at; }

    bool nextEvent(sf::Window&, sf::Event&) override { return false; }
    bool keyDown(sf::Keyboard::Key) const override { return false; }
    bool joystickConnected(unsigned) const override { return false; }
    bool joystickButtonDown(unsigned, unsigned) const override { return false; }
    float joystickAxis(unsigned, sf::Joystick::Axis) const override { return 0.f; }
    bool windowHasFocus(const sf::Window&) const override { return true; }
    bool mouseButtonDown(sf::Mouse::Button button) const override
    {
        if (target)
        {
            pointer = *target;
            target.reset();
            down = true;
        }
        return button == sf::Mouse::Left && down;
    }
    sf::Vector2i mousePosition(const sf::Window& /*window*/) const override { return pointer; }

private:
    mutable std::optional<sf::Vector2i> target;
    mutable sf::Vector2i pointer;
    mutable bool down = false;
};

sf::Vector2i middleOf(const MenuButton& button)
{
    const sf::FloatRect area = button.getBounds();
    return {static_cast<int>(area.left + area.width / 2),
            static_cast<int>(area.top + area.height / 2)};
}

class MenuClickTest : public RunningGame
{
};
} // namespace

TEST_F(MenuClickTest, AClickLandingBetweenTheMenusReadingsPicksTheItemClicked)
{
    auto clicks = std::make_unique<ClickBetweenReadings>();
    ClickBetweenReadings& mouse = *clicks;
    app = std::make_unique<Application>(registerGameScreens, std::move(clicks));
    const auto& menu = top<MenuState>();
    // Left over "Играть" by the click that started play the last time.
    mouse.pointAt(middleOf(menu.getPlayButton()));
    frame();
    mouse.clickWhenAsked(middleOf(menu.getSettingsButton()));
    frame();
    EXPECT_TRUE(onTop<SettingsState>());
}
