#include "GroundPainter.hpp"

#include <cmath>

namespace
{
constexpr float turn = 6.2831853f;

int px(float v)
{
    return static_cast<int>(std::lround(v));
}

/// A wave that repeats exactly once every `period` pixels (times `cycles`).
float periodic(int x, int period, int cycles, float phase)
{
    return std::sin(phase + turn * cycles * static_cast<float>(x) / period);
}
} // namespace

GroundPainter::GroundPainter(std::uint64_t seed)
    : seed(seed), palette{
                      {'o', {24, 14, 32}},    // outline
                      {'a', {118, 76, 78}},   // top soil
                      {'b', {94, 58, 68}},    // earth
                      {'c', {72, 44, 60}},    // deeper earth
                      {'d', {54, 32, 52}},    // deepest earth
                      {'D', {36, 22, 40}},    // pebble rims, cracks
                      {'r', {62, 38, 48}},    // roots
                      {'s', {104, 96, 130}},  // stone
                      {'S', {148, 140, 174}}, // stone highlight
                      {'t', {72, 64, 96}},    // stone shadow
                      {'m', {40, 32, 56}},    // mortar
                      {'g', {34, 84, 86}},    // grass shadow
                      {'G', {56, 128, 110}},  // grass
                      {'h', {98, 176, 136}},  // grass light
                      {'H', {170, 226, 172}}, // grass tips
                  }
{
}

