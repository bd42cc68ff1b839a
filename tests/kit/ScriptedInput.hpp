#pragma once

#include "controls/Input.hpp"

/// Input that a test or a benchmark sets by hand: queued events, held keys and
/// buttons, a mouse position, gamepads and the window's focus. The window's
/// own events are never read.
class ScriptedInput : public Input
{
public:
    ScriptedInput();

    void queueEvent(const sf::Event& event);
    void queueKeyPress(sf::Keyboard::Key key);
    void setKey(sf::Keyboard::Key key, bool held);
    void setButton(sf::Mouse::Button button, bool held);
    void setMousePosition(sf::Vector2i position);

    // A pad changes its state and queues the event SFML would send for it.
    void connectJoystick(unsigned joystick, bool connected);
    void setJoystickButton(unsigned joystick, unsigned button, bool held);
    void setJoystickAxis(unsigned joystick, sf::Joystick::Axis axis, float position);

    /// The window gains or loses the focus (the event is queued); windows
    /// created later start that way too. They start focused.
    void setFocus(bool focused);

    std::size_t pendingEvents() const;

private:
    class Source;
    Source& source;
};
