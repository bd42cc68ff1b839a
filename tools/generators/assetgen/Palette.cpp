#include "Palette.hpp"

#include <algorithm>
#include <cmath>

namespace
{
sf::Uint8 toChannel(float value)
{
    return static_cast<sf::Uint8>(std::clamp(std::lround(value), 0L, 255L));
}
} // namespace

std::optional<sf::Color> Palette::find(char key) const
{
    const auto it = colours.find(key);
    if (it == colours.end())
        return std::nullopt;
    return it->second;
}

sf::Color Palette::mix(sf::Color a, sf::Color b, float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    const auto lerp = [t](sf::Uint8 x, sf::Uint8 y) { return toChannel(x + (y - x) * t); };
    return {lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b), lerp(a.a, b.a)};
}

sf::Color Palette::scale(sf::Color colour, float factor)
{
    return {toChannel(colour.r * factor), toChannel(colour.g * factor),
            toChannel(colour.b * factor), colour.a};
}

sf::Color Palette::withAlpha(sf::Color colour, sf::Uint8 alpha)
{
    colour.a = alpha;
    return colour;
}
