#pragma once

#include "Canvas.hpp"
#include "Palette.hpp"
#include "Rng.hpp"

#include <SFML/Graphics/Image.hpp>

#include <cstdint>

/// Paints the ground tileset: mossy stone blocks, a stone pillar, plain earth and the
/// grass-topped earth tile the levels are built from.
///
/// The earth and grass strips repeat every 36 pixels, so any 36-pixel-wide tile cut
/// from them joins its neighbours without a seam. Pixel (0, 0) is left transparent
/// because the game stretches it over empty map cells.
class GroundPainter
{
public:
    static constexpr int sheetWidth = 384;
    static constexpr int sheetHeight = 144;
    static constexpr int tileSize = 36;

    explicit GroundPainter(std::uint64_t seed = 0x6A055ull);

    /// The whole sheet.
    sf::Image tileset() const;

    /// One grass-topped earth tile, 36x36.
    sf::Image grassTile() const;

private:
    void paintEarth(Canvas& canvas, Rng& rng, int top) const;
    void paintGrass(Canvas& canvas, Rng& rng) const;
    void paintStones(Canvas& canvas, Rng& rng, int rowHeight, int brickWidth, bool mossy) const;
    void paintRock(Canvas& canvas, Rng& rng) const;

    /// Strip of repeating 36-pixel tiles covering a row of the sheet.
    void repeatAcross(sf::Image& sheet, const sf::Image& tile, int offsetX, int top) const;

    std::uint64_t seed;
    Palette palette;
};
