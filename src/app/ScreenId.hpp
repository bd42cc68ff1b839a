#pragma once

/// The game's screens, by which one screen asks the stack for another.
enum class ScreenId
{
    Menu,
    Settings,
    Play,
    Count
};

/// Where a new screen's focus starts: a screen the keys or the gamepad opened
/// starts on its first item, one the pointer opened on none.
enum class StartFocus
{
    None,
    FirstItem
};
