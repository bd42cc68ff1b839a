#pragma once

/// Whether a press event of a key or button believed held starts a new hold:
/// its release went missing. Releases go missing with a window made anew (its
/// predecessor got them) or with the focus elsewhere, which shows as the key
/// or button read up as the frame's events began. And a button, which sends
/// no repeats, is always pressed anew: some systems, Wine among them, keep a
/// mouse button down that was let go over a window since destroyed. It could
/// go if every system sent every release to the window that gets the press.
constexpr bool releaseWentMissing(bool readUpAsEventsBegan, bool repeats)
{
    return readUpAsEventsBegan || !repeats;
}
