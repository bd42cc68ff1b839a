#include "ForestPainter.hpp"

#include "Rig.hpp"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float turn = 6.2831853f;

int px(float v)
{
    return static_cast<int>(std::lround(v));
}

/// Dusk sky colour at height t (0 = top of the layer, 1 = bottom).
sf::Color skyAt(float t)
{
    struct Stop
    {
        float t;
        sf::Color colour;
    };
    const Stop stops[] = {{0.0f, {14, 12, 38}},    {0.3f, {30, 26, 72}},
                          {0.55f, {58, 44, 108}},  {0.75f, {100, 72, 142}},
                          {0.88f, {132, 96, 160}}, {1.0f, {150, 116, 172}}};
    for (std::size_t i = 1; i < std::size(stops); ++i)
        if (t <= stops[i].t)
            return Palette::mix(stops[i - 1].colour, stops[i].colour,
                                (t - stops[i - 1].t) / (stops[i].t - stops[i - 1].t));
    return stops[std::size(stops) - 1].colour;
}

/// Wrapped horizontal distance, for keeping things clear of the moon.
float wrappedDx(float a, float b, float span)
{
    const float d = std::fabs(a - b);
    return std::min(d, span - d);
}
} // namespace

sf::Image ForestPainter::blank()
{
    sf::Image image;
    image.create(width, height, sf::Color::Transparent);
    return image;
}

std::vector<float> ForestPainter::wrappedWave(Rng& rng, int waves, float roughness)
{
    std::vector<float> values(width, 0.0f);
    float amplitude = 1.0f, total = 0.0f;
    for (int k = 1; k <= waves; ++k)
    {
        // Frequencies are whole numbers of periods across the layer.
        const int frequency = k * 2 - 1 + rng.range(0, 1);
        const float phase = rng.unit() * turn;
        for (int x = 0; x < width; ++x)
            values[x] += amplitude * std::sin(phase + turn * frequency * x / width);
        total += amplitude;
        amplitude *= roughness;
    }
    for (float& v : values)
        v /= total;
    return values;
}

sf::Image ForestPainter::background() const
{
    sf::Image image = blank();
    Canvas canvas(image, {0, 0, width, height}, true);
    Rng rng(seed ^ 0xB6ull);

    // Gradient in 16 flat bands, dithered where they meet.
    constexpr int bands = 16;
    for (int y = 0; y < height; ++y)
    {
        const float level = static_cast<float>(y) / (height - 1) * bands;
        for (int x = 0; x < width; ++x)
        {
            float step = std::floor(level);
            if (level - step > Canvas::ditherThreshold(x, y))
                step += 1.0f;
            canvas.plot(x, y, skyAt(step / bands));
        }
    }

    const sf::Vector2f moon(352.0f, 60.0f);
    constexpr float moonRadius = 16.0f;
    for (int i = 0; i < 110; ++i)
    {
        const float x = static_cast<float>(rng.range(0, width - 1));
        const float y = height * 0.55f * std::pow(rng.unit(), 1.6f);
        const float dx = wrappedDx(x, moon.x, width), dy = y - moon.y;
        const float brightness = rng.between(0.25f, 1.0f);
        if (dx * dx + dy * dy < 44.0f * 44.0f)
            continue;
        const sf::Color star =
            Palette::mix(skyAt(y / height), {236, 232, 255}, brightness * (1.0f - y / height));
        canvas.plot(px(x), px(y), star);
        if (brightness > 0.93f)
        {
            // A few bright ones get a small cross.
            const sf::Color glow = Palette::mix(skyAt(y / height), star, 0.5f);
            canvas.plot(px(x) - 1, px(y), glow);
            canvas.plot(px(x) + 1, px(y), glow);
            canvas.plot(px(x), px(y) - 1, glow);
            canvas.plot(px(x), px(y) + 1, glow);
        }
    }

    // Moon halo in three stepped rings, then the disc with a shaded rim and craters.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const float d = std::hypot(x - moon.x, y - moon.y);
            const sf::Uint8 alpha = d < moonRadius + 5.0f    ? 70
                                    : d < moonRadius + 13.0f ? 38
                                    : d < moonRadius + 26.0f ? 18
                                                             : 0;
            if (alpha > 0)
                canvas.blend(x, y, {206, 186, 244, alpha});
            if (d <= moonRadius)
            {
                const bool shaded = std::hypot(x - moon.x - 4.0f, y - moon.y + 4.0f) > moonRadius;
                canvas.plot(x, y, shaded ? sf::Color(204, 198, 234) : sf::Color(240, 236, 250));
            }
        }
    const sf::Color crater(214, 208, 238);
    canvas.fillEllipse(moon + sf::Vector2f(-5.0f, -3.0f), 3.5f, 3.0f, crater);
    canvas.fillEllipse(moon + sf::Vector2f(4.0f, 5.0f), 2.5f, 2.0f, crater);
    canvas.fillEllipse(moon + sf::Vector2f(6.0f, -6.0f), 1.5f, 1.5f, crater);
    canvas.fillEllipse(moon + sf::Vector2f(-2.0f, 8.0f), 1.5f, 1.0f, crater);

    // Mist: wavy translucent bands, denser in their cores.
    for (int band = 0; band < 4; ++band)
    {
        const std::vector<float> wave = wrappedWave(rng, 4, 0.6f);
        const float centre = 150.0f + band * 30.0f;
        const float half = 6.0f + band * 3.0f;
        for (int x = 0; x < width; ++x)
            for (int y = px(centre - half - 10.0f); y <= px(centre + half + 10.0f); ++y)
            {
                const float s = 1.0f - std::fabs(y - (centre + wave[x] * 9.0f)) / half;
                if (s > Canvas::ditherThreshold(x, y))
                    canvas.blend(x, y, {186, 160, 220, 44});
                if (s > 0.55f && (s - 0.55f) / 0.45f > Canvas::ditherThreshold(x + 2, y))
                    canvas.blend(x, y, {196, 172, 228, 36});
            }
    }
    return image;
}

