#include "controls/Gamepad.hpp"

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
    // SFML on Linux hands on the d-pad's axes as the driver reports them: left
    // and up are negative, as on the stick.
    const bool negative = direction == PadDirection::Left || direction == PadDirection::Up;
    const bool horizontal = direction == PadDirection::Left || direction == PadDirection::Right;
    const float sign = negative ? -1.f : 1.f;
    for (const sf::Joystick::Axis axis : {horizontal ? sf::Joystick::X : sf::Joystick::Y,
                                          horizontal ? sf::Joystick::PovX : sf::Joystick::PovY})
        if (sign * input.getJoystickAxisPosition(*pad, axis) > deadZone)
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
