#pragma once

#include "controls/Control.hpp"
#include "controls/ControlState.hpp"
#include "controls/InputEvent.hpp"

#include <array>
#include <cstdint>
#include <vector>

/// Tells, for every key and button, a fresh press from one still held from
/// before: whether it went down this frame, came up, or is held, and whether
/// a press event is a new press, its auto-repeat, or belongs to a hold that
/// does not count here. Input feeds it every event it reads; the game tells
/// it whenever another screen comes on top, so that what was held then counts
/// only once it has been let go. (The stick and the d-pad send no presses:
/// the Gamepad tells their pushes.)
///
/// Releases go missing: with a window made anew (its predecessor got them),
/// or with the focus elsewhere. So whatever is believed down is read afresh
/// as each frame's events begin, and what was up then and has sent no event
/// by their end counts as let go.
class Presses
{
public:
    using Kind = PressKind;

    /// Reads whether each control is down through `state`, which must outlive it.
    explicit Presses(const ControlState& state);

    // What Input does as it reads the window's events.

    /// The events of a frame begin: reads afresh what is believed down.
    void beginEvents();
    /// Notes one event; returns what it is.
    Kind feed(const sf::Event& event);
    /// The frame's events are all read: what was up as they began and sent
    /// no event since was let go unseen.
    void endEvents();
    /// The window was made anew: press events of what is held already will
    /// not come in it.
    void windowRemade();

    /// Another screen came on top: whatever is held now counts there only once
    /// it has been let go. A press whose event has not come yet, of something
    /// no one had seen going down, is the new screen's when its event comes.
    void holdOver();

    /// Down now, and counting: not held over from another screen, not used.
    bool held(Control control) const;
    /// Down now, whoever it counts for, as long as the window has the focus.
    bool isDown(Control control) const { return state.isDown(control); }
    /// Went down this frame.
    bool pressed(Control control) const;
    /// Came up this frame.
    bool released(Control control) const;

    /// Someone acts on this press: what is held now counts as down, and no
    /// press event of this hold (its own, still to come, or a repeat) is
    /// fresh or counts until it has been let go.
    void use(Control control);
    bool isUsed(Control control) const;

private:
    enum class Hold : std::uint8_t
    {
        Up,
        Down,    ///< counts
        HeldOver ///< from before the screen came on top
    };

    struct Record
    {
        Hold hold = Hold::Up;
        bool watched = false;          ///< asked about or seen: read afresh from then on
        bool eventSeen = false;        ///< the press event of this hold has come
        bool freshWhenItComes = false; ///< held over, its press event still to come
        bool used = false;
        bool upAtStart = false; ///< read up as this frame's events began
        bool pressed = false;   ///< this frame
        bool released = false;  ///< this frame
    };

    /// The control's record; from now on it is watched.
    Record& record(Control control) const;
    void letGo(Record& held);

    const ControlState& state;
    // Asking about a control marks it watched, and nothing else.
    mutable std::array<Record, Control::count> records{};
    mutable std::vector<std::size_t> watching;
};
