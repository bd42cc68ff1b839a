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
        return focused && source.keyDown(control.key());
    if (control.isMouseButton())
        return focused && source.mouseButtonDown(control.mouseButton());
    const std::optional<unsigned> pad = gamepad.activePad();
    return pad && gamepad.isButtonDown(*pad, control.padButtonNumber());
}
