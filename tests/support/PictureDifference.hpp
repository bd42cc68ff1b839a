#pragma once

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <cstdlib>

/// The largest difference of any colour channel between two pictures of the
/// same size.
inline int largestDifference(const sf::Image& a, const sf::Image& b)
{
    const sf::Uint8* p = a.getPixelsPtr();
    const sf::Uint8* q = b.getPixelsPtr();
    int largest = 0;
    for (std::size_t i = 0; i < std::size_t{a.getSize().x} * a.getSize().y * 4; ++i)
        largest = std::max(largest, std::abs(p[i] - q[i]));
    return largest;
}
