#include "menu/MenuState.hpp"
#include "settings_screen/SettingsState.hpp"
#include "support/RunningGame.hpp"
#include "world/GameState.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{
/// A running game whose sound is recorded while the test walks its screens.
class ScreenSoundsTest : public RunningGame
{
protected:
    ScreenSoundsTest() { startGame(); }

    /// A left press on `area`, run for a frame, then the button let go.
    void click(const sf::FloatRect& area)
    {
        press(area);
        frame();
        input->setButton(sf::Mouse::Left, false);
        frame();
    }

    /// Taps `area` (press and release within the frame) and runs the frame.
    void tapAndRun(const sf::FloatRect& area)
    {
        tap(area);
        frame();
    }

    void keyPress(sf::Keyboard::Key key)
    {
        input->queueKeyPress(key);
        frame();
    }

    /// The settings screen follows the pointer by its events.
    void queueMouseMove()
    {
        sf::Event event{};
        event.type = sf::Event::MouseMoved;
        event.mouseMove.x = input->mousePosition(app->getWindow()).x;
        event.mouseMove.y = input->mousePosition(app->getWindow()).y;
        input->queueEvent(event);
    }

    const SettingsPanel& panel() { return top<SettingsState>().getPanel(); }
};
} // namespace

TEST_F(ScreenSoundsTest, MenuTicksOncePerEntryAndClicksWhenAnItemIsChosen)
{
    ASSERT_EQ(audio->music, std::vector<MusicTheme>{MusicTheme::Menu});
    EXPECT_TRUE(audio->isLoaded(SoundEffect::Hover) && audio->isLoaded(SoundEffect::Click));

    const MenuState& menu = top<MenuState>();
    frame();
    pointAt(menu.getExitButton().getBounds(), false);
    for (int i = 0; i < 10; ++i)
        frame();
    EXPECT_EQ(audio->count(SoundEffect::Hover), 1u) << "once on entry, not every frame";
    // Straight from one item onto another, then off and back on.
    pointAt(menu.getSettingsButton().getBounds(), false);
    frame();
    pointAt({0, 0, 1, 1}, false);
    frame();
    pointAt(menu.getSettingsButton().getBounds(), false);
    frame();
    EXPECT_EQ(audio->count(SoundEffect::Hover), 3u);
    // The keys move the same focus: one tick a step.
    keyPress(sf::Keyboard::Down);
    EXPECT_EQ(top<MenuState>().getFocus(), MenuState::ExitItem);
    EXPECT_EQ(audio->count(SoundEffect::Hover), 4u);
    EXPECT_EQ(audio->count(SoundEffect::Click), 0u);

    // Play: a click, the forest's effects loaded as the screen is built, and
    // its theme.
    click(top<MenuState>().getPlayButton().getBounds());
    ASSERT_TRUE(onTop<GameState>());
    EXPECT_EQ(audio->count(SoundEffect::Click), 1u);
    for (const SoundEffect effect :
         {SoundEffect::HeroStep, SoundEffect::HeroJump, SoundEffect::HeroLanding,
          SoundEffect::SkeletonStep, SoundEffect::AxeSwing})
        EXPECT_TRUE(audio->isLoaded(effect));
    EXPECT_EQ(audio->music.back(), MusicTheme::Forest);
    // Nothing is loaded while the screen runs.
    const int loads = audio->loads;
    input->setKey(sf::Keyboard::D, true);
    for (int i = 0; i < 60; ++i)
        frame();
    EXPECT_EQ(audio->loads, loads);
    EXPECT_GT(audio->count(SoundEffect::HeroStep), 0u);
    // The listener follows the view's centre, which eases after the knight.
    EXPECT_EQ(audio->played.back().listener, top<GameState>().getWorld().getCamera().getCenter());
    input->setKey(sf::Keyboard::D, false);

    // Escape: back to the menu's theme. The new menu appears with "Играть"
    // under the pointer, which has not moved since it was clicked: it neither
    // lights up nor ticks.
    const std::size_t hovers = audio->count(SoundEffect::Hover);
    keyPress(sf::Keyboard::Escape);
    ASSERT_TRUE(onTop<MenuState>());
    EXPECT_EQ(audio->music.back(), MusicTheme::Menu);
    ASSERT_EQ(top<MenuState>().getPlayButton().getState(), ButtonState::Normal);
    frame();
    EXPECT_EQ(audio->count(SoundEffect::Hover), hovers);
    pointAt({0, 0, 1, 1}, false);
    frame();
    pointAt(top<MenuState>().getPlayButton().getBounds(), false);
    frame();
    EXPECT_EQ(audio->count(SoundEffect::Hover), hovers + 1);
}

