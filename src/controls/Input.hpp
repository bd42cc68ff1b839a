#pragma once

#include "controls/ControlState.hpp"
#include "controls/InputEvent.hpp"
#include "controls/InputSource.hpp"
#include "controls/Presses.hpp"

#include <functional>
#include <memory>

/// Everything the game reads from the player, as the screens read it: the
/// window's events, each told what it is as a press, and what is held,
/// counting only while the window has the focus. Pad events go too while it
/// is without the focus: SFML sends them to every window. Whether a key or a
/// button is down, a screen asks getPresses(): held() for a hold that counts
/// on this screen, isDown() for the control as it is.
class Input
{
public:
    /// Decides, for an event just read, whether it is kept from the screens
    /// (the application's own keys).
    using EventKeeper = std::function<bool(const InputEvent& event)>;

    /// Reads the player through `source`: SFML's (RealInput), or a script.
    explicit Input(std::unique_ptr<InputSource> source);

    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;

    /// Takes the next pending event for a screen; false when none is left.
    bool pollEvent(sf::Window& window, InputEvent& event);

    /// From now on, events that `keeper` keeps never reach a screen.
    void keepEvents(EventKeeper keeper) { this->keeper = std::move(keeper); }

    /// The window has just been created.
    void watchWindow(const sf::Window& window);

    /// Another screen came on top: whatever is held now counts there only once
    /// it has been let go.
    void newScreen();

    bool hasFocus() const { return state.hasFocus(); }
    sf::Vector2i getMousePosition(const sf::Window& window) const
    {
        return state.getMousePosition(window);
    }
    const Gamepad& getGamepad() const { return state.getGamepad(); }

    /// Fresh presses and held ones, of every key and button.
    Presses& getPresses() { return presses; }
    const Presses& getPresses() const { return presses; }

private:
    std::unique_ptr<InputSource> source;
    ControlState state{*source};
    Presses presses{state};
    EventKeeper keeper;
    bool reading = false; ///< a frame's events are being read
};
