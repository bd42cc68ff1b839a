#include "controls/Presses.hpp"

#include "kit/ScriptedInput.hpp"

#include <gtest/gtest.h>

namespace
{
using Kind = Presses::Kind;

/// What happens before a frame's events are read: a key or button goes down
/// (its state and its event), auto-repeats, comes up, comes up with its event
/// going to another window, goes down with its event still on the way, or
/// that event arrives; after them, the screen uses what is held (a click on
/// the held button), another screen comes on top, or the window is made anew.
enum class Act
{
    Press,
    Repeat,
    Release,
    LoseRelease,
    HoldUnseen,
    EventArrives,
    Use,
    ChangeScreen,
    RemakeWindow
};

struct Step
{
    const char* what;
    Control control;
    Act act;
    Kind kind; ///< of the press event read in this frame, if any
    bool pressed;
    bool released;
    bool held;
};
} // namespace

TEST(Presses, TellAFreshPressFromOneHeldFromBeforeThroughScreensAndWindows)
{
    const Control enter = sf::Keyboard::Enter;
    const Control left = sf::Mouse::Left;
    const Step steps[] = {
        {"a press", enter, Act::Press, Kind::Fresh, true, false, true},
        {"held: its auto-repeat", enter, Act::Repeat, Kind::Repeat, false, false, true},
        {"let go", enter, Act::Release, Kind::None, false, true, false},
        {"pressed again", enter, Act::Press, Kind::Fresh, true, false, true},
        {"another screen comes on top", enter, Act::ChangeScreen, Kind::None, false, false, false},
        {"the held-over key repeats there", enter, Act::Repeat, Kind::Ignored, false, false, false},
        {"its release is lost", enter, Act::LoseRelease, Kind::None, false, true, false},
        {"a press on the new screen", enter, Act::Press, Kind::Fresh, true, false, true},
        {"the window is made anew", enter, Act::RemakeWindow, Kind::None, false, false, true},
        {"the hold counts on in it", enter, Act::Repeat, Kind::Repeat, false, false, true},
        {"its release goes to the old window", enter, Act::LoseRelease, Kind::None, false, true,
         false},
        // A screen that acts on the held button before the press's own event
        // has come in: that event is no click on the next screen.
        {"the button goes down, its event on the way", left, Act::HoldUnseen, Kind::None, false,
         false, true},
        {"a screen clicks with it", left, Act::Use, Kind::None, false, false, false},
        {"the next screen comes on top", left, Act::ChangeScreen, Kind::None, false, false, false},
        {"the press event comes in", left, Act::EventArrives, Kind::Ignored, false, false, false},
        {"let go", left, Act::Release, Kind::None, false, true, false},
        // A press no one has seen when a screen appears is that screen's once
        // its event comes.
        {"down unseen", left, Act::HoldUnseen, Kind::None, false, false, true},
        {"a screen appears", left, Act::ChangeScreen, Kind::None, false, false, false},
        {"its press event comes in", left, Act::EventArrives, Kind::Fresh, true, false, true},
        // A button sends no repeats: a second press of it, held over and never
        // seen let go (as Wine keeps a button let go over a window since
        // destroyed), is a new press.
        {"another screen comes on top", left, Act::ChangeScreen, Kind::None, false, false, false},
        {"pressed again", left, Act::EventArrives, Kind::Fresh, true, true, true},
        // Unless the window is made anew before the event comes: the key is
        // held through the change, and what comes in the new window is its
        // auto-repeat.
        {"down unseen", enter, Act::HoldUnseen, Kind::None, false, false, true},
        {"a screen appears", enter, Act::ChangeScreen, Kind::None, false, false, false},
        {"the window is made anew", enter, Act::RemakeWindow, Kind::None, false, false, false},
        {"the key repeats in it", enter, Act::EventArrives, Kind::Ignored, false, false, false},
    };

    ScriptedInput input;
    Presses& presses = input.input.getPresses();
    sf::Window window; // never opened: scripted input does not read it
    for (const Step& step : steps)
    {
        const bool mouse = step.control.index() == left.index();
        const Act act = step.act;
        if (act == Act::Press || act == Act::Release || act == Act::LoseRelease ||
            act == Act::HoldUnseen)
        {
            const bool down = act == Act::Press || act == Act::HoldUnseen;
            mouse ? input.script.setButton(sf::Mouse::Left, down)
                  : input.script.setKey(sf::Keyboard::Enter, down);
        }
        if (act == Act::Press || act == Act::Release || act == Act::Repeat ||
            act == Act::EventArrives)
        {
            sf::Event event{};
            const bool press = act != Act::Release;
            if (mouse)
            {
                event.type = press ? sf::Event::MouseButtonPressed : sf::Event::MouseButtonReleased;
                event.mouseButton.button = sf::Mouse::Left;
            }
            else
            {
                event.type = press ? sf::Event::KeyPressed : sf::Event::KeyReleased;
                event.key.code = sf::Keyboard::Enter;
            }
            input.script.queueEvent(event);
        }
        if (act == Act::RemakeWindow)
            input.input.watchWindow(window);

        // One frame: its events are read, and the screen acts.
        Kind kind = Kind::None;
        InputEvent event;
        while (input.input.pollEvent(window, event))
            if (event.type == sf::Event::KeyPressed || event.type == sf::Event::MouseButtonPressed)
                kind = event.press;
        if (act == Act::Use)
            presses.use(step.control);
        if (act == Act::ChangeScreen)
            input.input.newScreen();

        EXPECT_EQ(kind, step.kind) << step.what;
        EXPECT_EQ(presses.pressed(step.control), step.pressed) << step.what;
        EXPECT_EQ(presses.released(step.control), step.released) << step.what;
        EXPECT_EQ(presses.held(step.control), step.held) << step.what;
    }
}
