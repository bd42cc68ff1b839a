#include "settings_screen/SettingsPanel.hpp"

#include "settings_screen/SettingsLayout.hpp"
#include "support/TextOf.hpp"

#include <SFML/Graphics/RenderTexture.hpp>

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
    namespace at = settingsLayout;
    const float cx = static_cast<float>(width / 2);
    const auto centred = [cx](const sf::Text& text, float y)
    { expectAt(text, cx - text.getGlobalBounds().width / 2, y); };
    centred(panel.getTitle(), at::titleTop);
    // The label ends just before the box, on the line of the box's text.
    const sf::FloatRect label = panel.getResolutionLabel().getGlobalBounds();
    EXPECT_FLOAT_EQ(label.left + label.width, cx + at::resolutionBox.left - at::labelGap);
    EXPECT_FLOAT_EQ(panel.getResolutionLabel().getPosition().y, at::boxTextTop);
    expectAt(panel.getDropdownBox(), cx + at::resolutionBox.left, at::resolutionBox.top);
    expectAt(panel.getDropdownText(), cx + at::boxTextLeft, at::boxTextTop);
    expectAt(panel.getDropdownList(), cx + at::list.left, at::list.top);
    expectAt(panel.getFullscreenButton().getText(), cx + at::fullscreenLeft, at::fullscreenTop);
    expectAt(panel.getApplyBox(), cx + at::applyBox.left, at::applyBox.top);
    centred(panel.getApplyText(), at::applyTextTop);
    expectAt(panel.getBackButton().getText(), at::backLeft, height - at::backAboveBottom * 1.f);
    for (std::size_t i = 0; i < panel.getOptions().size(); ++i)
        centred(panel.getOptions()[i].text, at::entryTop + at::entryStep * static_cast<float>(i));
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

TEST_F(PanelTest, TheOpenListIsDrawnOverEverything)
{
    sf::RenderTexture picture;
    ASSERT_TRUE(picture.create(800, 600));
    const auto colourAt = [&](unsigned x, unsigned y)
    {
        picture.clear();
        panel.draw(picture);
        picture.display();
        return picture.getTexture().copyToImage().getPixel(x, y);
    };
    // The list's bottom (to y 330) over "Применить"'s box (from y 300), beside the text.
    EXPECT_EQ(colourAt(305, 320), sf::Color(70, 70, 70));
    openList();
    EXPECT_EQ(colourAt(305, 320), sf::Color(50, 50, 80));
}

TEST_F(PanelTest, OnlyWhatTheOpenListLeavesUncoveredLightsUpUnderTheMouse)
{
    sf::Event moved{};
    moved.type = sf::Event::MouseMoved;
    const auto pointAt = [&](const sf::Vector2f& point, bool leftDown = false)
    { panel.handleEvent(moved, point, leftDown); };
    const sf::FloatRect toggle = panel.getFullscreenButton().getBounds();
    const sf::Vector2f onToggleUnderList(panel.getDropdownList().getPosition().x + 5,
                                         centre(toggle).y);
    const sf::Vector2f onApplyUnderList(panel.getApplyBox().getPosition().x + 5, 320);

    // "Применить" lights up as the other items do, pressed under a held button.
    pointAt(centre(panel.getApplyBox().getGlobalBounds()));
    EXPECT_EQ(panel.getApplyText().getFillColor(), sf::Color::Green);
    pointAt(centre(panel.getApplyBox().getGlobalBounds()), true);
    EXPECT_EQ(panel.getApplyText().getFillColor(), sf::Color::Yellow);
    pointAt(onToggleUnderList);
    EXPECT_EQ(panel.getFullscreenButton().getState(), ButtonState::Hovered);
    EXPECT_EQ(panel.getApplyText().getFillColor(), sf::Color::White);

    openList();
    pointAt(onToggleUnderList);
    EXPECT_EQ(panel.getFullscreenButton().getState(), ButtonState::Normal);
    pointAt(onApplyUnderList);
    EXPECT_EQ(panel.getApplyText().getFillColor(), sf::Color::White);
    pointAt({toggle.left + 2, centre(toggle).y}); // the switch's part outside the list
    EXPECT_EQ(panel.getFullscreenButton().getState(), ButtonState::Hovered);

    // An entry lights up under the mouse, alone, even beside a chosen one.
    clickOn(option(3).text.getGlobalBounds());
    openList();
    pointAt(centre(option(1).text.getGlobalBounds()));
    EXPECT_EQ(option(1).text.getFillColor(), sf::Color::Green);
    EXPECT_EQ(option(3).text.getFillColor(), sf::Color::White);
    EXPECT_EQ(panel.getFullscreenButton().getState(), ButtonState::Normal);
    pointAt({5, 5});
    EXPECT_EQ(option(1).text.getFillColor(), sf::Color::White);
    EXPECT_EQ(option(3).text.getFillColor(), sf::Color::Green);
}

TEST_F(PanelTest, ANewLayoutDropsTheFocusThePointerGaveAndKeepsTheKeys)
{
    sf::Event moved{};
    moved.type = sf::Event::MouseMoved;
    panel.handleEvent(moved, {5, 5}, false);
    panel.handleEvent(moved, centre(panel.getFullscreenButton().getBounds()), false);
    ASSERT_EQ(panel.getFocus(), SettingsPanel::FullscreenItem);
    // Re-laid out for a new window, the switch is white until the mouse moves:
    // other events under the resting pointer light nothing, though the new
    // layout puts "Применить" there.
    panel.layout(1280, 720);
    EXPECT_FALSE(panel.getFocus());
    EXPECT_EQ(panel.getFullscreenButton().getState(), ButtonState::Normal);
    sf::Event entered{};
    entered.type = sf::Event::MouseEntered;
    const sf::Vector2f onApply = centre(panel.getApplyBox().getGlobalBounds());
    panel.handleEvent(entered, onApply, false);
    panel.handleEvent(entered, onApply, false);
    EXPECT_FALSE(panel.getFocus());
    EXPECT_EQ(panel.getApplyText().getFillColor(), sf::Color::White);
    panel.handleEvent(moved, onApply + sf::Vector2f(1, 0), false);
    EXPECT_EQ(panel.getApplyText().getFillColor(), sf::Color::Green);
    panel.handleEvent(moved, {5, 5}, false);

    panel.handleCommand(MenuCommand::Down);
    panel.handleCommand(MenuCommand::Down);
    panel.layout(800, 600);
    EXPECT_EQ(panel.getFocus(), SettingsPanel::FullscreenItem);
    EXPECT_EQ(panel.getFullscreenButton().getState(), ButtonState::Hovered);
}
