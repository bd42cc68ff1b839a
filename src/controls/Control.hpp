#pragma once

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

#include <cstddef>
#include <optional>

class Input;

/// A way the gamepad's left stick or d-pad can point.
enum class PadDirection
{
    Left,
    Right,
    Up,
    Down,
    Count
};

/// Anything the player presses and lets go of: a key, a mouse button, a
/// button of the gamepad in use, or a way its stick and d-pad point.
class Control
{
public:
    // A key, a button or a direction is a control wherever one is asked for.
    Control(sf::Keyboard::Key key);    // NOLINT(google-explicit-constructor)
    Control(sf::Mouse::Button button); // NOLINT(google-explicit-constructor)
    Control(PadDirection direction);   // NOLINT(google-explicit-constructor)

    /// Button `button` of the gamepad in use.
    static Control padButton(unsigned button);

    /// The control whose index() is `index`.
    static Control fromIndex(std::size_t index);

    /// The key, mouse button or gamepad button that an event presses or lets
    /// go of; none for other events, unknown keys and other pads than `pad`.
    static std::optional<Control> of(const sf::Event& event, std::optional<unsigned> pad);

    /// Whether it is down now, as `input` reads it.
    bool isDown(const Input& input) const;

    /// Whether holding it down sends press after press: keys do, as the
    /// system repeats them; buttons never do.
    bool repeats() const { return slot < keys; }

    /// Its place among all controls, below `count`.
    std::size_t index() const { return slot; }

    static constexpr std::size_t keys = sf::Keyboard::KeyCount;
    static constexpr std::size_t mouseButtons = sf::Mouse::ButtonCount;
    static constexpr std::size_t padButtons = sf::Joystick::ButtonCount;
    static constexpr std::size_t padDirections = static_cast<std::size_t>(PadDirection::Count);
    static constexpr std::size_t count = keys + mouseButtons + padButtons + padDirections;

private:
    explicit Control(std::size_t slot) : slot(slot) {}

    std::size_t slot;
};
