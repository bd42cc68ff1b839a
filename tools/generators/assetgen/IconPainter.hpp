#pragma once

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>

#include <array>

/// Paints the game's desktop icon: the knight standing guard on a round
/// night-blue badge under a pale moon, at any square size.
class IconPainter
{
public:
    /// The sizes the desktop's icon theme gets, in pixels across.
    static constexpr std::array<unsigned, 8> sizes = {16, 22, 24, 32, 48, 64, 128, 256};

    IconPainter();

    /// The icon `size` pixels square.
    sf::Image icon(unsigned size) const;

private:
    /// The badge and the moon, smoothed at their edges.
    void paintBadge(sf::Image& icon) const;

    /// The knight scaled by `scale`, its box's top-left at (left, top); each
    /// icon pixel takes the average of the sprite area it covers.
    void paintKnight(sf::Image& icon, float scale, float left, float top) const;

    sf::Image knight;      ///< the first frame of the knight's idle sheet
    sf::IntRect knightBox; ///< the painted part of that frame
};
