#pragma once

#include <SFML/Graphics/Text.hpp>

#include <string>

/// What a text shows, as UTF-8, to compare with the game's own strings.
inline std::string textOf(const sf::Text& text)
{
    const auto bytes = text.getString().toUtf8();
    return std::string(bytes.begin(), bytes.end());
}
