#pragma once

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Vector2.hpp>

class Application;
class StateStack;

/// One screen of the game. Only the screen on top of the stack is called, once
/// per frame: handleInput, then update, then render.
class State
{
public:
    virtual ~State() = default;

    /// Drains the window's events and may change the stack. A screen that pops
    /// or replaces itself is destroyed inside that call and must return at once.
    virtual void handleInput(sf::RenderWindow& window, StateStack& states, Application& app) = 0;

    /// Advances the screen by dt seconds (at most 0.1).
    virtual void update(float dt, sf::RenderWindow& window) = 0;

    /// Draws the screen into the already cleared window.
    virtual void render(sf::RenderWindow& window) = 0;

    /// The window was re-created with this size while the screen was on top.
    virtual void onResize(sf::Vector2u newSize) = 0;
};