void ForestPainter::conifer(Canvas& canvas, Rng& rng, float x, float base, float tall, float wide,
                            const Tones& tones)
{
    // Rows widen towards the base in saw-tooth tiers; each side gets its own jitter
    // so the needles look ragged.
    const float top = base - tall;
    const float tiers = std::max(3.0f, std::round(tall / 11.0f));
    for (int y = px(top); y <= px(base); ++y)
    {
        const float f = (y - top) / tall;
        const float tier = f * tiers - std::floor(f * tiers);
        const float half = wide * 0.5f * (0.12f + 0.88f * f) * (0.5f + 0.5f * tier);
        const float left = x - half - rng.between(0.0f, 1.2f);
        const float right = x + half + rng.between(0.0f, 1.2f);
        for (int i = px(left); i <= px(right); ++i)
            canvas.plot(i, y, tones.body);
    }
    canvas.fillRect(px(x) - 1, px(base), 3, 12, tones.body);
}

void ForestPainter::branch(Canvas& canvas, Rng& rng, sf::Vector2f from, float angle, float length,
                           int thickness, int depth, sf::Color colour)
{
    // Crooked limbs: two segments per branch with a small kink.
    const sf::Vector2f mid = Rig::reach(from, angle + rng.between(-12.0f, 12.0f), length * 0.5f);
    const sf::Vector2f end = Rig::reach(mid, angle + rng.between(-12.0f, 12.0f), length * 0.5f);
    canvas.line(from, mid, colour, thickness);
    canvas.line(mid, end, colour, std::max(1, thickness - 1));
    if (depth <= 0)
        return;
    const int children = rng.range(2, 3);
    for (int i = 0; i < children; ++i)
    {
        const float spread = (i % 2 == 0 ? 1.0f : -1.0f) * rng.between(18.0f, 42.0f);
        const sf::Vector2f root = i == 0 ? end : mid;
        branch(canvas, rng, root, angle + spread, length * rng.between(0.55f, 0.75f),
               std::max(1, thickness - 1), depth - 1, colour);
    }
}

