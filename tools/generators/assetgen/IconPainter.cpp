#include "IconPainter.hpp"

#include "HeroPainter.hpp"
#include "Palette.hpp"

#include <algorithm>
#include <cmath>

namespace
{
const sf::Color sky(30, 30, 60);
const sf::Color rim(72, 78, 132);
const sf::Color moon(236, 232, 200);

/// The rectangle of pixels that are not fully transparent.
sf::IntRect paintedBox(const sf::Image& image)
{
    const sf::Vector2u size = image.getSize();
    int left = static_cast<int>(size.x), top = static_cast<int>(size.y), right = -1, bottom = -1;
    for (unsigned y = 0; y < size.y; ++y)
        for (unsigned x = 0; x < size.x; ++x)
            if (image.getPixel(x, y).a != 0)
            {
                left = std::min(left, static_cast<int>(x));
                right = std::max(right, static_cast<int>(x));
                top = std::min(top, static_cast<int>(y));
                bottom = std::max(bottom, static_cast<int>(y));
            }
    return {left, top, right - left + 1, bottom - top + 1};
}

/// How much of the pixel at (x, y) lies within `inside`, sampled 4 by 4.
template <typename Shape> float coverage(unsigned x, unsigned y, Shape inside)
{
    int hits = 0;
    for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx)
            hits += inside(x + (sx + 0.5f) / 4.0f, y + (sy + 0.5f) / 4.0f) ? 1 : 0;
    return hits / 16.0f;
}

/// Lays `colour` over the pixel with the given share of its alpha.
void blendOver(sf::Image& image, unsigned x, unsigned y, sf::Color colour, float share)
{
    const sf::Color under = image.getPixel(x, y);
    const float a = colour.a / 255.0f * share;
    const float outA = a + under.a / 255.0f * (1.0f - a);
    if (outA <= 0.0f)
        return;
    sf::Color mixed = Palette::mix(under.a == 0 ? colour : under, colour, a / outA);
    mixed.a = static_cast<sf::Uint8>(std::lround(outA * 255.0f));
    image.setPixel(x, y, mixed);
}
} // namespace

IconPainter::IconPainter()
{
    const sf::Image sheet = HeroPainter().idleSheet();
    knight.create(HeroPainter::frameWidth, HeroPainter::frameHeight, sf::Color::Transparent);
    knight.copy(sheet, 0, 0, {0, 0, HeroPainter::frameWidth, HeroPainter::frameHeight});
    knightBox = paintedBox(knight);
}

sf::Image IconPainter::icon(unsigned size) const
{
    sf::Image image;
    image.create(size, size, sf::Color::Transparent);
    paintBadge(image);

    // Large icons keep the sprite's pixels crisp at a whole multiple; small
    // ones shrink it to nearly fill the badge, each pixel an average.
    const float whole = std::floor(0.9f * size / knightBox.height);
    const float scale = whole >= 2.0f ? whole : 0.88f * size / knightBox.height;
    const float left = std::round((size - knightBox.width * scale) / 2.0f);
    const float top = std::round((size - knightBox.height * scale) / 2.0f);
    paintKnight(image, scale, left, top);
    return image;
}

void IconPainter::paintBadge(sf::Image& icon) const
{
    const float size = static_cast<float>(icon.getSize().x);
    const float centre = size / 2.0f;
    const float radius = size * 0.48f;
    const float rimWidth = std::max(1.0f, size / 32.0f);
    const float moonX = size * 0.3f, moonY = size * 0.3f, moonRadius = size * 0.15f;
    const auto within = [](float x, float y, float cx, float cy, float r)
    { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };

    for (unsigned y = 0; y < icon.getSize().y; ++y)
        for (unsigned x = 0; x < icon.getSize().x; ++x)
        {
            blendOver(icon, x, y, rim,
                      coverage(x, y,
                               [&](float px, float py)
                               { return within(px, py, centre, centre, radius); }));
            blendOver(icon, x, y, sky,
                      coverage(x, y,
                               [&](float px, float py)
                               { return within(px, py, centre, centre, radius - rimWidth); }));
            // A crescent: the moon's disc less a disc shifted toward the lower right.
            blendOver(icon, x, y, moon,
                      coverage(x, y,
                               [&](float px, float py)
                               {
                                   return within(px, py, moonX, moonY, moonRadius) &&
                                          !within(px, py, moonX + moonRadius * 0.5f,
                                                  moonY + moonRadius * 0.3f, moonRadius * 0.9f);
                               }));
        }
}

void IconPainter::paintKnight(sf::Image& icon, float scale, float left, float top) const
{
    const int size = static_cast<int>(icon.getSize().x);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
        {
            // The icon pixel's square in sprite coordinates.
            const float x0 = (x - left) / scale + knightBox.left;
            const float x1 = (x + 1 - left) / scale + knightBox.left;
            const float y0 = (y - top) / scale + knightBox.top;
            const float y1 = (y + 1 - top) / scale + knightBox.top;
            if (x1 <= knightBox.left || y1 <= knightBox.top ||
                x0 >= knightBox.left + knightBox.width || y0 >= knightBox.top + knightBox.height)
                continue;

            // Colours weighted by alpha, so transparent pixels lend no colour.
            float r = 0.0f, g = 0.0f, b = 0.0f, a = 0.0f;
            for (int sy = static_cast<int>(std::floor(y0)); sy < std::ceil(y1); ++sy)
                for (int sx = static_cast<int>(std::floor(x0)); sx < std::ceil(x1); ++sx)
                {
                    if (sx < 0 || sy < 0 || sx >= static_cast<int>(knight.getSize().x) ||
                        sy >= static_cast<int>(knight.getSize().y))
                        continue;
                    const float overlap =
                        (std::min(x1, sx + 1.0f) - std::max(x0, static_cast<float>(sx))) *
                        (std::min(y1, sy + 1.0f) - std::max(y0, static_cast<float>(sy)));
                    const sf::Color c =
                        knight.getPixel(static_cast<unsigned>(sx), static_cast<unsigned>(sy));
                    const float weight = overlap * c.a / 255.0f;
                    r += c.r * weight;
                    g += c.g * weight;
                    b += c.b * weight;
                    a += weight;
                }
            const float area = (x1 - x0) * (y1 - y0);
            if (a <= 0.0f)
                continue;
            const sf::Color average(static_cast<sf::Uint8>(std::lround(r / a)),
                                    static_cast<sf::Uint8>(std::lround(g / a)),
                                    static_cast<sf::Uint8>(std::lround(b / a)));
            blendOver(icon, static_cast<unsigned>(x), static_cast<unsigned>(y), average,
                      std::min(1.0f, a / area));
        }
}
