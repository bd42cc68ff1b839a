#include "app/ApplicationKeys.hpp"
#include "kit/ScriptedInput.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{
/// The events a screen would get now.
std::vector<sf::Event::EventType> drain(ScriptedInput& scripted)
{
    sf::Window window; // never opened: scripted input does not read it
    std::vector<sf::Event::EventType> types;
    InputEvent event;
    while (scripted.input.pollEvent(window, event))
        types.push_back(event.type);
    return types;
}

sf::Event keyPress(sf::Keyboard::Key key, bool alt = false)
{
    sf::Event event{};
    event.type = sf::Event::KeyPressed;
    event.key.code = key;
    event.key.alt = alt;
    return event;
}

using Types = std::vector<sf::Event::EventType>;
} // namespace

TEST(Input, RealTimeStateCountsOnlyWhileTheWindowHasTheFocus)
{
    ScriptedInput input;
    input.script.setKey(sf::Keyboard::D, true);
    input.script.setButton(sf::Mouse::Left, true);
    input.script.connectJoystick(0, true);
    input.script.setJoystickButton(0, 0, true);
    input.script.setJoystickAxis(0, sf::Joystick::X, 80);
    drain(input);
    const auto expectHeld = [&input](bool held)
    {
        EXPECT_EQ(input.input.getPresses().isDown(sf::Keyboard::D), held);
        EXPECT_EQ(input.input.getPresses().isDown(sf::Mouse::Left), held);
        EXPECT_EQ(input.input.getGamepad().isButtonDown(0, 0), held);
        EXPECT_FLOAT_EQ(input.input.getGamepad().axisPosition(0, sf::Joystick::X),
                        held ? 80.f : 0.f);
    };
    expectHeld(true);

    // Another window takes the focus: nothing counts, and the pads' events,
    // which SFML sends to every window, are dropped.
    input.script.setFocus(false);
    input.script.setJoystickButton(0, 1, true);
    input.script.setJoystickAxis(0, sf::Joystick::Y, 50);
    input.script.queueKeyPress(sf::Keyboard::A);
    EXPECT_EQ(drain(input), (Types{sf::Event::LostFocus, sf::Event::KeyPressed}));
    EXPECT_FALSE(input.input.hasFocus());
    expectHeld(false);
    EXPECT_TRUE(input.input.getGamepad().isConnected(0));
    EXPECT_EQ(input.input.getMousePosition(sf::Window()), sf::Vector2i(0, 0));

    input.script.setFocus(true);
    input.script.setJoystickButton(0, 1, false);
    EXPECT_EQ(drain(input), (Types{sf::Event::GainedFocus, sf::Event::JoystickButtonReleased}));
    expectHeld(true);
}

TEST(Input, AWindowCreatedWithoutTheFocusReadsNothingUntilItGetsIt)
{
    ScriptedInput input;
    input.script.setKey(sf::Keyboard::Space, true);
    input.script.setFocus(false);
    input.input.watchWindow(sf::Window());
    EXPECT_FALSE(input.input.getPresses().isDown(sf::Keyboard::Space));
    input.script.setFocus(true);
    drain(input);
    EXPECT_TRUE(input.input.getPresses().isDown(sf::Keyboard::Space));
}

TEST(ApplicationKeys, F11AndAltEnterAreKeptForTheApplicationOncePerPress)
{
    ScriptedInput input;
    ApplicationKeys keys(input.input);
    input.script.queueKeyPress(sf::Keyboard::F11);
    input.script.queueKeyPress(sf::Keyboard::A);
    input.script.queueEvent(keyPress(sf::Keyboard::Enter));
    EXPECT_EQ(drain(input), (Types{sf::Event::KeyPressed, sf::Event::KeyPressed}));
    EXPECT_TRUE(keys.takeFullscreenToggle());
    EXPECT_FALSE(keys.takeFullscreenToggle());

    // Held, a key repeats its press: the first one switches, the others do
    // nothing, frame after frame, until it is released.
    input.script.setKey(sf::Keyboard::Enter, true);
    input.script.queueEvent(keyPress(sf::Keyboard::Enter, true));
    input.script.queueEvent(keyPress(sf::Keyboard::Enter, true));
    EXPECT_TRUE(drain(input).empty());
    EXPECT_TRUE(keys.takeFullscreenToggle());
    // With Alt up, its repeats still choose nothing on a screen.
    input.script.queueEvent(keyPress(sf::Keyboard::Enter));
    EXPECT_TRUE(drain(input).empty());
    EXPECT_FALSE(keys.takeFullscreenToggle());

    // Released (its event may have gone to a window since closed) and pressed again.
    input.script.setKey(sf::Keyboard::Enter, false);
    EXPECT_FALSE(keys.takeFullscreenToggle());
    input.script.queueEvent(keyPress(sf::Keyboard::Enter, true));
    drain(input);
    EXPECT_TRUE(keys.takeFullscreenToggle());

    // Pressed, released and pressed again within one frame: two switches, none left.
    sf::Event release = keyPress(sf::Keyboard::F11);
    release.type = sf::Event::KeyReleased;
    input.script.queueKeyPress(sf::Keyboard::F11);
    input.script.queueEvent(release);
    input.script.queueKeyPress(sf::Keyboard::F11);
    EXPECT_EQ(drain(input), (Types{sf::Event::KeyReleased}));
    EXPECT_FALSE(keys.takeFullscreenToggle());
}
