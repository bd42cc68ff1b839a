#include "controls/Presses.hpp"

#include "platform/LostReleases.hpp"

namespace
{
bool isPress(sf::Event::EventType type)
{
    return type == sf::Event::KeyPressed || type == sf::Event::MouseButtonPressed ||
           type == sf::Event::JoystickButtonPressed;
}
} // namespace

Presses::Presses(const ControlState& state) : state(state)
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

void Presses::letGo(Record& held)
{
    held.released = held.released || held.hold != Hold::Up;
    held.hold = Hold::Up;
    held.eventSeen = false;
    held.freshWhenItComes = false;
    held.used = false;
    held.upAtStart = false;
}

void Presses::beginEvents()
{
    for (const std::size_t slot : watching)
    {
        Record& held = records[slot];
        held.pressed = false;
        held.released = false;
        held.upAtStart = held.hold != Hold::Up && !isDown(Control::fromIndex(slot));
    }
}

Presses::Kind Presses::feed(const sf::Event& event)
{
    const std::optional<Control> control = Control::of(event, state.getGamepad().activePad());
    if (!control)
        return Kind::None;
    Record& held = record(*control);
    if (!isPress(event.type))
    {
        letGo(held);
        return Kind::None;
    }

    // After a press whose event has come, a press whose release went missing
    // starts a new hold.
    if (held.eventSeen && releaseWentMissing(held.upAtStart, control->repeats()))
        letGo(held);
    held.upAtStart = false;
    held.eventSeen = true;
    if (held.hold == Hold::Down)
        return held.used ? Kind::Ignored : Kind::Repeat;
    if (held.hold == Hold::HeldOver && !held.freshWhenItComes)
        return Kind::Ignored;
    held.hold = Hold::Down;
    held.freshWhenItComes = false;
    held.pressed = true;
    return Kind::Fresh;
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
        records[slot].freshWhenItComes = false;
}

void Presses::holdOver()
{
    for (const std::size_t slot : watching)
    {
        Record& held = records[slot];
        held.pressed = false;
        held.released = false;
        held.upAtStart = false;
        const bool usedBeforeItsEvent = held.hold == Hold::Down && !held.eventSeen;
        if (isDown(Control::fromIndex(slot)) || usedBeforeItsEvent)
        {
            // Nobody saw it go down: its press event may yet come, and then it
            // is the new screen's. A press used before its event came is the
            // old screen's, event and all.
            if (held.hold != Hold::HeldOver)
                held.freshWhenItComes = held.hold == Hold::Up;
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
    return found.hold != Hold::HeldOver && !found.used && state.isDown(control);
}

bool Presses::pressed(Control control) const
{
    return record(control).pressed;
}

bool Presses::released(Control control) const
{
    return record(control).released;
}

void Presses::use(Control control)
{
    Record& found = record(control);
    if (found.hold == Hold::Up && state.isDown(control))
    {
        found.hold = Hold::Down; // its press event, when it comes, is this one's
        found.eventSeen = false;
    }
    found.used = found.hold != Hold::Up;
}

bool Presses::isUsed(Control control) const
{
    return record(control).used;
}
