#pragma once

#include <SFML/System/Time.hpp>

#include <iosfwd>

/// The longest step a frame may advance the game, so a stall (dragging the
/// window, building a screen) does not throw everything forward.
constexpr float maxFrameTime = 0.1f;

/// The frame time handed to the screens: the elapsed time, at most maxFrameTime.
float clampFrameTime(sf::Time elapsed);

/// Counts shown frames and writes "FPS: N" once a second.
class FpsCounter
{
public:
    explicit FpsCounter(std::ostream& out);

    /// Counts one shown frame. When at least a second has passed since the last
    /// report, writes the count, starts counting again and returns true.
    bool frameShown(sf::Time sinceLastReport);

private:
    std::ostream& out;
    unsigned frames = 0;
};
