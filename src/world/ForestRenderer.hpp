#pragma once

#include "world/ClipPlanner.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

#include <vector>

/// Draws the forest's layers fast, with exactly the picture that drawing every
/// copy of every layer whole, back to front, gives. Each layer is still drawn
/// whole, but clipped (with the GL scissor) to the rectangles its ClipPlanner
/// gives; where it is opaque all over a rectangle, without blending. Drawing
/// in software pays for every pixel filled, and this fills most pixels of the
/// window once instead of three times.
class ForestRenderer
{
public:
    using Layer = ClipPlanner::Layer;
    using Clip = ClipPlanner::Clip;
    using Tuning = ClipPlanner::Tuning;

    /// What suits a window of this size.
    static Tuning tuningFor(sf::Vector2u windowSize) { return ClipPlanner::tuningFor(windowSize); }

    explicit ForestRenderer(Tuning tuning) : planner(tuning) {}

    /// Looks at the layer images (back to front) as stretched to a window of
    /// this size. Until then, and for any other target size, the layers are
    /// drawn whole.
    void prepare(const std::vector<sf::Image>& images, sf::Vector2u windowSize)
    {
        planner.prepare(images, windowSize);
    }

    /// Whether the layers, wherever they stand, leave nothing behind them to
    /// show anywhere in the window.
    bool fillsWindow() const { return planner.fillsWindow(); }

    /// Draws the layers into the target through its current view, which shows
    /// `view` of the world.
    void draw(sf::RenderTarget& target, const std::vector<Layer>& layers,
              const sf::FloatRect& view);

    /// Draws every copy of every layer whole: the plain way, for any target.
    static void drawWhole(sf::RenderTarget& target, const std::vector<Layer>& layers);

private:
    /// Whether the layers were looked at for this target, seen 1:1 through a
    /// view that only moves sideways, and are plain sprites of their images.
    bool ready(const sf::RenderTarget& target, const std::vector<Layer>& layers,
               const sf::FloatRect& view) const;

    ClipPlanner planner;
};
