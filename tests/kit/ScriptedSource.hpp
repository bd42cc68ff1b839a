#pragma once

#include "controls/InputSource.hpp"

#include <array>
#include <deque>

/// Input that a test or a benchmark sets by hand, read by the game as it reads
/// SFML's: queued events, held keys and buttons, a mouse position, gamepads and
/// the window's focus. The window's own events are never read.
class ScriptedSource : public InputSource
{
public:
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

    std::size_t pendingEvents() const { return events.size(); }

    bool nextEvent(sf::Window& /*window*/, sf::Event& event) override
    {
        if (events.empty())
            return false;
        event = events.front();
        events.pop_front();
        return true;
    }
    bool keyDown(sf::Keyboard::Key key) const override
    {
        return key >= 0 && key < sf::Keyboard::KeyCount && keys[static_cast<std::size_t>(key)];
    }
    bool mouseButtonDown(sf::Mouse::Button button) const override
    {
        return button >= 0 && button < sf::Mouse::ButtonCount &&
               buttons[static_cast<std::size_t>(button)];
    }
    sf::Vector2i mousePosition(const sf::Window& /*window*/) const override { return mouse; }
    bool joystickConnected(unsigned joystick) const override
    {
        return joystick < sf::Joystick::Count && pads[joystick].connected;
    }
    bool joystickButtonDown(unsigned joystick, unsigned button) const override
    {
        return joystickConnected(joystick) && button < sf::Joystick::ButtonCount &&
               pads[joystick].buttons[button];
    }
    float joystickAxis(unsigned joystick, sf::Joystick::Axis axis) const override;
    bool windowHasFocus(const sf::Window& /*window*/) const override { return windowFocus; }

private:
    struct Pad
    {
        bool connected = false;
        std::array<bool, sf::Joystick::ButtonCount> buttons{};
        std::array<float, sf::Joystick::AxisCount> axes{};
    };

    std::deque<sf::Event> events;
    std::array<bool, sf::Keyboard::KeyCount> keys{};
    std::array<bool, sf::Mouse::ButtonCount> buttons{};
    sf::Vector2i mouse;
    std::array<Pad, sf::Joystick::Count> pads{};
    bool windowFocus = true;
};
