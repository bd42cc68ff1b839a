#pragma once

#include "controls/Control.hpp"
#include "controls/Input.hpp"

#include <optional>

/// The gamepad as the game reads it: the first connected pad, its left stick
/// and d-pad as four directions past a dead zone, and its buttons by role.
class Gamepad
{
public:
    // The buttons' numbers on an Xbox-style pad. They are the same with SFML
    // 2.6 on Linux (the xpad driver's order: A, B, X, Y, LB, RB, Back, Start,
    // Guide, then the sticks) and on Windows (the pad's own button order,
    // through DirectInput or the older joystick API: A, B, X, Y, LB, RB, Back,
    // Start, then the sticks, with no Guide): only the sticks' clicks differ,
    // and the game uses neither.
    static constexpr unsigned buttonA = 0;     ///< jump in play, choose in the menus
    static constexpr unsigned buttonB = 1;     ///< back
    static constexpr unsigned buttonBack = 6;  ///< pause in play (Select on some pads)
    static constexpr unsigned buttonStart = 7; ///< Escape in play
    /// Axis positions (-100 to 100) this close to the centre are the centre.
    static constexpr float deadZone = 25.f;

    explicit Gamepad(const Input& input) : input(input) {}

    /// The pad in use: the first connected one; none when no pad is plugged in.
    std::optional<unsigned> activePad() const;

    /// Whether the stick or the d-pad of the pad in use points this way.
    bool isHeld(PadDirection direction) const;

    bool isButtonHeld(unsigned button) const;

    /// Whether the event is a press of `button` on the pad in use.
    bool isButtonPress(const sf::Event& event, unsigned button) const;

private:
    const Input& input;
};
