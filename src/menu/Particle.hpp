#pragma once

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/ConvexShape.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstdint>
#include <random>
#include <vector>

/// The random engine of the menu's falling shapes, seeded once from the system
/// before main runs. Menus built later carry on its sequence.
extern std::mt19937 randomEngine;

/// How many shapes fall behind the menu.
constexpr std::size_t particleCount = 200;

/// What a falling shape looks like.
enum class ParticleShape : std::int32_t
{
    Circle = 0,
    Star = 1,
    Cross = 2
};

/// One small white shape falling behind the menu: it turns, sways in the wind,
/// changes size now and then, and starts again above the window once it leaves.
struct Particle
{
    /// A shape somewhere above the top edge, 10 to 100 px up, at an x inside the window.
    explicit Particle(float windowWidth);

    /// Moves the shape by dt seconds in the given wind, and sends it back above
    /// the top once it has left the window (more than 20 px past an edge).
    void step(float dt, float wind, sf::Vector2u windowSize);

    /// Rotation of the drawn shape, in degrees.
    float rotationDegrees() const;

    // The shapes as drawn, built afresh for each frame.
    sf::CircleShape circleShape() const;
    sf::ConvexShape starShape() const;
    std::array<sf::RectangleShape, 2> crossShapes() const;

    /// Draws the shape through `white`, a 1x1 white texture. The picture is the
    /// same as without one, and the menu draws everything textured: one drawing
    /// state fewer for a software renderer to compile before the first frame.
    void draw(sf::RenderTarget& target, const sf::Texture& white) const;

    sf::Vector2f position;
    float speed = 0;      ///< fall speed, px per 1/60 s
    float size = 0;       ///< circle radius, star outer radius, half a cross arm
    float targetSize = 0; ///< the size it eases toward
    float angle = 0;      ///< rotation in radians, also the phase of the sway
    float spin = 0;       ///< radians per second
    float drift = 0;      ///< its own sideways speed, px per 1/60 s
    float sway = 0;       ///< the wind's sideways push this frame, px per 1/60 s
    std::int32_t alpha = 255;
    ParticleShape shape = ParticleShape::Circle;
    sf::Clock twinkleClock; ///< times the next size change
    std::mt19937 rng;       ///< its own engine, for size changes only
};

/// The menu's full set of shapes for a window of this width.
std::vector<Particle> createParticles(float windowWidth);

/// One frame of the wind: it grows or shrinks by 0.1 a second and turns back
/// once past ±0.5, a triangle wave of about 20 s.
void advanceWind(float& wind, float& windDirection, float dt);
