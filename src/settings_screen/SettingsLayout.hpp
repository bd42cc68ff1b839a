#pragma once

/// Where the graphics settings screen's widgets sit: x offsets from the
/// window's centre (half its width, rounded down), y from its top, sizes in
/// pixels. "Назад (Esc)" alone keeps to the left and bottom edges.
namespace settingsLayout
{
/// A box's left edge, offset from the centre, its top, and its size.
struct Box
{
    int left;
    int top;
    float width;
    float height;
};

inline constexpr float titleTop = 50;

/// The resolution box, with its text inside and its label ending `labelGap`
/// before it, on the text's line.
inline constexpr Box resolutionBox{-100, 150, 200, 40};
inline constexpr int boxTextLeft = -90;
inline constexpr int boxTextTop = 155;
inline constexpr float labelGap = 10;

/// The open list, over what lies beneath it, and its entries, centred.
inline constexpr Box list{-110, 180, 220, 150};
inline constexpr float entryTop = 180;
inline constexpr float entryStep = 30;

/// The full-screen switch's text.
inline constexpr int fullscreenLeft = -150;
inline constexpr int fullscreenTop = 220;

/// "Применить": its box, and its text centred across it.
inline constexpr Box applyBox{-100, 300, 200, 50};
inline constexpr float applyTextTop = 310;

/// "Назад (Esc)": from the left edge, and above the bottom.
inline constexpr int backLeft = 50;
inline constexpr int backAboveBottom = 100;
} // namespace settingsLayout
