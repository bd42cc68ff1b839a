#pragma once

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

#include <cstddef>
#include <optional>

/// Anything the player presses and lets go of with an event for each: a key,
/// a mouse button, or a button of the gamepad in use.
class Control
{
public:
    // A key or a mouse button is a control wherever one is asked for.
    Control(sf::Keyboard::Key key);    // NOLINT(google-explicit-constructor)
    Control(sf::Mouse::Button button); // NOLINT(google-explicit-constructor)

    /// Button `button` of the gamepad in use.
    static Control padButton(unsigned button);

    /// The control whose index() is `index`.
    static Control fromIndex(std::size_t index);

    /// The key, mouse button or gamepad button that an event presses or lets
    /// go of; none for other events, unknown keys and other pads than `pad`.
    static std::optional<Control> of(const sf::Event& event, std::optional<unsigned> pad);

    /// What it is: one of these, as its kind says.
    bool isKey() const { return slot < keys; }
    bool isMouseButton() const { return slot >= keys && slot < keys + mouseButtons; }
    sf::Keyboard::Key key() const { return static_cast<sf::Keyboard::Key>(slot); }
    sf::Mouse::Button mouseButton() const { return static_cast<sf::Mouse::Button>(slot - keys); }
    unsigned padButtonNumber() const { return static_cast<unsigned>(slot - keys - mouseButtons); }

    /// Whether holding it down sends press after press: keys do, as the
    /// system repeats them; buttons never do.
    bool repeats() const { return isKey(); }

    /// Its place among all controls, below `count`.
    std::size_t index() const { return slot; }

    static constexpr std::size_t keys = sf::Keyboard::KeyCount;
    static constexpr std::size_t mouseButtons = sf::Mouse::ButtonCount;
    static constexpr std::size_t padButtons = sf::Joystick::ButtonCount;
    static constexpr std::size_t count = keys + mouseButtons + padButtons;

private:
    explicit Control(std::size_t slot) : slot(slot) {}

    std::size_t slot;
};
