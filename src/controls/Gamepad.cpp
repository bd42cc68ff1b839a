#include "controls/Gamepad.hpp"

#include "platform/PadHat.hpp"

std::optional<unsigned> Gamepad::activePad() const
{
    for (unsigned joystick = 0; joystick < sf::Joystick::Count; ++joystick)
        if (input.isJoystickConnected(joystick))
            return joystick;
    return std::nullopt;
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
    const float stick =
        input.getJoystickAxisPosition(*pad, horizontal ? sf::Joystick::X : sf::Joystick::Y);
    const float dpad =
        horizontal ? input.getJoystickAxisPosition(*pad, sf::Joystick::PovX)
                   : padHatYUpNegative(input.getJoystickAxisPosition(*pad, sf::Joystick::PovY));
    for (const float position : {stick, dpad})
        if (sign * position > deadZone)
            return true;
    return false;
}

bool Gamepad::isButtonHeld(unsigned button) const
{
    const std::optional<unsigned> pad = activePad();
    return pad && input.isJoystickButtonPressed(*pad, button);
}

bool Gamepad::isButtonPress(const sf::Event& event, unsigned button) const
{
    return event.type == sf::Event::JoystickButtonPressed &&
           event.joystickButton.button == button && event.joystickButton.joystickId == activePad();
}