TEST_F(ScreenSoundsTest, EverySettingsControlClicksAndTheMusicGoesOnThroughNewWindows)
{
    click(top<MenuState>().getSettingsButton().getBounds());
    ASSERT_TRUE(onTop<SettingsState>());
    const std::size_t opened = audio->count(SoundEffect::Click);
    ASSERT_EQ(opened, 1u);

    tapAndRun(panel().getDropdownBox().getGlobalBounds());        // the list opens
    tapAndRun({5, 5, 1, 1});                                      // empty space: nothing
    tapAndRun(panel().getOptions().at(0).text.getGlobalBounds()); // 1280x720
    ASSERT_EQ(app->getWindow().getSize(), sf::Vector2u(1280, 720));
    tapAndRun(panel().getFullscreenButton().getBounds()); // full screen on
    tapAndRun(panel().getFullscreenButton().getBounds()); // and off
    EXPECT_EQ(audio->count(SoundEffect::Click), opened + 4);
    // The window was made anew three times; the music was never asked again.
    EXPECT_EQ(audio->music, std::vector<MusicTheme>{MusicTheme::Menu});

    // Each way out clicks too.
    tapAndRun(panel().getBackButton().getBounds());
    ASSERT_TRUE(onTop<MenuState>());
    EXPECT_EQ(audio->count(SoundEffect::Click), opened + 5);
    frame();
    click(top<MenuState>().getSettingsButton().getBounds());
    keyPress(sf::Keyboard::Escape);
    ASSERT_TRUE(onTop<MenuState>());
    EXPECT_EQ(audio->count(SoundEffect::Click), opened + 7);
    EXPECT_EQ(audio->music, std::vector<MusicTheme>{MusicTheme::Menu});

    // The pointer coming onto a control ticks, once; so does the focus moved
    // by the keys.
    click(top<MenuState>().getSettingsButton().getBounds());
    const std::size_t hovers = audio->count(SoundEffect::Hover);
    pointAt({5, 5, 1, 1}, false); // where the screen first sees the pointer
    queueMouseMove();
    frame();
    pointAt(panel().getApplyBox().getGlobalBounds(), false);
    queueMouseMove();
    frame();
    queueMouseMove();
    frame();
    EXPECT_EQ(audio->count(SoundEffect::Hover), hovers + 1);
    keyPress(sf::Keyboard::Down);
    EXPECT_EQ(audio->count(SoundEffect::Hover), hovers + 2);
    EXPECT_EQ(audio->count(SoundEffect::Click), opened + 8);
}

TEST_F(ScreenSoundsTest, MMutesAndUnmutesOnEveryScreenForTheRunOnly)
{
    // Held down, the key repeats; it counts once until it comes up.
    input->setKey(sf::Keyboard::M, true);
    for (int repeat = 0; repeat < 3; ++repeat)
    {
        keyPress(sf::Keyboard::M);
        EXPECT_TRUE(audio->isMuted()) << "after " << repeat << " repeats";
    }
    input->setKey(sf::Keyboard::M, false);
    sf::Event release{};
    release.type = sf::Event::KeyReleased;
    release.key.code = sf::Keyboard::M;
    input->queueEvent(release);
    keyPress(sf::Keyboard::M);
    EXPECT_FALSE(audio->isMuted());
    input->queueEvent(release);

    click(top<MenuState>().getSettingsButton().getBounds());
    keyPress(sf::Keyboard::M);
    EXPECT_TRUE(audio->isMuted());
    EXPECT_TRUE(onTop<SettingsState>()) << "M does nothing else";
    input->queueEvent(release);
    keyPress(sf::Keyboard::Escape);

    click(top<MenuState>().getPlayButton().getBounds());
    ASSERT_TRUE(onTop<GameState>());
    keyPress(sf::Keyboard::M);
    EXPECT_FALSE(audio->isMuted());
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "settings.cfg"));
}
