#pragma once

#include "Palette.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <string>
#include <vector>

/// Pixel painter over one rectangle of an sf::Image (a sprite frame or a whole layer).
///
/// Coordinates are local to the rectangle and pixel centres sit on whole numbers.
/// Nothing is ever written outside the rectangle: with wrapX the x coordinate wraps
/// around (for layers that repeat side by side), otherwise pixels outside are dropped.
class Canvas
{
public:
    Canvas(sf::Image& image, sf::IntRect area, bool wrapX = false);

    int width() const { return area.width; }
    int height() const { return area.height; }

    /// Colour at a local pixel; fully transparent outside the rectangle.
    sf::Color pixel(int x, int y) const;

    /// Replaces one pixel.
    void plot(int x, int y, sf::Color colour);

    /// Paints one pixel over what is there, honouring the colour's alpha.
    void blend(int x, int y, sf::Color colour);

    void fillRect(int left, int top, int w, int h, sf::Color colour);

    /// Line drawn with a round brush `thickness` pixels across.
    void line(sf::Vector2f from, sf::Vector2f to, sf::Color colour, int thickness = 1);

    void fillEllipse(sf::Vector2f centre, float radiusX, float radiusY, sf::Color colour);

    /// Even-odd scanline fill; points may be in any winding order.
    void fillPolygon(const std::vector<sf::Vector2f>& points, sf::Color colour);

    /// Copies a character template; keys the palette does not know are skipped.
    void stamp(const std::vector<std::string>& rows, const Palette& palette, int left, int top);

    /// Paints a whole image over this one (alpha blended), its top-left at (left, top).
    void paste(const sf::Image& source, int left, int top);

    /// Puts `colour` on every empty pixel that touches a painted one (4-neighbourhood),
    /// giving a sprite its one-pixel dark contour.
    void outline(sf::Color colour);

    /// 4x4 ordered-dither threshold in [0, 1) for a pixel, used to break colour bands.
    static float ditherThreshold(int x, int y);

private:
    /// Maps local coordinates to image coordinates; false when the pixel is clipped.
    bool locate(int& x, int& y) const;

    sf::Image& image;
    sf::IntRect area;
    bool wrapX;
};
