#include "app/RealInput.hpp"

bool RealInput::pollEvent(sf::Window& window, sf::Event& event)
{
    return window.pollEvent(event);
}

bool RealInput::isKeyPressed(sf::Keyboard::Key key) const
{
    return sf::Keyboard::isKeyPressed(key);
}

bool RealInput::isButtonPressed(sf::Mouse::Button button) const
{
    return sf::Mouse::isButtonPressed(button);
}

sf::Vector2i RealInput::getMousePosition(const sf::Window& window) const
{
    return sf::Mouse::getPosition(window);
}
