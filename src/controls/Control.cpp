#include "controls/Control.hpp"

#include "controls/Gamepad.hpp"
#include "controls/Input.hpp"

#include <cassert>

namespace
{
constexpr std::size_t mouseBase = Control::keys;
constexpr std::size_t padButtonBase = mouseBase + Control::mouseButtons;
constexpr std::size_t directionBase = padButtonBase + Control::padButtons;
} // namespace

Control::Control(sf::Keyboard::Key key) : slot(static_cast<std::size_t>(key))
{
    assert(key >= 0 && key < sf::Keyboard::KeyCount);
}

Control::Control(sf::Mouse::Button button) : slot(mouseBase + static_cast<std::size_t>(button))
{
    assert(button >= 0 && button < sf::Mouse::ButtonCount);
}

Control::Control(PadDirection direction) : slot(directionBase + static_cast<std::size_t>(direction))
{
    assert(direction != PadDirection::Count);
}

Control Control::padButton(unsigned button)
{
    assert(button < padButtons);
    return Control(padButtonBase + button);
}

Control Control::fromIndex(std::size_t index)
{
    assert(index < count);
    return Control(index);
}

std::optional<Control> Control::of(const sf::Event& event, std::optional<unsigned> pad)
{
    switch (event.type)
    {
    case sf::Event::KeyPressed:
    case sf::Event::KeyReleased:
        if (event.key.code >= 0 && event.key.code < sf::Keyboard::KeyCount)
            return Control(event.key.code);
        return std::nullopt;
    case sf::Event::MouseButtonPressed:
    case sf::Event::MouseButtonReleased:
        if (event.mouseButton.button >= 0 && event.mouseButton.button < sf::Mouse::ButtonCount)
            return Control(event.mouseButton.button);
        return std::nullopt;
    case sf::Event::JoystickButtonPressed:
    case sf::Event::JoystickButtonReleased:
        if (event.joystickButton.joystickId == pad && event.joystickButton.button < padButtons)
            return padButton(event.joystickButton.button);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

bool Control::isDown(const Input& input) const
{
    if (slot < mouseBase)
        return input.isKeyPressed(static_cast<sf::Keyboard::Key>(slot));
    if (slot < padButtonBase)
        return input.isButtonPressed(static_cast<sf::Mouse::Button>(slot - mouseBase));
    const Gamepad pad(input);
    if (slot < directionBase)
        return pad.isButtonHeld(static_cast<unsigned>(slot - padButtonBase));
    return pad.isHeld(static_cast<PadDirection>(slot - directionBase));
}
