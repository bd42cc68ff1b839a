#include "controls/Gamepad.hpp"

#include "kit/ScriptedInput.hpp"
#include "platform/PadHat.hpp"

#include <gtest/gtest.h>

namespace
{
sf::Event buttonPress(unsigned joystick, unsigned button)
{
    sf::Event event{};
    event.type = sf::Event::JoystickButtonPressed;
    event.joystickButton.joystickId = joystick;
    event.joystickButton.button = button;
    return event;
}
} // namespace

TEST(Gamepad, TheFirstConnectedPadIsUsedAsPadsComeAndGo)
{
    ScriptedInput input;
    const Gamepad& pad = input.input.getGamepad();
    EXPECT_FALSE(pad.activePad());
    EXPECT_FALSE(pad.isButtonPress(buttonPress(0, Gamepad::buttonA), Gamepad::buttonA));

    input.script.connectJoystick(2, true);
    input.script.connectJoystick(5, true);
    input.script.setJoystickButton(5, Gamepad::buttonA, true);
    EXPECT_EQ(pad.activePad(), 2u);
    EXPECT_FALSE(input.input.getPresses().isDown(Control::padButton(Gamepad::buttonA)));
    EXPECT_TRUE(pad.isButtonPress(buttonPress(2, Gamepad::buttonA), Gamepad::buttonA));
    EXPECT_FALSE(pad.isButtonPress(buttonPress(2, Gamepad::buttonB), Gamepad::buttonA));
    EXPECT_FALSE(pad.isButtonPress(buttonPress(5, Gamepad::buttonA), Gamepad::buttonA));

    // Pad 2 pulled out: pad 5 takes over; an earlier pad plugged in comes first.
    input.script.connectJoystick(2, false);
    EXPECT_EQ(pad.activePad(), 5u);
    EXPECT_TRUE(input.input.getPresses().isDown(Control::padButton(Gamepad::buttonA)));
    input.script.connectJoystick(0, true);
    EXPECT_EQ(pad.activePad(), 0u);
    EXPECT_FALSE(input.input.getPresses().isDown(Control::padButton(Gamepad::buttonA)));
}

TEST(Gamepad, StickAndDpadPointOnlyPastTheDeadZone)
{
    ScriptedInput input;
    const Gamepad& pad = input.input.getGamepad();
    input.script.connectJoystick(0, true);
    const auto held = [&pad]
    {
        std::string ways;
        for (const auto& [direction, name] : {std::pair{PadDirection::Left, 'L'},
                                              {PadDirection::Right, 'R'},
                                              {PadDirection::Up, 'U'},
                                              {PadDirection::Down, 'D'}})
            if (pad.isHeld(direction))
                ways += name;
        return ways;
    };
    EXPECT_EQ(held(), "");

    input.script.setJoystickAxis(0, sf::Joystick::X, 25);
    input.script.setJoystickAxis(0, sf::Joystick::Y, -25);
    EXPECT_EQ(held(), "");
    input.script.setJoystickAxis(0, sf::Joystick::X, 25.5f);
    EXPECT_EQ(held(), "R");
    input.script.setJoystickAxis(0, sf::Joystick::X, -100);
    input.script.setJoystickAxis(0, sf::Joystick::Y, -26);
    EXPECT_EQ(held(), "LU");
    input.script.setJoystickAxis(0, sf::Joystick::Y, 90);
    EXPECT_EQ(held(), "LD");

    // The d-pad alone, on its own axes; other axes (the right stick) do nothing.
    input.script.setJoystickAxis(0, sf::Joystick::X, 0);
    input.script.setJoystickAxis(0, sf::Joystick::Y, 0);
    input.script.setJoystickAxis(0, sf::Joystick::U, 100);
    input.script.setJoystickAxis(0, sf::Joystick::R, 100);
    EXPECT_EQ(held(), "");
    input.script.setJoystickAxis(0, sf::Joystick::PovX, 100);
    input.script.setJoystickAxis(0, sf::Joystick::PovY, -100);
    EXPECT_EQ(held(), "RU");
    input.script.setJoystickAxis(0, sf::Joystick::PovX, -100);
    input.script.setJoystickAxis(0, sf::Joystick::PovY, 100);
    EXPECT_EQ(held(), "LD");
}

TEST(Gamepad, TheDpadsUpIsUpWhicheverWaySfmlCountsIt)
{
    // PovY with the d-pad held up and held down: Linux's sign, then Windows'.
    struct Case
    {
        PadHatY sign;
        float up, down;
    };
    for (const Case c :
         {Case{PadHatY::UpNegative, -100.f, 100.f}, Case{PadHatY::UpPositive, 100.f, -100.f}})
    {
        EXPECT_LT(padHatYUpNegative(c.up, c.sign), -Gamepad::deadZone);
        EXPECT_GT(padHatYUpNegative(c.down, c.sign), Gamepad::deadZone);
    }
}
