#include "controls/MenuControls.hpp"

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

constexpr sf::Keyboard::Key commandKeys[] = {sf::Keyboard::Up,    sf::Keyboard::W,
                                             sf::Keyboard::Down,  sf::Keyboard::S,
                                             sf::Keyboard::Enter, sf::Keyboard::Space};

bool isKey(sf::Keyboard::Key key)
{
    return key >= 0 && key < sf::Keyboard::KeyCount;
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

MenuControls::MenuControls(const Input& input) : input(input), pad(input)
{
    arm();
}

void MenuControls::arm()
{
    for (const sf::Keyboard::Key key : commandKeys)
        waitingForRelease[key] = input.isKeyPressed(key);
    stick = stickCommand();
}

MenuCommand MenuControls::fromEvent(const sf::Event& event)
{
    if ((event.type == sf::Event::KeyPressed || event.type == sf::Event::KeyReleased) &&
        isKey(event.key.code))
    {
        const auto key = static_cast<std::size_t>(event.key.code);
        if (event.type == sf::Event::KeyReleased)
        {
            waitingForRelease[key] = false;
            return MenuCommand::None;
        }
        // Held since the screen appeared: its auto-repeat does nothing.
        return waitingForRelease[key] ? MenuCommand::None : commandOf(event.key.code);
    }
    if (pad.isButtonPress(event, Gamepad::buttonA))
        return MenuCommand::Choose;
    if (pad.isButtonPress(event, Gamepad::buttonB))
        return MenuCommand::Back;
    return MenuCommand::None;
}

MenuCommand MenuControls::frameCommand()
{
    // A release can go missing with a window that was re-created meanwhile.
    for (const sf::Keyboard::Key key : commandKeys)
        if (!input.isKeyPressed(key))
            waitingForRelease[key] = false;
    const MenuCommand now = stickCommand();
    const MenuCommand step = now != stick ? now : MenuCommand::None;
    stick = now;
    return step;
}

MenuCommand MenuControls::stickCommand() const
{
    if (pad.isHeld(PadDirection::Up))
        return MenuCommand::Up;
    if (pad.isHeld(PadDirection::Down))
        return MenuCommand::Down;
    return MenuCommand::None;
}
