#pragma once

#include "controls/Control.hpp"
#include "controls/Gamepad.hpp"
#include "controls/InputSource.hpp"

/// Whether each control is down, as the game counts it: only while the
/// window has the focus (SFML's state is global, and keys meant for another
/// window must not run the hero), and a pad's button only on the pad in use.
class ControlState
{
public:
    /// Reads through `source`, which must outlive it.
    explicit ControlState(const InputSource& source) : source(source) {}

    ControlState(const ControlState&) = delete;
    ControlState& operator=(const ControlState&) = delete;

    /// Follows the focus through the window's events.
    void noteEvent(const sf::Event& event);

    /// The window has just been created: whether it starts with the focus is
    /// asked once, the focus events of the window tell the rest.
    void watchWindow(const sf::Window& window) { focused = source.windowHasFocus(window); }

    bool hasFocus() const { return focused; }

    /// A key, a mouse button or a button of the pad in use.
    bool isDown(Control control) const;

    /// The mouse position in pixels, relative to the window's top-left corner.
    /// It counts without the focus too: an unfocused window still shows hover.
    sf::Vector2i getMousePosition(const sf::Window& window) const
    {
        return source.mousePosition(window);
    }

    Gamepad& getGamepad() { return gamepad; }
    const Gamepad& getGamepad() const { return gamepad; }

private:
    const InputSource& source;
    bool focused = true;
    Gamepad gamepad{source, focused};
};
