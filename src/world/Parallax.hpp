#pragma once

#include <cmath>

/// How far right of the hero the camera aims, so the hero runs left of centre.
inline constexpr float cameraLead = 200.f;

/// Where the first of a parallax layer's side-by-side copies starts, in world
/// x, so the copies cover the view from its left edge on. A layer of `factor`
/// scrolls at that share of the camera's speed; `layerWidth` is its drawn width.
/// The layers sit still when the camera is centred `cameraLead` right of
/// x = 0, where the camera rests with the hero at the world's origin.
inline float parallaxStart(float cameraCentreX, float viewWidth, float factor, float layerWidth)
{
    const float left = cameraCentreX - viewWidth * 0.5f;
    const float base = cameraCentreX - cameraLead;
    // The remainder takes the sign of the dividend, so it lies within one layer width.
    const float offset = std::fmod(base * factor, layerWidth);
    float start = left - offset;
    if (start > left)
        start -= layerWidth;
    return start;
}
