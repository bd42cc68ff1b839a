#pragma once

#include <SFML/Window/Event.hpp>

/// What an event is as a press, for the screen that gets it.
enum class PressKind
{
    None,   ///< not a press: another event, or a release
    Fresh,  ///< a new press
    Repeat, ///< the auto-repeat of a key held since a fresh press
    Ignored ///< a press of a hold that does not count here: held over from
            ///< another screen, or already used by someone
};

/// A window event as the screens get it from Input: SFML's event, and what
/// it is as a press, told as it was read. The answer travels with the event.
struct InputEvent : sf::Event
{
    PressKind press = PressKind::None;

    /// A new press.
    bool isFresh() const { return press == PressKind::Fresh; }
    /// A new press or its auto-repeat: what a held key does in a menu.
    bool counts() const { return press == PressKind::Fresh || press == PressKind::Repeat; }
};