void GroundPainter::paintEarth(Canvas& canvas, Rng& rng, int top) const
{
    // Three wavy strata boundaries, each repeating across the tile; the dither
    // softens them into a one-pixel blend.
    const float phases[3] = {rng.unit() * turn, rng.unit() * turn, rng.unit() * turn};
    const float depths[3] = {6.0f, 14.0f, 23.0f};
    const char layers[4] = {'a', 'b', 'c', 'd'};
    for (int y = top; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
        {
            const float depth =
                static_cast<float>(y - top) + (Canvas::ditherThreshold(x, y) - 0.5f) * 0.9f;
            int layer = 0;
            for (int k = 0; k < 3; ++k)
                if (depth > depths[k] + 1.8f * periodic(x, tileSize, k + 1, phases[k]))
                    layer = k + 1;
            canvas.plot(x, y, palette[layers[layer]]);
        }
    // Grain: scattered lighter and darker crumbs.
    for (int i = 0; i < 30; ++i)
    {
        const int x = rng.range(0, tileSize - 1);
        const int y = rng.range(top + 1, canvas.height() - 1);
        canvas.plot(x, y, palette[rng.chance(0.5f) ? 'D' : 'a']);
    }
    // A pair of roots near the top.
    for (int i = 0; i < 2; ++i)
    {
        int x = rng.range(0, tileSize - 1);
        for (int y = top + 2; y < top + rng.range(7, 12); ++y)
        {
            canvas.plot(x, y, palette['r']);
            x += rng.range(-1, 1);
        }
    }
    // Pebbles with a dark rim, lit from the top left.
    for (int i = 0; i < 3; ++i)
    {
        const float cx = static_cast<float>(i * 12 + rng.range(0, 8));
        const float cy = static_cast<float>(rng.range(top + 10, canvas.height() - 5));
        const float rx = rng.between(2.6f, 4.0f), ry = rng.between(1.8f, 2.6f);
        canvas.fillEllipse({cx, cy}, rx + 0.8f, ry + 0.8f, palette['d']);
        canvas.fillEllipse({cx, cy}, rx, ry, palette['s']);
        canvas.fillEllipse({cx, cy + ry * 0.5f}, rx * 0.8f, ry * 0.5f, palette['t']);
        canvas.fillEllipse({cx - rx * 0.3f, cy - ry * 0.45f}, rx * 0.45f, ry * 0.35f, palette['S']);
    }
}

void GroundPainter::paintGrass(Canvas& canvas, Rng& rng) const
{
    // Turf band with a wavy underside and a few drips hanging into the earth.
    const float phase = rng.unit() * turn;
    int drips[tileSize] = {};
    for (int i = 0; i < 4; ++i)
    {
        const int x = rng.range(0, tileSize - 1);
        const int length = rng.range(2, 4);
        for (int dx = -1; dx <= 1; ++dx)
        {
            int& d = drips[((x + dx) % tileSize + tileSize) % tileSize];
            d = std::max(d, dx == 0 ? length : length - 2);
        }
    }
    const float topPhase = rng.unit() * turn;
    for (int x = 0; x < tileSize; ++x)
    {
        const int top = 5 + px(0.8f * periodic(x, tileSize, 3, topPhase));
        const int bottom = 10 + px(1.4f * periodic(x, tileSize, 2, phase)) + drips[x];
        for (int y = top; y <= bottom; ++y)
        {
            const char key = y == top ? 'h' : (y >= bottom - 1 ? 'g' : 'G');
            canvas.plot(x, y, palette[key]);
        }
    }
    // Tufts of two or three blades fanning out of the turf.
    for (int i = 0; i < 11; ++i)
    {
        const int x = rng.range(0, tileSize - 1);
        const int blades = rng.range(2, 3);
        for (int b = 0; b < blades; ++b)
        {
            const int lean = b - blades / 2;
            // At most four pixels tall, so the tile's top row stays clear.
            const int tall = rng.range(2, 4) - (lean == 0 ? 0 : 1);
            for (int k = 1; k <= tall; ++k)
            {
                const int bx = x + (k * 2 > tall ? lean : 0);
                const int by = 6 - k;
                if (canvas.pixel(bx, by).a == 0 || k == tall)
                    canvas.plot(bx, by, palette[k == tall ? 'H' : 'h']);
            }
        }
    }
    // Light flecks in the turf.
    for (int i = 0; i < 10; ++i)
        canvas.plot(rng.range(0, tileSize - 1), rng.range(6, 8), palette['h']);
}

void GroundPainter::paintStones(Canvas& canvas, Rng& rng, int rowHeight, int brickWidth,
                                bool mossy) const
{
    canvas.fillRect(0, 0, canvas.width(), canvas.height(), palette['m']);
    for (int row = 0; row * rowHeight < canvas.height(); ++row)
    {
        const int top = row * rowHeight;
        int x = (row % 2 == 0) ? 0 : -brickWidth / 2;
        while (x < canvas.width())
        {
            const int w = brickWidth + rng.range(-3, 3);
            const int h = std::min(rowHeight, canvas.height() - top);
            // Brick body, highlight on top and left, shadow on bottom and right.
            canvas.fillRect(x + 1, top + 1, w - 1, h - 1, palette['s']);
            canvas.fillRect(x + 1, top + 1, w - 1, 1, palette['S']);
            canvas.fillRect(x + 1, top + 1, 1, h - 1, palette['S']);
            canvas.fillRect(x + 1, top + h - 1, w - 1, 1, palette['t']);
            canvas.fillRect(x + w - 1, top + 1, 1, h - 1, palette['t']);
            if (rng.chance(0.4f))
            {
                // A hairline crack.
                int cx = x + rng.range(3, std::max(3, w - 4));
                for (int cy = top + 2; cy < top + h - 2; ++cy)
                {
                    canvas.plot(cx, cy, palette['D']);
                    cx += rng.range(-1, 1);
                }
            }
            x += w;
        }
    }
    if (!mossy)
        return;
    // Moss creeping over the top edge.
    for (int x = 0; x < canvas.width(); ++x)
    {
        const int depth = 1 + rng.range(0, 2) + (rng.chance(0.15f) ? rng.range(2, 5) : 0);
        for (int y = 0; y < depth; ++y)
            canvas.plot(x, y, palette[y == 0 ? 'h' : (y == depth - 1 ? 'g' : 'G')]);
    }
}

void GroundPainter::paintRock(Canvas& canvas, Rng& rng) const
{
    // A faceted boulder: dark rim, body, a lit upper-left face and a shaded base.
    const float cx = canvas.width() * 0.5f, cy = canvas.height() * 0.58f;
    const float rx = canvas.width() * 0.46f, ry = canvas.height() * 0.4f;
    canvas.fillEllipse({cx, cy}, rx, ry, palette['D']);
    canvas.fillEllipse({cx, cy}, rx - 1.0f, ry - 1.0f, palette['s']);
    canvas.fillEllipse({cx - rx * 0.2f, cy - ry * 0.25f}, rx * 0.6f, ry * 0.5f, palette['S']);
    canvas.fillEllipse({cx + rx * 0.2f, cy + ry * 0.45f}, rx * 0.7f, ry * 0.4f, palette['t']);
    for (int i = 0; i < 3; ++i)
    {
        const float x0 = cx + rng.between(-rx * 0.5f, rx * 0.5f);
        canvas.line({x0, cy - ry * 0.6f}, {x0 + rng.between(-4.0f, 4.0f), cy + ry * 0.2f},
                    palette['t']);
    }
    for (int x = px(cx - rx * 0.6f); x < px(cx + rx * 0.5f); ++x)
        if (canvas.pixel(x, px(cy - ry) + 1).a != 0 || rng.chance(0.7f))
            canvas.plot(x, px(cy - ry + 1.0f) + rng.range(0, 1), palette['G']);
}

void GroundPainter::repeatAcross(sf::Image& sheet, const sf::Image& tile, int offsetX,
                                 int top) const
{
    Canvas row(sheet, {0, top, sheetWidth, tileSize});
    for (int y = 0; y < tileSize; ++y)
        for (int x = 0; x < sheetWidth; ++x)
        {
            const int tx = ((x - offsetX) % tileSize + tileSize) % tileSize;
            row.plot(x, y, tile.getPixel(static_cast<unsigned>(tx), static_cast<unsigned>(y)));
        }
}

sf::Image GroundPainter::grassTile() const
{
    sf::Image tile;
    tile.create(tileSize, tileSize, sf::Color::Transparent);
    Canvas canvas(tile, {0, 0, tileSize, tileSize}, true);
    Rng rng(seed ^ 0x96A55ull);
    paintEarth(canvas, rng, 8);
    paintGrass(canvas, rng);
    canvas.outline(palette['o']);
    return tile;
}

sf::Image GroundPainter::tileset() const
{
    sf::Image sheet;
    sheet.create(sheetWidth, sheetHeight, sf::Color::Transparent);
    Rng rng(seed);

    // Stone block in the top-left corner; the game cuts two overlapping tiles from it.
    Canvas block(sheet, {0, 0, 55, 40});
    paintStones(block, rng, 10, 18, true);
    Canvas boulder(sheet, {60, 0, 46, 40});
    paintRock(boulder, rng);
    Canvas pillar(sheet, {110, 0, 35, 40});
    paintStones(pillar, rng, 8, 12, true);
    Canvas wall(sheet, {150, 0, sheetWidth - 150, 40});
    paintStones(wall, rng, 10, 22, true);

    // Plain earth strip, then the grass strip that holds the level tile at x = 335.
    sf::Image earth;
    earth.create(tileSize, tileSize, sf::Color::Transparent);
    Canvas earthCanvas(earth, {0, 0, tileSize, tileSize}, true);
    paintEarth(earthCanvas, rng, 0);
    repeatAcross(sheet, earth, 335 % tileSize, 48);
    repeatAcross(sheet, grassTile(), 335 % tileSize, 96);

    // Round off the block's corner; (0, 0) must stay fully transparent.
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{0, 1}})
        sheet.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y), sf::Color::Transparent);
    return sheet;
}
