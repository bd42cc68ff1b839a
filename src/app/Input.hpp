#pragma once

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>
#include <SFML/Window/Window.hpp>

/// Everything the game reads from the player: the window's events and the
/// real-time state of the keyboard and the mouse. The game reads SFML's real
/// state through RealInput; tests script it through ScriptedInput.
class Input
{
public:
    virtual ~Input() = default;

    /// Takes the next pending event of the window; false when none is left.
    virtual bool pollEvent(sf::Window& window, sf::Event& event) = 0;

    virtual bool isKeyPressed(sf::Keyboard::Key key) const = 0;
    virtual bool isButtonPressed(sf::Mouse::Button button) const = 0;

    /// The mouse position in pixels, relative to the window's top-left corner.
    virtual sf::Vector2i getMousePosition(const sf::Window& window) const = 0;
};
