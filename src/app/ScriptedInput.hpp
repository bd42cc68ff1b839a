#pragma once

#include "app/Input.hpp"

#include <array>
#include <deque>

/// Input that a test or a benchmark sets by hand: queued events, held keys and
/// buttons, and a mouse position. The window's own events are never read.
class ScriptedInput : public Input
{
public:
    void queueEvent(const sf::Event& event);
    void queueKeyPress(sf::Keyboard::Key key);
    void setKey(sf::Keyboard::Key key, bool held);
    void setButton(sf::Mouse::Button button, bool held);
    void setMousePosition(sf::Vector2i position);
    std::size_t pendingEvents() const { return events.size(); }

    bool pollEvent(sf::Window& window, sf::Event& event) override;
    bool isKeyPressed(sf::Keyboard::Key key) const override;
    bool isButtonPressed(sf::Mouse::Button button) const override;
    sf::Vector2i getMousePosition(const sf::Window& window) const override;

private:
    std::deque<sf::Event> events;
    std::array<bool, sf::Keyboard::KeyCount> keys{};
    std::array<bool, sf::Mouse::ButtonCount> buttons{};
    sf::Vector2i mouse;
};
