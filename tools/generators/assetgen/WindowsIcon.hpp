#pragma once

#include <SFML/Graphics/Image.hpp>

#include <cstdint>
#include <vector>

/// A Windows icon file (.ico) holding square pictures of several sizes, each
/// as a 32-bit bitmap with its alpha, as Windows' resource compiler takes
/// them for an executable's icon.
class WindowsIcon
{
public:
    /// Adds a picture, square and at most 256 pixels across.
    void add(const sf::Image& picture);

    /// The whole file.
    std::vector<std::uint8_t> bytes() const;

private:
    std::vector<sf::Image> pictures;
};
