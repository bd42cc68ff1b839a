#include "settings_screen/ResolutionOption.hpp"

#include "platform/Utf8.hpp"

namespace
{
constexpr unsigned labelSize = 24;
}

std::string formatResolution(sf::Vector2u resolution)
{
    return std::to_string(resolution.x) + "x" + std::to_string(resolution.y);
}

ResolutionOption::ResolutionOption(const sf::Font& font, const std::string& label, unsigned width,
                                   unsigned height, float x, float y)
    : text(fromUtf8(label), font, labelSize), width(width), height(height)
{
    text.setPosition(x, y);
    text.setFillColor(sf::Color::White);
}

void ResolutionOption::setSelected(bool isSelected)
{
    selected = isSelected;
    text.setFillColor(isSelected ? sf::Color::Green : sf::Color::White);
}
