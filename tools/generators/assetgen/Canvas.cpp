#include "Canvas.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace
{
int roundToInt(float value)
{
    return static_cast<int>(std::lround(value));
}
} // namespace

Canvas::Canvas(sf::Image& image, sf::IntRect area, bool wrapX)
    : image(image), area(area), wrapX(wrapX)
{
    // Clip the rectangle to the image once so every later write is in bounds.
    const auto size = image.getSize();
    const sf::IntRect whole(0, 0, static_cast<int>(size.x), static_cast<int>(size.y));
    sf::IntRect clipped;
    if (!whole.intersects(area, clipped))
        clipped = sf::IntRect(area.left, area.top, 0, 0);
    this->area = clipped;
}

bool Canvas::locate(int& x, int& y) const
{
    if (y < 0 || y >= area.height || area.width <= 0)
        return false;
    if (wrapX)
        x = ((x % area.width) + area.width) % area.width;
    else if (x < 0 || x >= area.width)
        return false;
    x += area.left;
    y += area.top;
    return true;
}

sf::Color Canvas::pixel(int x, int y) const
{
    if (!locate(x, y))
        return sf::Color::Transparent;
    return image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
}

void Canvas::plot(int x, int y, sf::Color colour)
{
    if (locate(x, y))
        image.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y), colour);
}

void Canvas::blend(int x, int y, sf::Color colour)
{
    if (colour.a == 255 || pixel(x, y).a == 0)
    {
        plot(x, y, colour);
        return;
    }
    const sf::Color under = pixel(x, y);
    const float a = colour.a / 255.0f;
    const float outA = a + under.a / 255.0f * (1.0f - a);
    sf::Color mixed = Palette::mix(under, colour, a / outA);
    mixed.a = static_cast<sf::Uint8>(std::lround(outA * 255.0f));
    plot(x, y, mixed);
}

void Canvas::fillRect(int left, int top, int w, int h, sf::Color colour)
{
    for (int y = top; y < top + h; ++y)
        for (int x = left; x < left + w; ++x)
            plot(x, y, colour);
}

void Canvas::line(sf::Vector2f from, sf::Vector2f to, sf::Color colour, int thickness)
{
    // A round brush: a square with the corners cut once it is 3 or more pixels wide.
    const int d = std::max(1, thickness);
    const float r = d / 2.0f;
    const float limit = r * r - (d >= 3 ? 0.5f : -1.0f);
    std::vector<sf::Vector2i> brush;
    for (int j = 0; j < d; ++j)
        for (int i = 0; i < d; ++i)
        {
            const float dx = i + 0.5f - r;
            const float dy = j + 0.5f - r;
            if (dx * dx + dy * dy < limit)
                brush.emplace_back(i - (d - 1) / 2, j - (d - 1) / 2);
        }

    int x0 = roundToInt(from.x), y0 = roundToInt(from.y);
    const int x1 = roundToInt(to.x), y1 = roundToInt(to.y);
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (true)
    {
        for (const auto& b : brush)
            plot(x0 + b.x, y0 + b.y, colour);
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy)
        {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx)
        {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::fillEllipse(sf::Vector2f centre, float radiusX, float radiusY, sf::Color colour)
{
    if (radiusX <= 0.0f || radiusY <= 0.0f)
        return;
    const int top = static_cast<int>(std::floor(centre.y - radiusY));
    const int bottom = static_cast<int>(std::ceil(centre.y + radiusY));
    const int left = static_cast<int>(std::floor(centre.x - radiusX));
    const int right = static_cast<int>(std::ceil(centre.x + radiusX));
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
        {
            const float nx = (x - centre.x) / radiusX;
            const float ny = (y - centre.y) / radiusY;
            if (nx * nx + ny * ny <= 1.0f)
                plot(x, y, colour);
        }
}

void Canvas::fillPolygon(const std::vector<sf::Vector2f>& points, sf::Color colour)
{
    if (points.size() < 3)
        return;
    float minY = points.front().y, maxY = points.front().y;
    for (const auto& p : points)
    {
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    std::vector<float> crossings;
    for (int y = static_cast<int>(std::floor(minY)); y <= static_cast<int>(std::ceil(maxY)); ++y)
    {
        crossings.clear();
        const float sy = static_cast<float>(y);
        for (std::size_t i = 0; i < points.size(); ++i)
        {
            const sf::Vector2f a = points[i];
            const sf::Vector2f b = points[(i + 1) % points.size()];
            // Half-open on y so a shared vertex is counted once.
            if ((a.y <= sy && b.y > sy) || (b.y <= sy && a.y > sy))
                crossings.push_back(a.x + (sy - a.y) / (b.y - a.y) * (b.x - a.x));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
            for (int x = static_cast<int>(std::ceil(crossings[i]));
                 x <= static_cast<int>(std::floor(crossings[i + 1])); ++x)
                plot(x, y, colour);
    }
}

void Canvas::stamp(const std::vector<std::string>& rows, const Palette& palette, int left, int top)
{
    for (std::size_t j = 0; j < rows.size(); ++j)
        for (std::size_t i = 0; i < rows[j].size(); ++i)
            if (const auto colour = palette.find(rows[j][i]))
                plot(left + static_cast<int>(i), top + static_cast<int>(j), *colour);
}

void Canvas::paste(const sf::Image& source, int left, int top)
{
    const auto size = source.getSize();
    for (unsigned y = 0; y < size.y; ++y)
        for (unsigned x = 0; x < size.x; ++x)
        {
            const sf::Color colour = source.getPixel(x, y);
            if (colour.a != 0)
                blend(left + static_cast<int>(x), top + static_cast<int>(y), colour);
        }
}

void Canvas::outline(sf::Color colour)
{
    std::vector<sf::Vector2i> edge;
    for (int y = 0; y < area.height; ++y)
        for (int x = 0; x < area.width; ++x)
        {
            if (pixel(x, y).a != 0)
                continue;
            const bool touches = pixel(x - 1, y).a != 0 || pixel(x + 1, y).a != 0 ||
                                 pixel(x, y - 1).a != 0 || pixel(x, y + 1).a != 0;
            if (touches)
                edge.emplace_back(x, y);
        }
    for (const auto& p : edge)
        plot(p.x, p.y, colour);
}

float Canvas::ditherThreshold(int x, int y)
{
    static constexpr int bayer[4][4] = {
        {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (bayer[((y % 4) + 4) % 4][((x % 4) + 4) % 4] + 0.5f) / 16.0f;
}