void ForestPainter::fern(Canvas& canvas, Rng& rng, sf::Vector2f root, float size, sf::Color colour)
{
    const int fronds = rng.range(5, 7);
    for (int f = 0; f < fronds; ++f)
    {
        // Fronds fan out from upright and droop as they grow, with leaflets on both sides.
        float angle =
            180.0f + (f - (fronds - 1) * 0.5f) * (110.0f / fronds) + rng.between(-8.0f, 8.0f);
        const float bendDir = angle > 180.0f ? 1.0f : -1.0f;
        const float length = size * rng.between(0.7f, 1.0f);
        sf::Vector2f p = root;
        for (int s = 0; s < 8; ++s)
        {
            const sf::Vector2f next = Rig::reach(p, angle, length / 8.0f);
            canvas.line(p, next, colour);
            const float leaf = (1.0f - s / 8.0f) * size * 0.16f + 1.0f;
            canvas.line(next, Rig::reach(next, angle + 70.0f, leaf), colour);
            canvas.line(next, Rig::reach(next, angle - 70.0f, leaf), colour);
            angle += bendDir * 9.0f;
            p = next;
        }
    }
}

void ForestPainter::fogBelow(Canvas& canvas, int from, const Tones& tones, float strength)
{
    for (int y = std::max(0, from); y < height; ++y)
    {
        const float t = static_cast<float>(y - from) / (height - from) * strength * 3.0f;
        for (int x = 0; x < width; ++x)
        {
            const sf::Color c = canvas.pixel(x, y);
            if (c.a == 0)
                continue;
            const float step = std::floor(t + Canvas::ditherThreshold(x, y));
            canvas.plot(x, y, Palette::mix(c, tones.fog, std::min(step, 3.0f) / 3.0f));
        }
    }
}

void ForestPainter::rimLight(Canvas& canvas, const Tones& tones)
{
    std::vector<sf::Vector2i> lit;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            // Only solid masses catch the light; thin twigs and blades stay dark so
            // they do not turn into noise.
            if (canvas.pixel(x, y).a != 0 && canvas.pixel(x - 1, y).a != 0 &&
                canvas.pixel(x, y + 1).a != 0 &&
                ((y > 0 && canvas.pixel(x, y - 1).a == 0) || canvas.pixel(x + 1, y).a == 0))
                lit.emplace_back(x, y);
    for (const auto& p : lit)
        canvas.plot(p.x, p.y, tones.rim);
}

std::vector<float> ForestPainter::fillRidge(Canvas& canvas, Rng& rng, int waves, float roughness,
                                            float base, float swing, sf::Color body)
{
    std::vector<float> ridge = wrappedWave(rng, waves, roughness);
    for (int x = 0; x < width; ++x)
    {
        ridge[static_cast<std::size_t>(x)] = base + swing * ridge[static_cast<std::size_t>(x)];
        for (int y = px(ridge[static_cast<std::size_t>(x)]); y < height; ++y)
            canvas.plot(x, y, body);
    }
    return ridge;
}

sf::Image ForestPainter::farTrees() const
{
    sf::Image image = blank();
    Canvas canvas(image, {0, 0, width, height}, true);
    Rng rng(seed ^ 0xFA2ull);
    const Tones tones{{84, 64, 132}, {112, 90, 160}, {128, 104, 170}};

    const std::vector<float> ridge = fillRidge(canvas, rng, 5, 0.6f, 190.0f, 8.0f, tones.body);
    const auto ground = [&ridge](float x)
    { return ridge[static_cast<std::size_t>((px(x) % width + width) % width)]; };

    constexpr int count = 44;
    for (int i = 0; i < count; ++i)
    {
        const float x = (i + rng.between(0.0f, 0.8f)) * width / count;
        const float tall = rng.chance(0.2f) ? rng.between(62.0f, 84.0f) : rng.between(26.0f, 58.0f);
        conifer(canvas, rng, x, ground(x) + 4.0f, tall, tall * rng.between(0.3f, 0.4f), tones);
    }
    rimLight(canvas, tones);
    fogBelow(canvas, 165, tones, 0.9f);
    return image;
}

