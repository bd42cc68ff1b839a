#pragma once

#include "controls/InputSource.hpp"

/// The player's real keyboard, mouse, gamepads and window events, as SFML
/// reports them.
class RealInput : public InputSource
{
public:
    bool nextEvent(sf::Window& window, sf::Event& event) override;
    bool keyDown(sf::Keyboard::Key key) const override;
    bool mouseButtonDown(sf::Mouse::Button button) const override;
    sf::Vector2i mousePosition(const sf::Window& window) const override;
    bool joystickConnected(unsigned joystick) const override;
    bool joystickButtonDown(unsigned joystick, unsigned button) const override;
    float joystickAxis(unsigned joystick, sf::Joystick::Axis axis) const override;
    bool windowHasFocus(const sf::Window& window) const override;
};
