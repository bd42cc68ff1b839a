#pragma once

#include "controls/Presses.hpp"

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>
#include <SFML/Window/Window.hpp>

/// Everything the game reads from the player: the window's events and the
/// real-time state of the keyboard, the mouse and the gamepads. The game reads
/// SFML's real state through RealInput; tests script it.
///
/// Three rules hold whatever the source, so they live here: real-time state
/// counts only while the window has the focus (SFML's is global, and keys
/// meant for another window must not run the hero); every event read goes
/// through the presses, which tell a fresh press from a held one; and F11 or
/// Alt+Enter, and M, never reach a screen: they are kept for the application
/// (takeFullscreenToggle, takeMuteToggle).
class Input
{
public:
    Input() = default;
    virtual ~Input() = default;

    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;

    /// Takes the next pending event for a screen; false when none is left.
    /// Gamepad events are dropped while the window is not focused.
    bool pollEvent(sf::Window& window, sf::Event& event);

    bool isKeyPressed(sf::Keyboard::Key key) const;
    bool isButtonPressed(sf::Mouse::Button button) const;
    bool isJoystickConnected(unsigned joystick) const;
    bool isJoystickButtonPressed(unsigned joystick, unsigned button) const;
    /// From -100 to 100; 0 while the window is not focused.
    float getJoystickAxisPosition(unsigned joystick, sf::Joystick::Axis axis) const;

    /// The mouse position in pixels, relative to the window's top-left corner.
    /// It counts without the focus too: an unfocused window still shows hover.
    sf::Vector2i getMousePosition(const sf::Window& window) const;

    bool hasFocus() const { return focused; }

    /// Fresh presses and held ones, of every key and button.
    Presses& getPresses() { return presses; }
    const Presses& getPresses() const { return presses; }

    /// The window has just been created: whether it starts with the focus is
    /// asked once, the focus events of the window tell the rest.
    void watchWindow(const sf::Window& window);

    /// Whether F11 or Alt+Enter asked to switch full screen since the last
    /// call; two presses cancel out. The application calls it once a frame.
    bool takeFullscreenToggle();

    /// Whether M asked to mute or unmute since the last call; two presses
    /// cancel out, and a held M counts once. The application calls it once a frame.
    bool takeMuteToggle();

protected:
    virtual bool nextEvent(sf::Window& window, sf::Event& event) = 0;
    virtual bool keyDown(sf::Keyboard::Key key) const = 0;
    virtual bool mouseButtonDown(sf::Mouse::Button button) const = 0;
    virtual sf::Vector2i mousePosition(const sf::Window& window) const = 0;
    virtual bool joystickConnected(unsigned joystick) const = 0;
    virtual bool joystickButtonDown(unsigned joystick, unsigned button) const = 0;
    virtual float joystickAxis(unsigned joystick, sf::Joystick::Axis axis) const = 0;
    virtual bool windowHasFocus(const sf::Window& window) const = 0;

private:
    /// A press of F11 or Alt+Enter, or its auto-repeat; true when the event
    /// is the application's and no screen gets it.
    bool keptForApplication(const sf::Event& event);

    /// A press or release of M; true when the event is M's and no screen gets it.
    bool keptForMute(const sf::Event& event) const;

    Presses presses{*this};
    bool focused = true;
    bool reading = false; ///< a frame's events are being read
    bool fullscreenToggle = false;
    bool muteToggle = false;
};
