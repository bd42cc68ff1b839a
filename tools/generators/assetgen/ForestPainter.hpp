#pragma once

#include "Canvas.hpp"
#include "Palette.hpp"
#include "Rng.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <vector>

/// Paints the four parallax layers of the dusk forest, back to front.
///
/// Every layer repeats seamlessly left to right: all shapes are placed on a wrapped
/// x coordinate and every wavy outline is a sum of whole-period waves.
class ForestPainter
{
public:
    static constexpr int width = 480;
    static constexpr int height = 270;

    explicit ForestPainter(std::uint64_t seed = 0x5EEDF0E57ull) : seed(seed) {}

    /// Opaque sky: dusk gradient, stars, moon and mist.
    sf::Image background() const;

    /// Pale, hazy conifer ridge on the horizon.
    sf::Image farTrees() const;

    /// Darker tall pines and dead trees with visible trunks.
    sf::Image midTrees() const;

    /// Darkest framing layer: canopy hanging from the top, undergrowth at the bottom
    /// and a few thick trunks, with the middle left open.
    sf::Image closeTrees() const;

private:
    /// Colours of one tree layer.
    struct Tones
    {
        sf::Color body;
        sf::Color rim;
        sf::Color fog;
    };

    static sf::Image blank();

    /// One value per column in [-1, 1]; a sum of waves that each fit the width a
    /// whole number of times, so the last column runs into the first.
    static std::vector<float> wrappedWave(Rng& rng, int waves, float roughness);

    /// Fills the ground below a rolling ridge, `base` give or take `swing`,
    /// that meets itself across the sides; the ridge's height in each column.
    static std::vector<float> fillRidge(Canvas& canvas, Rng& rng, int waves, float roughness,
                                        float base, float swing, sf::Color body);

    static void conifer(Canvas& canvas, Rng& rng, float x, float base, float tall, float wide,
                        const Tones& tones);
    static void branch(Canvas& canvas, Rng& rng, sf::Vector2f from, float angle, float length,
                       int thickness, int depth, sf::Color colour);
    static void fern(Canvas& canvas, Rng& rng, sf::Vector2f root, float size, sf::Color colour);

    /// Lightens the lower part of a layer towards its fog colour, in dithered steps.
    static void fogBelow(Canvas& canvas, int from, const Tones& tones, float strength);

    /// Adds moonlight to the top-right edges of everything painted.
    static void rimLight(Canvas& canvas, const Tones& tones);

    std::uint64_t seed;
};
