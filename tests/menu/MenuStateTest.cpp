#include "menu/MenuState.hpp"

#include "app/Application.hpp"
#include "app/ScriptedInput.hpp"
#include "support/ScratchDirectory.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace
{
/// A running game whose mouse the test moves.
class MenuTest : public testing::Test
{
protected:
    MenuTest()
    {
        auto scripted = std::make_unique<ScriptedInput>();
        input = scripted.get();
        app = std::make_unique<Application>(std::move(scripted));
    }

    MenuState& menu() { return dynamic_cast<MenuState&>(app->getStates().top()); }

    void pointAt(const MenuButton& button, bool pressed)
    {
        const sf::FloatRect b = button.getBounds();
        input->setMousePosition(
            {static_cast<int>(b.left + b.width / 2), static_cast<int>(b.top + b.height / 2)});
        input->setButton(sf::Mouse::Left, pressed);
    }

    ScratchDirectory dir;
    ScriptedInput* input = nullptr;
    std::unique_ptr<Application> app;
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
    app->runFrame(0.016f);
    EXPECT_EQ(menu().getExitButton().getState(), ButtonState::Hovered);
    EXPECT_EQ(menu().getExitButton().getText().getFillColor(), sf::Color::Green);
    EXPECT_EQ(menu().getPlayButton().getState(), ButtonState::Normal);
    EXPECT_EQ(menu().getPlayButton().getText().getFillColor(), sf::Color::White);

    // Pressed over empty space: nothing lights up, nothing happens.
    input->setMousePosition({5, 5});
    input->setButton(sf::Mouse::Left, true);
    app->runFrame(0.016f);
    EXPECT_EQ(menu().getExitButton().getState(), ButtonState::Normal);
    EXPECT_TRUE(app->getWindow().isOpen());
}

TEST_F(MenuTest, ExitClosesTheWindowOnlyWhileTheButtonIsDownOverIt)
{
    pointAt(menu().getExitButton(), false);
    app->runFrame(0.016f);
    EXPECT_TRUE(app->getWindow().isOpen());

    pointAt(menu().getExitButton(), true);
    app->runFrame(0.016f);
    EXPECT_FALSE(app->getWindow().isOpen());
}

TEST_F(MenuTest, ClosingTheWindowEndsTheGame)
{
    sf::Event closed{};
    closed.type = sf::Event::Closed;
    input->queueEvent(closed);
    app->run();
    EXPECT_FALSE(app->getWindow().isOpen());
}
