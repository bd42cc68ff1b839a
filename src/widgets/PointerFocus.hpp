#pragma once

#include <SFML/System/Vector2.hpp>

#include <optional>

/// How the pointer hovers targets and moves the focus on the menu screens, so
/// that a mouse and the keys never show two highlighted targets. Only a
/// pointer that has moved, or clicked, since the targets appeared counts: one
/// resting where it was when a screen, a list or a window appeared hovers
/// nothing and leaves the focus to the keys. Moving onto a target hovers it
/// and takes the focus; moving off the focused target it gave drops that.
template <class Target> class PointerFocus
{
public:
    /// The pointer is seen at `at`, over `under` (none: over nothing); returns
    /// the focus from now on.
    std::optional<Target> follow(sf::Vector2f at, std::optional<Target> under,
                                 std::optional<Target> focus)
    {
        if (!restingAt)
            restingAt = at; // first seen since the targets appeared: where it rests
        if (resting && at == *restingAt)
            return focus;
        resting = false;
        const std::optional<Target> left = hovered;
        hovered = under;
        // Moving within a target, or over nothing, changes no focus.
        if (under == left)
            return focus;
        if (under)
            return under;
        return focus == left ? std::nullopt : focus;
    }

    /// The pointer moved or clicked, as an event tells: it counts from now on,
    /// wherever it is seen.
    void moved() { resting = false; }

    /// The targets appeared anew, or moved: the pointer rests until it moves
    /// from `at` (or, when not given, from where it is next seen), and a focus
    /// it gave is dropped.
    std::optional<Target> drop(std::optional<Target> focus,
                               std::optional<sf::Vector2f> at = std::nullopt)
    {
        const bool given = hovered && focus == hovered;
        resting = true;
        restingAt = at;
        hovered.reset();
        return given ? std::nullopt : focus;
    }

    /// The target under a pointer that counts; none while it rests.
    std::optional<Target> getHovered() const { return hovered; }

private:
    bool resting = true;
    std::optional<sf::Vector2f> restingAt; ///< where it was first seen since the targets appeared
    std::optional<Target> hovered;
};
