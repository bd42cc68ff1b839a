#pragma once

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <string>

/// A resolution as the settings screen writes it, e.g. "1280x720".
std::string formatResolution(sf::Vector2u resolution);

/// One entry of the settings screen's resolution list.
struct ResolutionOption
{
    ResolutionOption(const sf::Font& font, const std::string& label, unsigned width,
                     unsigned height, float x, float y);

    /// Marks the entry as the chosen one (green) or not (white).
    void setSelected(bool isSelected);

    sf::Vector2u resolution() const { return {width, height}; }

    sf::Text text;
    std::uint32_t width;
    std::uint32_t height;
    bool selected = false;
};
