#include "kit/ScriptedSource.hpp"

namespace
{
bool isAxis(sf::Joystick::Axis axis)
{
    return static_cast<unsigned>(axis) < sf::Joystick::AxisCount;
}
} // namespace

float ScriptedSource::joystickAxis(unsigned joystick, sf::Joystick::Axis axis) const
{
    const bool read = joystickConnected(joystick) && isAxis(axis);
    return read ? pads[joystick].axes[static_cast<std::size_t>(axis)] : 0.f;
}

void ScriptedSource::queueEvent(const sf::Event& event)
{
    events.push_back(event);
}

void ScriptedSource::queueKeyPress(sf::Keyboard::Key key)
{
    sf::Event event{};
    event.type = sf::Event::KeyPressed;
    event.key.code = key;
    queueEvent(event);
}

void ScriptedSource::setKey(sf::Keyboard::Key key, bool held)
{
    if (key >= 0 && key < sf::Keyboard::KeyCount)
        keys[static_cast<std::size_t>(key)] = held;
}

void ScriptedSource::setButton(sf::Mouse::Button button, bool held)
{
    if (button >= 0 && button < sf::Mouse::ButtonCount)
        buttons[static_cast<std::size_t>(button)] = held;
}

void ScriptedSource::setMousePosition(sf::Vector2i position)
{
    mouse = position;
}

void ScriptedSource::connectJoystick(unsigned joystick, bool connected)
{
    if (joystick >= sf::Joystick::Count)
        return;
    // Pulled out, a pad forgets what was held.
    pads[joystick] = Pad{};
    pads[joystick].connected = connected;
    sf::Event event{};
    event.type = connected ? sf::Event::JoystickConnected : sf::Event::JoystickDisconnected;
    event.joystickConnect.joystickId = joystick;
    queueEvent(event);
}

void ScriptedSource::setJoystickButton(unsigned joystick, unsigned button, bool held)
{
    if (joystick >= sf::Joystick::Count || button >= sf::Joystick::ButtonCount)
        return;
    pads[joystick].buttons[button] = held;
    sf::Event event{};
    event.type = held ? sf::Event::JoystickButtonPressed : sf::Event::JoystickButtonReleased;
    event.joystickButton.joystickId = joystick;
    event.joystickButton.button = button;
    queueEvent(event);
}

void ScriptedSource::setJoystickAxis(unsigned joystick, sf::Joystick::Axis axis, float position)
{
    if (joystick >= sf::Joystick::Count || !isAxis(axis))
        return;
    pads[joystick].axes[static_cast<std::size_t>(axis)] = position;
    sf::Event event{};
    event.type = sf::Event::JoystickMoved;
    event.joystickMove.joystickId = joystick;
    event.joystickMove.axis = axis;
    event.joystickMove.position = position;
    queueEvent(event);
}

void ScriptedSource::setFocus(bool focused)
{
    windowFocus = focused;
    sf::Event event{};
    event.type = focused ? sf::Event::GainedFocus : sf::Event::LostFocus;
    queueEvent(event);
}
