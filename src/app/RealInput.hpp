#pragma once

#include "app/Input.hpp"

/// The player's real keyboard, mouse and window events, as SFML reports them.
class RealInput : public Input
{
public:
    bool pollEvent(sf::Window& window, sf::Event& event) override;
    bool isKeyPressed(sf::Keyboard::Key key) const override;
    bool isButtonPressed(sf::Mouse::Button button) const override;
    sf::Vector2i getMousePosition(const sf::Window& window) const override;
};