sf::Image ForestPainter::midTrees() const
{
    sf::Image image = blank();
    Canvas canvas(image, {0, 0, width, height}, true);
    Rng rng(seed ^ 0x31Dull);
    const Tones tones{{44, 32, 86}, {72, 56, 126}, {66, 50, 112}};

    const std::vector<float> ridge = fillRidge(canvas, rng, 4, 0.55f, 224.0f, 6.0f, tones.body);
    const auto ground = [&ridge](float x)
    { return ridge[static_cast<std::size_t>((px(x) % width + width) % width)]; };

    // Twelve slots across the width, each holding a tall pine, a dead tree or a
    // broadleaf, so the spacing stays even without a visible pattern.
    constexpr int slots = 12;
    for (int i = 0; i < slots; ++i)
    {
        const float x = (i + rng.between(0.1f, 0.9f)) * width / slots;
        const float base = ground(x) + 2.0f;
        const int kind = rng.range(0, 5);
        if (kind <= 2)
        {
            const float tall = rng.between(110.0f, 170.0f);
            const float trunk = rng.between(2.0f, 3.5f);
            canvas.fillPolygon({{x - trunk, base + 6.0f},
                                {x + trunk, base + 6.0f},
                                {x + trunk * 0.5f, base - tall * 0.6f},
                                {x - trunk * 0.5f, base - tall * 0.6f}},
                               tones.body);
            conifer(canvas, rng, x, base - tall * 0.28f, tall * 0.72f, tall * 0.3f, tones);
        }
        else if (kind <= 4)
        {
            const float tall = rng.between(70.0f, 110.0f);
            branch(canvas, rng, {x, base + 4.0f}, 180.0f + rng.between(-6.0f, 6.0f), tall * 0.55f,
                   6, 4, tones.body);
        }
        else
        {
            // Broadleaf: a trunk forking into a rounded crown of overlapping blobs.
            const float tall = rng.between(80.0f, 120.0f);
            const sf::Vector2f crown(x, base - tall * 0.78f);
            canvas.line({x, base + 4.0f}, crown, tones.body, 4);
            canvas.line(crown + sf::Vector2f(0.0f, 14.0f), crown + sf::Vector2f(-9.0f, 2.0f),
                        tones.body, 2);
            canvas.line(crown + sf::Vector2f(0.0f, 12.0f), crown + sf::Vector2f(9.0f, 0.0f),
                        tones.body, 2);
            for (int blob = 0; blob < 10; ++blob)
                canvas.fillEllipse(
                    crown + sf::Vector2f(rng.between(-13.0f, 13.0f), rng.between(-10.0f, 6.0f)),
                    rng.between(7.0f, 11.0f), rng.between(5.0f, 8.0f), tones.body);
        }
    }
    rimLight(canvas, tones);
    fogBelow(canvas, 200, tones, 0.6f);
    return image;
}

