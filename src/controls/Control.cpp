#include "controls/Control.hpp"

#include <cassert>

namespace
{
constexpr std::size_t mouseBase = Control::keys;
constexpr std::size_t padButtonBase = mouseBase + Control::mouseButtons;
} // namespace

Control::Control(sf::Keyboard::Key key) : slot(static_cast<std::size_t>(key))
{
    assert(key >= 0 && key < sf::Keyboard::KeyCount);
}

Control::Control(sf::Mouse::Button button) : slot(mouseBase + static_cast<std::size_t>(button))
{
    assert(button >= 0 && button < sf::Mouse::ButtonCount);
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
