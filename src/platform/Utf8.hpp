#pragma once

#include <SFML/System/String.hpp>

#include <string>

/// SFML reads a std::string through the current locale, which garbles UTF-8;
/// every text of the game is UTF-8, so it goes through here. It could go with
/// SFML 3, whose strings take UTF-8 as it is.
inline sf::String fromUtf8(const std::string& text)
{
    return sf::String::fromUtf8(text.begin(), text.end());
}
