#include "controls/RealInput.hpp"

bool RealInput::nextEvent(sf::Window& window, sf::Event& event)
{
    return window.pollEvent(event);
}

bool RealInput::keyDown(sf::Keyboard::Key key) const
{
    return sf::Keyboard::isKeyPressed(key);
}

bool RealInput::mouseButtonDown(sf::Mouse::Button button) const
{
    return sf::Mouse::isButtonPressed(button);
}

sf::Vector2i RealInput::mousePosition(const sf::Window& window) const
{
    return sf::Mouse::getPosition(window);
}

bool RealInput::joystickConnected(unsigned joystick) const
{
    return sf::Joystick::isConnected(joystick);
}

bool RealInput::joystickButtonDown(unsigned joystick, unsigned button) const
{
    return sf::Joystick::isButtonPressed(joystick, button);
}

float RealInput::joystickAxis(unsigned joystick, sf::Joystick::Axis axis) const
{
    return sf::Joystick::getAxisPosition(joystick, axis);
}

bool RealInput::windowHasFocus(const sf::Window& window) const
{
    // Right after creation SFML has already asked for the focus; with no
    // window manager it gets it at once (checked under Xvfb).
    return window.hasFocus();
}
