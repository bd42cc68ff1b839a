#include "controls/ControlState.hpp"

void ControlState::noteEvent(const sf::Event& event)
{
    if (event.type == sf::Event::LostFocus)
        focused = false;
    else if (event.type == sf::Event::GainedFocus)
        focused = true;
}

bool ControlState::isDown(Control control) const
{
    if (control.isKey())
        return isKeyPressed(control.key());
    if (control.isMouseButton())
        return isButtonPressed(control.mouseButton());
    return gamepad.isButtonHeld(control.padButtonNumber());
}