sf::Image ForestPainter::closeTrees() const
{
    sf::Image image = blank();
    Canvas canvas(image, {0, 0, width, height}, true);
    Rng rng(seed ^ 0xC105Eull);
    const Tones tones{{20, 11, 40}, {46, 26, 84}, {26, 15, 52}};

    // Canopy along the top with a scalloped lower edge.
    const std::vector<float> edgeA = wrappedWave(rng, 5, 0.6f);
    const std::vector<float> edgeB = wrappedWave(rng, 3, 0.5f);
    for (int x = 0; x < width; ++x)
    {
        const float edge = 22.0f + 12.0f * edgeA[x] + 14.0f * std::max(0.0f, edgeB[x]);
        for (int y = 0; y <= px(edge); ++y)
            canvas.plot(x, y, tones.body);
        if (x % 9 == 0)
            canvas.fillEllipse({static_cast<float>(x) + rng.between(-3.0f, 3.0f), edge},
                               rng.between(5.0f, 12.0f), rng.between(4.0f, 8.0f), tones.body);
    }
    // A few heavier clumps of leaves sagging lower, built from overlapping blobs.
    // Nothing hangs in front of the moon when the layers line up at the start.
    const auto clearOfMoon = [](float x) { return wrappedDx(x, 352.0f, width) > 34.0f; };
    for (int c = 0; c < 7; ++c)
    {
        const float x = (c + rng.between(0.1f, 0.9f)) * width / 7.0f;
        if (!clearOfMoon(x))
            continue;
        const float depth = rng.between(44.0f, 66.0f);
        for (int k = 0; k < 7; ++k)
        {
            const float f = k / 6.0f;
            canvas.fillEllipse(
                {x + rng.between(-14.0f, 14.0f) * (1.0f - f * 0.5f), 30.0f + (depth - 30.0f) * f},
                rng.between(6.0f, 12.0f) * (1.0f - f * 0.4f), rng.between(4.0f, 8.0f), tones.body);
        }
    }
    // Vines hanging from the canopy, with leaves every few pixels.
    for (int v = 0; v < 30; ++v)
    {
        const int x = rng.range(0, width - 1);
        const float edge = 22.0f + 12.0f * edgeA[x] + 14.0f * std::max(0.0f, edgeB[x]);
        const float length = rng.between(12.0f, 58.0f);
        if (!clearOfMoon(static_cast<float>(x)))
            continue;
        float sway = 0.0f;
        for (int y = px(edge); y < px(edge + length); ++y)
        {
            sway += rng.between(-0.35f, 0.35f);
            const int vx = x + px(sway);
            canvas.plot(vx, y, tones.body);
            if (y % 4 == 0)
                canvas.fillRect(vx + ((y / 4) % 2 == 0 ? 1 : -2), y, 2, 2, tones.body);
        }
    }

    // Leaf texture inside the canopy: small lighter sprigs scattered over the mass.
    const sf::Color leaf = Palette::mix(tones.body, tones.rim, 0.45f);
    for (int i = 0; i < 320; ++i)
    {
        const int x = rng.range(0, width - 1);
        const float edge = 22.0f + 12.0f * edgeA[x] + 14.0f * std::max(0.0f, edgeB[x]);
        const int y = rng.range(1, std::max(1, px(edge) - 3));
        canvas.plot(x, y, leaf);
        canvas.plot(x + 1, y, leaf);
        canvas.plot(x + (i % 2 == 0 ? 1 : 0), y + 1, leaf);
    }

    // Thick trunks near the sides of the picture: wobbling edges, a root flare and
    // broken bark grooves in a lighter tone.
    struct Trunk
    {
        float x, half;
    };
    for (const Trunk t : {Trunk{16.0f, 12.0f}, Trunk{404.0f, 7.0f}})
    {
        const float phase = rng.unit() * turn;
        for (int y = 0; y < 262; ++y)
        {
            const float flare = y > 200 ? (y - 200) * (y - 200) * 0.0003f * t.half : 0.0f;
            const float half =
                t.half * (0.8f + 0.2f * y / 262.0f) + flare + 1.2f * std::sin(phase + y * 0.06f);
            const float centre = t.x + 2.0f * std::sin(phase * 0.5f + y * 0.013f);
            for (int x = px(centre - half); x <= px(centre + half); ++x)
                canvas.plot(x, y, tones.body);
        }
        for (int g = 0; g < 3 + static_cast<int>(t.half / 2.0f); ++g)
        {
            const float gx = t.x + rng.between(-t.half * 0.6f, t.half * 0.6f);
            const float gy = rng.between(30.0f, 200.0f);
            canvas.line({gx, gy}, {gx + rng.between(-1.5f, 1.5f), gy + rng.between(10.0f, 40.0f)},
                        tones.fog);
        }
        branch(canvas, rng, {t.x, 70.0f}, 140.0f + rng.between(-10.0f, 10.0f), t.half * 4.0f,
               std::max(2, static_cast<int>(t.half / 3.0f)), 2, tones.body);
    }

    // Undergrowth: a ground strip, bush mounds behind and ferns poking out in front.
    const std::vector<float> floor = wrappedWave(rng, 4, 0.5f);
    for (int x = 0; x < width; ++x)
        for (int y = px(252.0f + 4.0f * floor[x]); y < height; ++y)
            canvas.plot(x, y, tones.body);
    for (int b = 0; b < 12; ++b)
    {
        const float x = (b + rng.between(0.0f, 0.8f)) * width / 12.0f;
        for (int k = 0; k < 3; ++k)
            canvas.fillEllipse({x + rng.between(-10.0f, 10.0f), rng.between(248.0f, 256.0f)},
                               rng.between(8.0f, 14.0f), rng.between(5.0f, 9.0f), tones.body);
    }
    for (int f = 0; f < 18; ++f)
    {
        const float x = (f + rng.between(0.0f, 0.9f)) * width / 18.0f;
        fern(canvas, rng, {x, 252.0f}, rng.between(16.0f, 30.0f), tones.body);
    }
    // Tall grass blades between the ferns.
    for (int g = 0; g < 90; ++g)
    {
        const float x = static_cast<float>(rng.range(0, width - 1));
        const float tall = rng.between(5.0f, 16.0f);
        canvas.line({x, 254.0f}, {x + rng.between(-4.0f, 4.0f), 254.0f - tall}, tones.body);
    }
    rimLight(canvas, tones);
    return image;
}
