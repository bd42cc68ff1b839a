#include "world/LayerCoverage.hpp"

#include <algorithm>
#include <cmath>

namespace
{
// Image rows are looked at in blocks of this many when deciding where the
// columns to draw change.
constexpr unsigned rowBlock = 8;

/// What the rows of an image hold.
struct RowTable
{
    explicit RowTable(const sf::Image& image) : size(image.getSize())
    {
        opaque.assign(size.y, true);
        content.assign(std::size_t{size.x} * size.y, false);
        for (unsigned y = 0; y < size.y; ++y)
            for (unsigned x = 0; x < size.x; ++x)
            {
                const sf::Uint8 alpha = image.getPixel(x, y).a;
                content[std::size_t{y} * size.x + x] = alpha > 0;
                opaque[y] = opaque[y] && alpha == 255;
            }
    }

    bool empty() const { return size.x == 0 || size.y == 0; }

    sf::Vector2u size;
    std::vector<bool> opaque;  ///< no pixel of the row lets anything through
    std::vector<bool> content; ///< the pixel is not fully transparent
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

using Ranges = std::vector<std::pair<unsigned, unsigned>>;

/// A run of window rows that show the same block of image rows.
struct Run
{
    unsigned top;
    unsigned bottom;
    bool opaque;               ///< every row it shows is opaque
    std::vector<bool> columns; ///< the image columns with content in its rows
};

/// A stretch of window rows drawn with one set of column ranges.
struct Band
{
    unsigned top;
    unsigned bottom;
    Ranges ranges;
    bool opaque;
    double cost; ///< in pixels filled, patches counted at their cost
};

/// The band that draws runs [first, last] together: the union of their
/// columns, with a gap filled over where that costs less than another patch
/// (about one and a half patches per range, as two copies of a layer share
/// the view; a range across the whole image serves every copy at once).
Band bandOf(const std::vector<Run>& runs, std::size_t first, std::size_t last,
            const std::vector<bool>& columns, double columnWidth, double patchCost)
{
    const unsigned top = runs[first].top;
    const unsigned bottom = runs[last].bottom;
    const double height = bottom - top;
    const unsigned width = static_cast<unsigned>(columns.size());

    Ranges ranges;
    for (unsigned x = 0; x < width;)
    {
        if (!columns[x])
        {
            ++x;
            continue;
        }
        unsigned end = x;
        while (end < width && columns[end])
            ++end;
        if (!ranges.empty() && (x - ranges.back().second) * columnWidth * height < 1.5 * patchCost)
            ranges.back().second = end;
        else
            ranges.emplace_back(x, end);
        x = end;
    }

    double area = 0;
    for (const auto& [left, right] : ranges)
        area += (right - left) * columnWidth * height;
    const bool full =
        ranges.size() == 1 && ranges.front().first == 0 && ranges.front().second == width;
    const double patches = full ? 1.0 : 1.5 * static_cast<double>(ranges.size());
    return {top, bottom, std::move(ranges), runs[first].opaque, area + patches * patchCost};
}

/// The cheapest way to split the runs into bands. Opaque runs join only
/// opaque neighbours right next to them, so that no row they take in would
/// need blending.
std::vector<Band> cheapestBands(const std::vector<Run>& runs, double columnWidth, double patchCost)
{
    const std::size_t n = runs.size();
    std::vector<double> best(n + 1, 0.0);
    std::vector<Band> lastBand(n + 1);
    for (std::size_t end = 1; end <= n; ++end)
    {
        best[end] = -1.0;
        std::vector<bool> columns(runs[end - 1].columns.size(), false);
        for (std::size_t first = end; first-- > 0;)
        {
            const Run& run = runs[first];
            if (first + 1 < end && (run.opaque != runs[end - 1].opaque ||
                                    (run.opaque && run.bottom != runs[first + 1].top)))
                break;
            for (std::size_t x = 0; x < columns.size(); ++x)
                columns[x] = columns[x] || run.columns[x];
            Band band = bandOf(runs, first, end - 1, columns, columnWidth, patchCost);
            if (best[end] < 0.0 || best[first] + band.cost < best[end])
            {
                best[end] = best[first] + band.cost;
                lastBand[end] = std::move(band);
            }
        }
    }
    std::vector<Band> bands;
    for (std::size_t end = n; end > 0;)
    {
        Band band = lastBand[end];
        // Find where this band starts among the runs.
        std::size_t first = end - 1;
        while (runs[first].top != band.top)
            --first;
        bands.push_back(std::move(band));
        end = first;
    }
    std::reverse(bands.begin(), bands.end());
    return bands;
}
} // namespace

std::vector<LayerCoverage> LayerCoverage::analyse(const std::vector<sf::Image>& images,
                                                  sf::Vector2u windowSize, double patchCost)
{
    std::vector<RowTable> tables;
    for (const sf::Image& image : images)
        tables.emplace_back(image);

    std::vector<LayerCoverage> coverages(images.size());
    for (std::size_t layer = 0; layer < tables.size(); ++layer)
    {
        const RowTable& table = tables[layer];
        if (table.empty() || windowSize.y == 0)
            continue;
        const double columnWidth = static_cast<double>(windowSize.x) / table.size.x;

        // The window rows this layer shows in, and the block of image rows
        // each belongs to (-1 where nothing of it can show).
        std::vector<int> blockOfRow(windowSize.y, -1);
        for (unsigned y = 0; y < windowSize.y; ++y)
        {
            bool covered = false;
            for (std::size_t nearer = layer + 1; nearer < tables.size() && !covered; ++nearer)
            {
                const RowTable& front = tables[nearer];
                if (front.empty())
                    continue;
                const auto [a, b] = sampledRows(y, front.size.y, windowSize.y);
                covered = front.opaque[a] && front.opaque[b];
            }
            const auto [a, b] = sampledRows(y, table.size.y, windowSize.y);
            const auto hasContent = [&table](unsigned row)
            {
                const auto begin =
                    table.content.begin() +
                    static_cast<std::ptrdiff_t>(row) * static_cast<std::ptrdiff_t>(table.size.x);
                return std::find(begin, begin + table.size.x, true) != begin + table.size.x;
            };
            // Opaque rows and others fall in different blocks: only the first
            // can be drawn without blending.
            const bool opaque = table.opaque[a] && table.opaque[b];
            if (!covered && (hasContent(a) || hasContent(b)))
                blockOfRow[y] = static_cast<int>(a / rowBlock) * 2 + (opaque ? 1 : 0);
        }

        // Runs of window rows showing one block of image rows, then the
        // cheapest bands they can be drawn in.
        std::vector<Run> runs;
        for (unsigned y = 0; y < windowSize.y;)
        {
            if (blockOfRow[y] < 0)
            {
                ++y;
                continue;
            }
            unsigned end = y;
            while (end < windowSize.y && blockOfRow[end] == blockOfRow[y])
                ++end;
            Run run{y, end, blockOfRow[y] % 2 == 1, std::vector<bool>(table.size.x, false)};
            const unsigned first = sampledRows(y, table.size.y, windowSize.y).first;
            const unsigned last = sampledRows(end - 1, table.size.y, windowSize.y).second;
            for (unsigned row = first; row <= last; ++row)
                for (unsigned x = 0; x < table.size.x; ++x)
                    if (table.content[std::size_t{row} * table.size.x + x])
                        run.columns[x] = true;
            runs.push_back(std::move(run));
            y = end;
        }
        const std::vector<Band> bands = cheapestBands(runs, columnWidth, patchCost);

        for (const Band& band : bands)
        {
            for (const auto& [left, right] : band.ranges)
            {
                const bool fullWidth = left == 0 && right == table.size.x;
                // A joined band may take in gap rows that are not opaque.
                bool opaque = band.opaque && fullWidth;
                for (unsigned y = band.top; y < band.bottom && opaque; ++y)
                {
                    const auto [a, b] = sampledRows(y, table.size.y, windowSize.y);
                    opaque = table.opaque[a] && table.opaque[b];
                }
                coverages[layer].patches.push_back({static_cast<int>(band.top),
                                                    static_cast<int>(band.bottom), left, right,
                                                    fullWidth, opaque});
            }
        }
    }
    return coverages;
}

bool LayerCoverage::fillsWindow(const std::vector<sf::Image>& images, unsigned windowHeight)
{
    std::vector<RowTable> tables;
    for (const sf::Image& image : images)
        tables.emplace_back(image);
    for (unsigned y = 0; y < windowHeight; ++y)
    {
        bool filled = false;
        for (const RowTable& table : tables)
        {
            if (table.empty())
                continue;
            const auto [a, b] = sampledRows(y, table.size.y, windowHeight);
            filled = filled || (table.opaque[a] && table.opaque[b]);
        }
        if (!filled)
            return false;
    }
    return true;
}
