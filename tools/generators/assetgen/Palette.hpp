#pragma once

#include <SFML/Graphics/Color.hpp>

#include <initializer_list>
#include <map>
#include <optional>
#include <utility>

/// Named colours for a sprite template, plus the colour arithmetic the painters share.
///
/// Each template row is a string of keys; a key with no colour (such as '.') is left
/// untouched, so templates can be stamped over other parts.
class Palette
{
public:
    Palette(std::initializer_list<std::pair<const char, sf::Color>> entries) : colours(entries) {}

    /// The colour for a key, or nothing for keys that mean "leave this pixel alone".
    std::optional<sf::Color> find(char key) const;

    /// The colour for a key that must exist; a missing key shows as loud magenta so
    /// the mistake is visible in the art instead of crashing the generator.
    sf::Color operator[](char key) const { return find(key).value_or(sf::Color::Magenta); }

    /// Linear blend from a (t = 0) to b (t = 1); t is clamped.
    static sf::Color mix(sf::Color a, sf::Color b, float t);

    /// Multiplies the colour channels by factor (below 1 darkens), keeping alpha.
    static sf::Color scale(sf::Color colour, float factor);

    /// Same colour with a different alpha.
    static sf::Color withAlpha(sf::Color colour, sf::Uint8 alpha);

private:
    std::map<char, sf::Color> colours;
};
