#include "controls/Presses.hpp"

#include "controls/Gamepad.hpp"
#include "controls/Input.hpp"

namespace
{
bool isPress(sf::Event::EventType type)
{
    return type == sf::Event::KeyPressed || type == sf::Event::MouseButtonPressed ||
           type == sf::Event::JoystickButtonPressed;
}

constexpr std::size_t firstDirection = Control::count - Control::padDirections;
} // namespace

Presses::Presses(const Input& input) : input(input)
{
    // Reading a key costs a round trip to the X server, so a key is read
    // afresh only once someone has asked about it or pressed it. The mouse's
    // buttons and the gamepad's are cheap to read, and always watched.
    for (std::size_t slot = Control::keys; slot < Control::count; ++slot)
        record(Control::fromIndex(slot));
}

Presses::Record& Presses::record(Control control) const
{
    Record& found = records[control.index()];
    if (!found.watched)
    {
        found.watched = true;
        watching.push_back(control.index());
    }
    return found;
}

bool Presses::isDown(std::size_t slot) const
{
    return Control::fromIndex(slot).isDown(input);
}

void Presses::letGo(Record& held)
{
    held.released = held.released || held.hold != Hold::Up;
    held.hold = Hold::Up;
    held.eventSeen = false;
    held.due = false;
    held.taken = false;
    held.upAtStart = false;
}

void Presses::beginEvents()
{
    for (const std::size_t slot : watching)
    {
        Record& held = records[slot];
        held.pressed = false;
        held.released = false;
        held.upAtStart = slot < firstDirection && held.hold != Hold::Up && !isDown(slot);
    }
    // The stick and the d-pad send no presses: what they show now is all there is.
    for (std::size_t slot = firstDirection; slot < Control::count; ++slot)
    {
        Record& direction = records[slot];
        if (!isDown(slot))
        {
            letGo(direction);
        }
        else if (direction.hold == Hold::Up)
        {
            direction.hold = Hold::Down;
            direction.pressed = true;
        }
    }
}

Presses::Kind Presses::feed(const sf::Event& event)
{
    lastType = event.type;
    lastKind = Kind::None;
    const std::optional<Control> control = Control::of(event, Gamepad(input).activePad());
    if (!control)
        return lastKind;
    Record& held = record(*control);
    if (!isPress(event.type))
    {
        letGo(held);
        return lastKind;
    }

    // Read up as the events began, after a press whose event has come: that
    // hold ended without its release, and this is a new one. A button sends
    // no repeats, so a second press of it says the same (some systems, Wine
    // among them, keep a button down that was let go over a window since
    // destroyed).
    if (held.eventSeen && (held.upAtStart || !control->repeats()))
        letGo(held);
    held.upAtStart = false;
    held.eventSeen = true;
    switch (held.hold)
    {
    case Hold::Up:
        held.hold = Hold::Down;
        held.pressed = true;
        lastKind = Kind::Fresh;
        break;
    case Hold::Down:
        lastKind = held.taken ? Kind::Stale : Kind::Repeat;
        break;
    case Hold::HeldOver:
        if (held.due)
        {
            held.hold = Hold::Down;
            held.due = false;
            held.pressed = true;
            lastKind = Kind::Fresh;
        }
        else
        {
            lastKind = Kind::Stale;
        }
        break;
    }
    return lastKind;
}

void Presses::endEvents()
{
    for (const std::size_t slot : watching)
        if (records[slot].upAtStart)
            letGo(records[slot]);
}

void Presses::windowRemade()
{
    for (const std::size_t slot : watching)
        records[slot].due = false;
}

void Presses::arm()
{
    for (const std::size_t slot : watching)
    {
        Record& held = records[slot];
        held.pressed = false;
        held.released = false;
        held.upAtStart = false;
        const bool takenBeforeItsEvent =
            slot < firstDirection && held.hold == Hold::Down && !held.eventSeen;
        if (isDown(slot) || takenBeforeItsEvent)
        {
            // Nobody saw it go down: its press event may yet come, and then it
            // is the new screen's. A press taken before its event came is the
            // old screen's, event and all.
            if (held.hold != Hold::HeldOver)
                held.due = held.hold == Hold::Up && slot < firstDirection;
            held.hold = Hold::HeldOver;
        }
        else
        {
            letGo(held);
            held.released = false;
        }
    }
}

bool Presses::held(Control control) const
{
    const Record& found = record(control);
    return found.hold != Hold::HeldOver && !found.taken && control.isDown(input);
}

bool Presses::pressed(Control control) const
{
    return record(control).pressed;
}

bool Presses::released(Control control) const
{
    return record(control).released;
}

bool Presses::isFresh(const sf::Event& event) const
{
    return event.type == lastType && lastKind == Kind::Fresh;
}

bool Presses::counts(const sf::Event& event) const
{
    return event.type == lastType && (lastKind == Kind::Fresh || lastKind == Kind::Repeat);
}

void Presses::take(Control control)
{
    Record& found = record(control);
    if (found.hold == Hold::Up && control.isDown(input))
    {
        found.hold = Hold::Down; // its press event, when it comes, is this one's
        found.eventSeen = false;
    }
    found.taken = found.hold != Hold::Up;
}

bool Presses::isTaken(Control control) const
{
    return record(control).taken;
}
