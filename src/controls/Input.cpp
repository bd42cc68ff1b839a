#include "controls/Input.hpp"

namespace
{
bool isGamepadInput(const sf::Event& event)
{
    return event.type == sf::Event::JoystickButtonPressed ||
           event.type == sf::Event::JoystickButtonReleased ||
           event.type == sf::Event::JoystickMoved;
}

bool isFullscreenKey(const sf::Event::KeyEvent& key)
{
    return key.code == sf::Keyboard::F11 || (key.code == sf::Keyboard::Enter && key.alt);
}
} // namespace

bool Input::pollEvent(sf::Window& window, sf::Event& event)
{
    if (!reading)
    {
        presses.beginEvents();
        reading = true;
    }
    while (nextEvent(window, event))
    {
        if (event.type == sf::Event::LostFocus)
            focused = false;
        else if (event.type == sf::Event::GainedFocus)
            focused = true;
        // SFML reads the pads for every window, focused or not.
        if (!focused && isGamepadInput(event))
            continue;
        const Presses::Kind kind = presses.feed(event);
        if (keptForApplication(event))
            continue;
        if (keptForMute(event))
        {
            if (kind == Presses::Kind::Fresh)
                muteToggle = !muteToggle;
            continue;
        }
        return true;
    }
    presses.endEvents();
    reading = false;
    return false;
}

bool Input::keptForApplication(const sf::Event& event)
{
    if (event.type != sf::Event::KeyPressed || event.key.code == sf::Keyboard::Unknown)
        return false;
    // Its auto-repeat, even once Alt has come up: a held Enter must not choose
    // a menu item either.
    if (presses.isTaken(event.key.code))
        return true;
    if (!isFullscreenKey(event.key))
        return false;
    fullscreenToggle = !fullscreenToggle;
    presses.take(event.key.code);
    return true;
}

bool Input::keptForMute(const sf::Event& event) const
{
    return (event.type == sf::Event::KeyPressed || event.type == sf::Event::KeyReleased) &&
           event.key.code == sf::Keyboard::M;
}

bool Input::takeFullscreenToggle()
{
    const bool toggle = fullscreenToggle;
    fullscreenToggle = false;
    return toggle;
}

bool Input::takeMuteToggle()
{
    const bool toggle = muteToggle;
    muteToggle = false;
    return toggle;
}

void Input::watchWindow(const sf::Window& window)
{
    focused = windowHasFocus(window);
    presses.windowRemade();
}

bool Input::isKeyPressed(sf::Keyboard::Key key) const
{
    return focused && keyDown(key);
}

bool Input::isButtonPressed(sf::Mouse::Button button) const
{
    return focused && mouseButtonDown(button);
}

bool Input::isJoystickConnected(unsigned joystick) const
{
    return joystickConnected(joystick);
}

bool Input::isJoystickButtonPressed(unsigned joystick, unsigned button) const
{
    return focused && joystickButtonDown(joystick, button);
}

float Input::getJoystickAxisPosition(unsigned joystick, sf::Joystick::Axis axis) const
{
    return focused ? joystickAxis(joystick, axis) : 0.f;
}

sf::Vector2i Input::getMousePosition(const sf::Window& window) const
{
    return mousePosition(window);
}
