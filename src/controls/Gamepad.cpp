#include "controls/Gamepad.hpp"

#include "platform/PadHat.hpp"

std::optional<unsigned> Gamepad::activePad() const
{
    for (unsigned joystick = 0; joystick < sf::Joystick::Count; ++joystick)
        if (isConnected(joystick))
            return joystick;
    return std::nullopt;
}

bool Gamepad::isButtonDown(unsigned joystick, unsigned button) const
{
    return focused && source.joystickButtonDown(joystick, button);
}

float Gamepad::axisPosition(unsigned joystick, sf::Joystick::Axis axis) const
{
    return focused ? source.joystickAxis(joystick, axis) : 0.f;
}

bool Gamepad::isHeld(PadDirection direction) const
{
    const std::optional<unsigned> pad = activePad();
    if (!pad)
        return false;
    // Left and up are negative on the stick, and on the d-pad once PovY is
    // read with the system's sign.
    const bool negative = direction == PadDirection::Left || direction == PadDirection::Up;
    const bool horizontal = direction == PadDirection::Left || direction == PadDirection::Right;
    const float sign = negative ? -1.f : 1.f;
    const float stick = axisPosition(*pad, horizontal ? sf::Joystick::X : sf::Joystick::Y);
    const float dpad = horizontal ? axisPosition(*pad, sf::Joystick::PovX)
                                  : padHatYUpNegative(axisPosition(*pad, sf::Joystick::PovY));
    for (const float position : {stick, dpad})
        if (sign * position > deadZone)
            return true;
    return false;
}

bool Gamepad::isButtonPress(const sf::Event& event, unsigned button) const
{
    return event.type == sf::Event::JoystickButtonPressed &&
           event.joystickButton.button == button && event.joystickButton.joystickId == activePad();
}

void Gamepad::readDirections()
{
    for (std::size_t i = 0; i < pushes.size(); ++i)
    {
        Push& push = pushes[i];
        const bool heldNow = isHeld(static_cast<PadDirection>(i));
        push.pushed = heldNow && !push.held;
        push.heldOver = heldNow && push.heldOver;
        push.held = heldNow;
    }
}

void Gamepad::holdDirectionsOver()
{
    for (std::size_t i = 0; i < pushes.size(); ++i)
    {
        Push& push = pushes[i];
        push.held = isHeld(static_cast<PadDirection>(i));
        push.heldOver = push.held;
        push.pushed = false;
    }
}

bool Gamepad::counts(PadDirection direction) const
{
    return !record(direction).heldOver && isHeld(direction);
}
