#pragma once

#include <optional>

/// How the pointer moves the focus on the menu screens, so that a mouse and
/// the keys never show two highlighted targets: moving onto a target takes
/// the focus, moving off the focused target drops it, and a resting pointer
/// leaves the focus to the keys. A target that appears under a resting
/// pointer (a screen opening, a new layout) has not been moved onto.
template <class Target> class PointerFocus
{
public:
    /// The focus once the pointer is seen over `under` (none: over nothing).
    std::optional<Target> follow(std::optional<Target> under, std::optional<Target> focus)
    {
        const bool moved = seen && under != last;
        const std::optional<Target> left = last;
        seen = true;
        last = under;
        if (!moved)
            return focus;
        if (under)
            return under;
        return focus == left ? std::nullopt : focus;
    }

    /// The targets have moved, or the screen comes back: a focus the pointer
    /// gave is dropped, and the pointer's next place only counts as a start.
    std::optional<Target> drop(std::optional<Target> focus)
    {
        const bool given = seen && focus == last;
        seen = false;
        last.reset();
        return given ? std::nullopt : focus;
    }

private:
    bool seen = false;
    std::optional<Target> last; ///< what the pointer was last seen over
};
