#include "app/Input.hpp"

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
    while (nextEvent(window, event))
    {
        if (event.type == sf::Event::LostFocus)
            focused = false;
        else if (event.type == sf::Event::GainedFocus)
            focused = true;
        // SFML reads the pads for every window, focused or not.
        if (!focused && isGamepadInput(event))
            continue;
        if (keptForApplication(event) || keptForMute(event))
            continue;
        return true;
    }
    return false;
}

bool Input::keptForApplication(const sf::Event& event)
{
    if (event.type == sf::Event::KeyReleased && event.key.code == fullscreenKey)
        fullscreenKey = sf::Keyboard::Unknown;
    if (event.type != sf::Event::KeyPressed)
        return false;
    // Its auto-repeat, even once Alt has come up: a held Enter must not choose
    // a menu item either.
    if (event.key.code == fullscreenKey)
        return true;
    if (!isFullscreenKey(event.key))
        return false;
    fullscreenToggle = !fullscreenToggle;
    fullscreenKey = event.key.code;
    return true;
}

bool Input::takeFullscreenToggle()
{
    // The release may have gone to the window that the switch closed.
    if (fullscreenKey != sf::Keyboard::Unknown && !keyDown(fullscreenKey))
        fullscreenKey = sf::Keyboard::Unknown;
    const bool toggle = fullscreenToggle;
    fullscreenToggle = false;
    return toggle;
}

bool Input::keptForMute(const sf::Event& event)
{
    const bool pressed = event.type == sf::Event::KeyPressed;
    if ((!pressed && event.type != sf::Event::KeyReleased) || event.key.code != sf::Keyboard::M)
        return false;
    if (pressed && !muteKeyDown)
        muteToggle = !muteToggle;
    muteKeyDown = pressed;
    return true;
}

bool Input::takeMuteToggle()
{
    // The release may have gone to a window that has been made anew since.
    if (muteKeyDown && !keyDown(sf::Keyboard::M))
        muteKeyDown = false;
    const bool toggle = muteToggle;
    muteToggle = false;
    return toggle;
}

void Input::watchWindow(const sf::Window& window)
{
    focused = windowHasFocus(window);
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
