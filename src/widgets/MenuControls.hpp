#pragma once

#include "controls/Input.hpp"

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
/// appeared counts only once it has been released, and then repeats as the
/// system repeats it; the stick and the d-pad step once per push. Escape
/// stays with the screens.
class MenuControls
{
public:
    explicit MenuControls(const Input& input) : input(input) {}

    /// The command of one window event, if any.
    MenuCommand fromEvent(const InputEvent& event) const;

    /// Once a frame, after the events: a step when the stick or the d-pad has
    /// just been pushed up or down.
    MenuCommand frameCommand() const;

private:
    const Input& input;
};
