#include "settings_screen/SettingsPanel.hpp"

#include "support/TextOf.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{
const sf::Font& uiFont()
{
    static const sf::Font font = []
    {
        sf::Font loaded;
        if (!loaded.loadFromFile(WOODRUN_GAME_DIR "/engo.ttf"))
            throw std::runtime_error("the game's font is missing");
        return loaded;
    }();
    return font;
}

sf::Vector2f centre(const sf::FloatRect& rect)
{
    return {rect.left + rect.width / 2, rect.top + rect.height / 2};
}

sf::Event leftPress()
{
    sf::Event event{};
    event.type = sf::Event::MouseButtonPressed;
    event.mouseButton.button = sf::Mouse::Left;
    return event;
}

/// A panel in an 800x600 window over the default settings, clicked by the test.
class PanelTest : public testing::Test
{
protected:
    /// A quick click at `point`: the button is already up when the press is handled.
    bool clickAt(const sf::Vector2f& point) { return panel.handleEvent(leftPress(), point, false); }
    bool clickOn(const sf::FloatRect& rect) { return clickAt(centre(rect)); }

    void openList()
    {
        clickOn(panel.getDropdownBox().getGlobalBounds());
        ASSERT_TRUE(panel.isDropdownOpen());
    }

    const ResolutionOption& option(std::size_t i) const { return panel.getOptions().at(i); }
    std::string boxText() const { return textOf(panel.getDropdownText()); }

    SettingsPanel panel{uiFont(), {800, 600}, Settings{}};
};

void expectAt(const sf::Transformable& widget, float x, float y)
{
    EXPECT_FLOAT_EQ(widget.getPosition().x, x);
    EXPECT_FLOAT_EQ(widget.getPosition().y, y);
}

/// Every widget's place for a window `width` wide and `height` high.
void expectLaidOut(const SettingsPanel& panel, unsigned width, unsigned height)
{
    const float cx = static_cast<float>(width / 2);
    expectAt(panel.getTitle(), cx - panel.getTitle().getGlobalBounds().width / 2, 50);
    expectAt(panel.getResolutionLabel(), cx - 220, 155);
    expectAt(panel.getDropdownBox(), cx - 100, 150);
    expectAt(panel.getDropdownText(), cx - 90, 155);
    expectAt(panel.getDropdownList(), cx - 110, 180);
    expectAt(panel.getFullscreenButton().getText(), cx - 150, 220);
    expectAt(panel.getApplyBox(), cx - 100, 300);
    expectAt(panel.getApplyText(), cx - panel.getApplyText().getGlobalBounds().width / 2, 310);
    expectAt(panel.getBackButton().getText(), 50, static_cast<float>(height) - 100);
    for (std::size_t i = 0; i < panel.getOptions().size(); ++i)
    {
        const sf::Text& text = panel.getOptions()[i].text;
        expectAt(text, cx - text.getGlobalBounds().width / 2, 180 + 30.f * static_cast<float>(i));
    }
    // The cached hit areas follow the texts.
    EXPECT_EQ(panel.getBackButton().getBounds(), panel.getBackButton().getText().getGlobalBounds());
    EXPECT_EQ(panel.getFullscreenButton().getBounds(),
              panel.getFullscreenButton().getText().getGlobalBounds());
}
} // namespace

TEST_F(PanelTest, LaysOutEveryWidgetFromTheWindowSize)
{
    expectLaidOut(panel, 800, 600);
    const SettingsPanel wide(uiFont(), {1280, 720}, Settings{1280, 720, false});
    expectLaidOut(wide, 1280, 720);
}

TEST_F(PanelTest, StartsFromTheAppliedSettingsNotTheWindowSize)
{
    // The first 800x600 window matches no preset.
    EXPECT_EQ(boxText(), "800x600");
    for (const ResolutionOption& entry : panel.getOptions())
    {
        EXPECT_FALSE(entry.selected);
        EXPECT_EQ(entry.text.getFillColor(), sf::Color::White);
    }

    // In full screen the window has the desktop's size; the choice is still the stored one.
    const SettingsPanel full(uiFont(), {1920, 1080}, Settings{1366, 768, true});
    EXPECT_EQ(full.getSelectedResolution(), sf::Vector2u(1366, 768));
    EXPECT_TRUE(full.isFullscreen());
    EXPECT_EQ(textOf(full.getDropdownText()), "1366x768");
    EXPECT_EQ(textOf(full.getFullscreenButton().getText()), "Полноэкранный: ВКЛ");
    EXPECT_TRUE(full.getOptions()[1].selected);
    EXPECT_EQ(full.getOptions()[1].text.getFillColor(), sf::Color::Green);
    EXPECT_FALSE(full.getOptions()[3].selected);
}

