#include "widgets/MenuControls.hpp"

namespace
{
MenuCommand commandOf(sf::Keyboard::Key key)
{
    switch (key)
    {
    case sf::Keyboard::Up:
    case sf::Keyboard::W:
        return MenuCommand::Up;
    case sf::Keyboard::Down:
    case sf::Keyboard::S:
        return MenuCommand::Down;
    case sf::Keyboard::Enter: // SFML reports the keypad's Enter as Enter too
    case sf::Keyboard::Space:
        return MenuCommand::Choose;
    default:
        return MenuCommand::None;
    }
}
} // namespace

std::optional<std::size_t> stepFocus(std::optional<std::size_t> focus, MenuCommand command,
                                     std::size_t count)
{
    if (command == MenuCommand::Down)
        return focus ? (*focus + 1) % count : 0;
    if (command == MenuCommand::Up)
        return focus ? (*focus + count - 1) % count : count - 1;
    return focus;
}

MenuCommand MenuControls::fromEvent(const InputEvent& event) const
{
    const Gamepad& pad = input.getGamepad();
    // Held since the screen appeared, a key's auto-repeat does nothing.
    if (event.type == sf::Event::KeyPressed)
        return event.counts() ? commandOf(event.key.code) : MenuCommand::None;
    if (!event.isFresh())
        return MenuCommand::None;
    if (pad.isButtonPress(event, Gamepad::buttonA))
        return MenuCommand::Choose;
    if (pad.isButtonPress(event, Gamepad::buttonB))
        return MenuCommand::Back;
    return MenuCommand::None;
}

MenuCommand MenuControls::frameCommand() const
{
    const Gamepad& pad = input.getGamepad();
    if (pad.wasPushed(PadDirection::Up))
        return MenuCommand::Up;
    if (pad.wasPushed(PadDirection::Down))
        return MenuCommand::Down;
    return MenuCommand::None;
}
