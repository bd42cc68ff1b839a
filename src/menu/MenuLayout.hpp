#pragma once

#include <cstddef>

/// Where one of the main menu's items sits: the left and top edges of its
/// text, offset from the window's centre (half its width and half its height,
/// rounded down).
struct MenuItemOffset
{
    const char* name; ///< what the tests call it
    int x;
    int y;
};

/// "Играть", "Настройки" and "Выход", top to bottom, which the focus follows.
/// The items are not centred on their own width: their left edges sit at these
/// fixed offsets, however wide the window.
inline constexpr MenuItemOffset menuItemOffsets[] = {
    {"play", -70, -100},
    {"settings", -100, 0},
    {"exit", -70, 100},
};
