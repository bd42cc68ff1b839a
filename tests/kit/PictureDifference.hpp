#pragma once

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <cstdlib>

/// The largest difference of any colour channel between two pictures, 255
/// when their sizes differ: how the fast drawings are held to the plain ones.
inline int largestDifference(const sf::Image& a, const sf::Image& b)
{
    if (a.getSize() != b.getSize())
        return 255;
    const sf::Uint8* p = a.getPixelsPtr();
    const sf::Uint8* q = b.getPixelsPtr();
    int largest = 0;
    for (std::size_t i = 0; i < std::size_t{a.getSize().x} * a.getSize().y * 4; ++i)
        largest = std::max(largest, std::abs(p[i] - q[i]));
    return largest;
}
