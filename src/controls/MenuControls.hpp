#pragma once

#include "app/Input.hpp"
#include "controls/Gamepad.hpp"

#include <array>
#include <cstddef>
#include <optional>

/// What the keys and the gamepad ask of a menu screen.
enum class MenuCommand
{
    None,
    Up,
    Down,
    Choose,
    Back
};

/// The focus after an Up or a Down among `count` targets, wrapping at both
/// ends; with nothing focused, Down focuses the first and Up the last.
std::optional<std::size_t> stepFocus(std::optional<std::size_t> focus, MenuCommand command,
                                     std::size_t count);

/// Turns the keys and the gamepad into the commands of the menu screens:
/// Up/Down or W/S and the stick or the d-pad move, Enter (the keypad's too),
/// Space or button A choose, button B goes back. A key held when the screen
/// appears counts only once it has been released; the stick and the d-pad
/// step once per push, with no repeat. Escape stays with the screens.
class MenuControls
{
public:
    /// Armed at once: what is held while the screen is built waits.
    explicit MenuControls(const Input& input);

    /// The screen (re)appears: keys held now wait for their release, and a
    /// stick or d-pad held now waits to come back to the centre.
    void arm();

    /// The command of one window event, if any.
    MenuCommand fromEvent(const sf::Event& event);

    /// Once a frame, after the events: a step when the stick or the d-pad has
    /// just been pushed up or down.
    MenuCommand frameCommand();

private:
    MenuCommand stickCommand() const;

    const Input& input;
    Gamepad pad;
    std::array<bool, sf::Keyboard::KeyCount> waitingForRelease{};
    MenuCommand stick = MenuCommand::None; ///< where the stick pointed last frame
};
