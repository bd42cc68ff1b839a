#include "world/LayerBands.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace
{
/// The image rows a window row may show when the image is stretched to
/// `windowHeight`: the nominal one, and its neighbour when the row's centre
/// falls too close to a boundary to be sure which one the rasterizer picks.
std::pair<unsigned, unsigned> sampledRows(unsigned windowRow, unsigned imageHeight,
                                          unsigned windowHeight)
{
    const double v = (windowRow + 0.5) * imageHeight / windowHeight;
    const auto clampRow = [imageHeight](double row)
    { return static_cast<unsigned>(std::clamp(row, 0.0, imageHeight - 1.0)); };
    return {clampRow(std::floor(v - 1e-3)), clampRow(std::floor(v + 1e-3))};
}

/// The runs of set flags.
std::vector<LayerBands::Run> runsOf(const std::vector<bool>& flags)
{
    std::vector<LayerBands::Run> runs;
    const auto width = static_cast<unsigned>(flags.size());
    for (unsigned x = 0; x < width;)
    {
        if (!flags[x])
        {
            ++x;
            continue;
        }
        unsigned end = x;
        while (end < width && flags[end])
            ++end;
        runs.push_back({x, end});
        x = end;
    }
    return runs;
}

/// What image rows [first, last] of an image hold, column by column.
LayerBands::Columns columnsOf(const sf::Image& image, unsigned first, unsigned last)
{
    const unsigned width = image.getSize().x;
    const sf::Uint8* pixels = image.getPixelsPtr();
    std::vector<bool> shown(width, false);
    std::vector<bool> opaque(width, true);
    for (unsigned row = first; row <= last; ++row)
        for (unsigned x = 0; x < width; ++x)
        {
            const sf::Uint8 alpha = pixels[(std::size_t{row} * width + x) * 4 + 3];
            shown[x] = shown[x] || alpha > 0;
            opaque[x] = opaque[x] && alpha == 255;
        }
    return {runsOf(shown), runsOf(opaque)};
}
} // namespace

LayerBands::LayerBands(const std::vector<sf::Image>& images, sf::Vector2u windowSize,
                       unsigned bandHeight)
{
    std::vector<unsigned> blockRows;
    for (const sf::Image& image : images)
    {
        const sf::Vector2u size = image.getSize();
        const bool empty = size.x == 0 || size.y == 0;
        columns.push_back(empty ? 0 : size.x);
        // Image rows per band, so that a band is about `bandHeight` window rows.
        blockRows.push_back(
            empty || windowSize.y == 0
                ? 1
                : std::max(1u, static_cast<unsigned>(static_cast<double>(bandHeight) * size.y /
                                                     windowSize.y)));
    }
    if (windowSize.y == 0)
        return;

    // A band ends where any layer's window rows move on to its next block of
    // image rows; a row that may show either of two blocks keeps both apart.
    const auto blocksAt = [&](unsigned y)
    {
        std::vector<std::pair<unsigned, unsigned>> blocks;
        for (std::size_t layer = 0; layer < images.size(); ++layer)
        {
            if (columns[layer] == 0)
                continue;
            const auto [a, b] = sampledRows(y, images[layer].getSize().y, windowSize.y);
            blocks.emplace_back(a / blockRows[layer], b / blockRows[layer]);
        }
        return blocks;
    };

    for (unsigned top = 0; top < windowSize.y;)
    {
        const auto blocks = blocksAt(top);
        unsigned bottom = top + 1;
        while (bottom < windowSize.y && blocksAt(bottom) == blocks)
            ++bottom;

        Band band{static_cast<int>(top), static_cast<int>(bottom), {}};
        for (std::size_t layer = 0; layer < images.size(); ++layer)
        {
            if (columns[layer] == 0)
            {
                band.layers.emplace_back();
                continue;
            }
            const unsigned height = images[layer].getSize().y;
            band.layers.push_back(columnsOf(images[layer],
                                            sampledRows(top, height, windowSize.y).first,
                                            sampledRows(bottom - 1, height, windowSize.y).second));
        }
        bands.push_back(std::move(band));
        top = bottom;
    }
}

bool LayerBands::fillWindow() const
{
    if (bands.empty())
        return false;
    return std::all_of(bands.begin(), bands.end(),
                       [this](const Band& band)
                       {
                           for (std::size_t layer = 0; layer < band.layers.size(); ++layer)
                           {
                               const std::vector<Run>& opaque = band.layers[layer].opaque;
                               if (opaque.size() == 1 && opaque.front().begin == 0 &&
                                   opaque.front().end == columns[layer])
                                   return true;
                           }
                           return false;
                       });
}
