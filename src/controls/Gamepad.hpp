#pragma once

#include "controls/InputSource.hpp"

#include <array>
#include <optional>

/// A way the gamepad's left stick or d-pad can point.
enum class PadDirection
{
    Left,
    Right,
    Up,
    Down,
    Count
};

/// The gamepad as the game reads it: the first connected pad, its buttons by
/// role, and its left stick and d-pad as four directions past a dead zone.
/// Nothing of it counts while the window is without the focus. The directions
/// send no press events, so they are read as each frame's events begin, and
/// a push is told from a direction held since before.
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

    /// Reads the pads through `source` while `focused` is true; both must
    /// outlive it.
    Gamepad(const InputSource& source, const bool& focused) : source(source), focused(focused) {}

    /// The pad in use: the first connected one; none when no pad is plugged in.
    std::optional<unsigned> activePad() const;

    /// Whether the stick or the d-pad of the pad in use points this way now.
    bool isHeld(PadDirection direction) const;

    /// Whether the event is a press of `button` on the pad in use.
    bool isButtonPress(const sf::Event& event, unsigned button) const;

    /// The pads as read while the window has the focus: their buttons up and
    /// their axes centred without it.
    bool isConnected(unsigned joystick) const { return source.joystickConnected(joystick); }
    bool isButtonDown(unsigned joystick, unsigned button) const;
    float axisPosition(unsigned joystick, sf::Joystick::Axis axis) const;

    /// As each frame's events begin: which directions have just been pushed.
    void readDirections();

    /// Another screen came on top: a direction held now counts there only
    /// once it has been let go.
    void holdDirectionsOver();

    /// Pushed this way as this frame's events began.
    bool wasPushed(PadDirection direction) const { return record(direction).pushed; }

    /// Held this way, and not since before the screen came on top.
    bool counts(PadDirection direction) const;

private:
    struct Push
    {
        bool held = false;
        bool heldOver = false; ///< from before the screen came on top
        bool pushed = false;   ///< this frame
    };

    const Push& record(PadDirection direction) const
    {
        return pushes[static_cast<std::size_t>(direction)];
    }

    const InputSource& source;
    const bool& focused;
    std::array<Push, static_cast<std::size_t>(PadDirection::Count)> pushes{};
};