TEST_F(PanelTest, PickingAnEntryChoosesItAndClosesTheList)
{
    // Clicks on hidden entries do nothing.
    EXPECT_FALSE(clickOn(option(2).text.getGlobalBounds()));
    EXPECT_EQ(panel.getSelectedResolution(), sf::Vector2u(800, 600));

    openList();
    EXPECT_FALSE(clickOn(option(2).text.getGlobalBounds()));
    EXPECT_EQ(panel.getSelectedResolution(), sf::Vector2u(1600, 900));
    EXPECT_EQ(boxText(), "1600x900");
    EXPECT_FALSE(panel.isDropdownOpen());
    EXPECT_TRUE(option(2).selected);
    EXPECT_EQ(option(2).text.getFillColor(), sf::Color::Green);

    // A new pick moves the highlight; a click beside the entries keeps the list open.
    openList();
    clickOn(option(0).text.getGlobalBounds());
    EXPECT_TRUE(option(0).selected);
    EXPECT_FALSE(option(2).selected);
    EXPECT_EQ(option(2).text.getFillColor(), sf::Color::White);
    openList();
    clickAt({5, 5});
    EXPECT_TRUE(panel.isDropdownOpen());
    clickOn(panel.getDropdownBox().getGlobalBounds());
    EXPECT_FALSE(panel.isDropdownOpen());
    EXPECT_EQ(panel.getSelectedResolution(), sf::Vector2u(1280, 720));
}

TEST_F(PanelTest, AQuickClickTogglesFullScreenAndClosesTheScreen)
{
    // The press event alone counts: the button is already up when it is handled.
    EXPECT_FALSE(clickOn(panel.getFullscreenButton().getBounds()));
    EXPECT_TRUE(panel.isFullscreen());
    EXPECT_EQ(textOf(panel.getFullscreenButton().getText()), "Полноэкранный: ВКЛ");
    expectAt(panel.getFullscreenButton().getText(), 250, 220);
    EXPECT_FALSE(clickOn(panel.getFullscreenButton().getBounds()));
    EXPECT_FALSE(panel.isFullscreen());

    EXPECT_TRUE(clickOn(panel.getBackButton().getBounds()));
    EXPECT_TRUE(clickOn(panel.getApplyBox().getGlobalBounds()));
    EXPECT_FALSE(clickAt({5, 5}));

    sf::Event key{};
    key.type = sf::Event::KeyPressed;
    key.key.code = sf::Keyboard::Escape;
    EXPECT_TRUE(panel.handleEvent(key, {5, 5}, false));
    key.key.code = sf::Keyboard::Enter;
    EXPECT_FALSE(panel.handleEvent(key, {5, 5}, false));

    // A release does not click.
    sf::Event release = leftPress();
    release.type = sf::Event::MouseButtonReleased;
    EXPECT_FALSE(panel.handleEvent(release, centre(panel.getBackButton().getBounds()), false));
}

TEST_F(PanelTest, TheOpenListTakesClicksFromTheSwitchBeneathIt)
{
    const sf::FloatRect toggle = panel.getFullscreenButton().getBounds();
    openList();

    // An entry drawn over the switch is picked; the switch stays as it was.
    sf::FloatRect overlap;
    std::size_t covering = 0;
    while (covering < 4 && !option(covering).text.getGlobalBounds().intersects(toggle, overlap))
        ++covering;
    ASSERT_LT(covering, 4u) << "no entry lies over the full-screen switch";
    clickOn(overlap);
    EXPECT_FALSE(panel.isFullscreen());
    EXPECT_TRUE(option(covering).selected);
    EXPECT_FALSE(panel.isDropdownOpen());

    // The list's own background over the switch does not switch either.
    openList();
    const sf::Vector2f besideEntries(panel.getDropdownList().getPosition().x + 5, centre(toggle).y);
    ASSERT_TRUE(toggle.contains(besideEntries));
    clickAt(besideEntries);
    EXPECT_FALSE(panel.isFullscreen());
    EXPECT_TRUE(panel.isDropdownOpen());

    // The part of the switch outside the list still works.
    clickAt({toggle.left + 2, centre(toggle).y});
    EXPECT_TRUE(panel.isFullscreen());
}

TEST_F(PanelTest, OpeningTheListOverTheFirstEntryDoesNotPickIt)
{
    sf::FloatRect overlap;
    ASSERT_TRUE(panel.getDropdownBox().getGlobalBounds().intersects(
        option(0).text.getGlobalBounds(), overlap));
    clickOn(overlap);
    EXPECT_TRUE(panel.isDropdownOpen());
    EXPECT_EQ(panel.getSelectedResolution(), sf::Vector2u(800, 600));
    EXPECT_FALSE(option(0).selected);
}

TEST_F(PanelTest, LayingOutAgainKeepsTheChoice)
{
    openList();
    clickOn(option(3).text.getGlobalBounds());
    clickOn(panel.getFullscreenButton().getBounds());
    openList();

    panel.layout(1366, 768);
    expectLaidOut(panel, 1366, 768);
    EXPECT_EQ(panel.getSelectedResolution(), sf::Vector2u(1920, 1080));
    EXPECT_TRUE(panel.isFullscreen());
    EXPECT_TRUE(panel.isDropdownOpen());
    EXPECT_TRUE(option(3).selected);
    EXPECT_EQ(option(3).text.getFillColor(), sf::Color::Green);
    EXPECT_EQ(boxText(), "1920x1080");
    EXPECT_EQ(textOf(panel.getFullscreenButton().getText()), "Полноэкранный: ВКЛ");
}
