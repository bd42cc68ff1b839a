#pragma once

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>
#include <SFML/Window/Window.hpp>

/// Where the player's input comes from: the window's events and the state of
/// the keyboard, the mouse and the gamepads, raw, whatever has the focus. The
/// game reads SFML's (RealInput); tests script their own.
class InputSource
{
public:
    InputSource() = default;
    virtual ~InputSource() = default;

    InputSource(const InputSource&) = delete;
    InputSource& operator=(const InputSource&) = delete;

    /// Takes the window's next pending event; false when none is left.
    virtual bool nextEvent(sf::Window& window, sf::Event& event) = 0;
    virtual bool keyDown(sf::Keyboard::Key key) const = 0;
    virtual bool mouseButtonDown(sf::Mouse::Button button) const = 0;
    /// In pixels, relative to the window's top-left corner.
    virtual sf::Vector2i mousePosition(const sf::Window& window) const = 0;
    virtual bool joystickConnected(unsigned joystick) const = 0;
    virtual bool joystickButtonDown(unsigned joystick, unsigned button) const = 0;
    /// From -100 to 100.
    virtual float joystickAxis(unsigned joystick, sf::Joystick::Axis axis) const = 0;
    virtual bool windowHasFocus(const sf::Window& window) const = 0;
};
