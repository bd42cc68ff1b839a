#include "world/LayerCoverage.hpp"

#include <algorithm>
#include <cmath>

namespace
{
// Layers are looked at in square cells of this many image pixels.
constexpr unsigned cellSize = 16;

enum class Cell
{
    Empty,
    Translucent,
    Opaque
};

/// What each pixel row of an image lets through.
struct RowTable
{
    explicit RowTable(const sf::Image& image) : image(image), size(image.getSize())
    {
        opaque.assign(size.y, true);
        for (unsigned y = 0; y < size.y; ++y)
            for (unsigned x = 0; x < size.x && opaque[y]; ++x)
                opaque[y] = image.getPixel(x, y).a == 255;
    }

    const sf::Image& image;
    sf::Vector2u size;
    std::vector<bool> opaque; ///< no pixel of the row lets anything through
};

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

/// The image rows of layer `layer` that show in some window row: rows whose
/// every window row lies under an opaque row of a nearer layer never show.
std::vector<bool> visibleRows(const std::vector<RowTable>& tables, std::size_t layer,
                              unsigned windowHeight)
{
    std::vector<bool> visible(tables[layer].size.y, false);
    for (unsigned y = 0; y < windowHeight; ++y)
    {
        bool covered = false;
        for (std::size_t nearer = layer + 1; nearer < tables.size() && !covered; ++nearer)
        {
            const RowTable& front = tables[nearer];
            if (front.size.y == 0)
                continue;
            const auto [a, b] = sampledRows(y, front.size.y, windowHeight);
            covered = front.opaque[a] && front.opaque[b];
        }
        if (covered)
            continue;
        const auto [a, b] = sampledRows(y, tables[layer].size.y, windowHeight);
        visible[a] = true;
        visible[b] = true;
    }
    return visible;
}

Cell classify(const sf::Image& image, unsigned left, unsigned top, unsigned right, unsigned bottom,
              const std::vector<bool>& visible)
{
    bool any = false;
    bool all = true;
    bool shows = false;
    for (unsigned y = top; y < bottom; ++y)
    {
        shows = shows || visible[y];
        for (unsigned x = left; x < right; ++x)
        {
            const sf::Uint8 alpha = image.getPixel(x, y).a;
            any = any || alpha > 0;
            all = all && alpha == 255;
        }
    }
    if (!any || !shows)
        return Cell::Empty;
    return all ? Cell::Opaque : Cell::Translucent;
}

void appendQuad(sf::VertexArray& quads, float left, float top, float right, float bottom)
{
    // Positions and texture coordinates alike are the image's own pixels.
    quads.append(sf::Vertex({left, top}, {left, top}));
    quads.append(sf::Vertex({right, top}, {right, top}));
    quads.append(sf::Vertex({right, bottom}, {right, bottom}));
    quads.append(sf::Vertex({left, bottom}, {left, bottom}));
}
} // namespace

std::vector<LayerCoverage> LayerCoverage::analyse(const std::vector<sf::Image>& images,
                                                  unsigned windowHeight)
{
    std::vector<RowTable> tables;
    for (const sf::Image& image : images)
        tables.emplace_back(image);

    std::vector<LayerCoverage> coverages(images.size());
    for (std::size_t layer = 0; layer < tables.size(); ++layer)
    {
        const RowTable& table = tables[layer];
        if (table.size.x == 0 || table.size.y == 0)
            continue;
        const std::vector<bool> visible = visibleRows(tables, layer, windowHeight);

        for (unsigned top = 0; top < table.size.y; top += cellSize)
        {
            const unsigned bottom = std::min(top + cellSize, table.size.y);
            // Neighbouring cells of one kind along a row become one quad.
            unsigned runStart = 0;
            Cell runKind = Cell::Empty;
            for (unsigned left = 0; left <= table.size.x; left += cellSize)
            {
                const Cell kind =
                    left < table.size.x
                        ? classify(table.image, left, top, std::min(left + cellSize, table.size.x),
                                   bottom, visible)
                        : Cell::Empty;
                if (kind == runKind)
                    continue;
                if (runKind != Cell::Empty)
                    appendQuad(runKind == Cell::Opaque ? coverages[layer].opaque
                                                       : coverages[layer].translucent,
                               static_cast<float>(runStart), static_cast<float>(top),
                               static_cast<float>(std::min(left, table.size.x)),
                               static_cast<float>(bottom));
                runStart = left;
                runKind = kind;
            }
        }
    }
    return coverages;
}
