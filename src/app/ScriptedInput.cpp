#include "app/ScriptedInput.hpp"

void ScriptedInput::queueEvent(const sf::Event& event)
{
    events.push_back(event);
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
        keys[static_cast<std::size_t>(key)] = held;
}

void ScriptedInput::setButton(sf::Mouse::Button button, bool held)
{
    if (button >= 0 && button < sf::Mouse::ButtonCount)
        buttons[static_cast<std::size_t>(button)] = held;
}

void ScriptedInput::setMousePosition(sf::Vector2i position)
{
    mouse = position;
}

bool ScriptedInput::pollEvent(sf::Window& /*window*/, sf::Event& event)
{
    if (events.empty())
        return false;
    event = events.front();
    events.pop_front();
    return true;
}

bool ScriptedInput::isKeyPressed(sf::Keyboard::Key key) const
{
    return key >= 0 && key < sf::Keyboard::KeyCount && keys[static_cast<std::size_t>(key)];
}

bool ScriptedInput::isButtonPressed(sf::Mouse::Button button) const
{
    return button >= 0 && button < sf::Mouse::ButtonCount &&
           buttons[static_cast<std::size_t>(button)];
}

sf::Vector2i ScriptedInput::getMousePosition(const sf::Window& /*window*/) const
{
    return mouse;
}
