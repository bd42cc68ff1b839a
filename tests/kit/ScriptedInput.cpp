#include "kit/ScriptedInput.hpp"

#include <array>
#include <deque>

namespace
{
bool isAxis(sf::Joystick::Axis axis)
{
    return static_cast<unsigned>(axis) < sf::Joystick::AxisCount;
}
} // namespace

/// The scripted state, which the game reads as it would SFML's.
class ScriptedInput::Source : public InputSource
{
public:
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
    float joystickAxis(unsigned joystick, sf::Joystick::Axis axis) const override
    {
        const bool read = joystickConnected(joystick) && isAxis(axis);
        return read ? pads[joystick].axes[static_cast<std::size_t>(axis)] : 0.f;
    }
    bool windowHasFocus(const sf::Window& /*window*/) const override { return windowFocus; }

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

ScriptedInput::ScriptedInput()
    : Input(std::make_unique<Source>()), source(static_cast<Source&>(getSource()))
{
}

std::size_t ScriptedInput::pendingEvents() const
{
    return source.events.size();
}

void ScriptedInput::queueEvent(const sf::Event& event)
{
    source.events.push_back(event);
}

void ScriptedInput::queueKeyPress(sf::Keyboard::Key key)
{
    sf::Event event{};
    event.type = sf::Event::KeyPressed;
    event.key.code = key;
    queueEvent(event);
}

void ScriptedInput::setKey(sf::Keyboard::Key key, bool held)
{
    if (key >= 0 && key < sf::Keyboard::KeyCount)
        source.keys[static_cast<std::size_t>(key)] = held;
}

void ScriptedInput::setButton(sf::Mouse::Button button, bool held)
{
    if (button >= 0 && button < sf::Mouse::ButtonCount)
        source.buttons[static_cast<std::size_t>(button)] = held;
}

void ScriptedInput::setMousePosition(sf::Vector2i position)
{
    source.mouse = position;
}

void ScriptedInput::connectJoystick(unsigned joystick, bool connected)
{
    if (joystick >= sf::Joystick::Count)
        return;
    // Pulled out, a pad forgets what was held.
    source.pads[joystick] = Source::Pad{};
    source.pads[joystick].connected = connected;
    sf::Event event{};
    event.type = connected ? sf::Event::JoystickConnected : sf::Event::JoystickDisconnected;
    event.joystickConnect.joystickId = joystick;
    queueEvent(event);
}

void ScriptedInput::setJoystickButton(unsigned joystick, unsigned button, bool held)
{
    if (joystick >= sf::Joystick::Count || button >= sf::Joystick::ButtonCount)
        return;
    source.pads[joystick].buttons[button] = held;
    sf::Event event{};
    event.type = held ? sf::Event::JoystickButtonPressed : sf::Event::JoystickButtonReleased;
    event.joystickButton.joystickId = joystick;
    event.joystickButton.button = button;
    queueEvent(event);
}

void ScriptedInput::setJoystickAxis(unsigned joystick, sf::Joystick::Axis axis, float position)
{
    if (joystick >= sf::Joystick::Count || !isAxis(axis))
        return;
    source.pads[joystick].axes[static_cast<std::size_t>(axis)] = position;
    sf::Event event{};
    event.type = sf::Event::JoystickMoved;
    event.joystickMove.joystickId = joystick;
    event.joystickMove.axis = axis;
    event.joystickMove.position = position;
    queueEvent(event);
}

void ScriptedInput::setFocus(bool focused)
{
    source.windowFocus = focused;
    sf::Event event{};
    event.type = focused ? sf::Event::GainedFocus : sf::Event::LostFocus;
    queueEvent(event);
}
