#include "menu/Particle.hpp"

#include <algorithm>
#include <cmath>

std::mt19937 randomEngine{std::random_device{}()};

namespace
{
constexpr float pi = 3.1415927f;
constexpr float framesPerSecond = 60.f; // speeds are given per 1/60 s
constexpr float edgeMargin = 20.f;      // how far past an edge a shape may go
constexpr float twinkleInterval = 0.5f; // seconds between size changes
constexpr float sizeEasing = 0.1f;      // share of the way to the target, per frame
constexpr float smallestSize = 0.5f;
constexpr std::size_t starPoints = 8;

float uniform(float low, float high)
{
    return std::uniform_real_distribution<float>(low, high)(randomEngine);
}

std::int32_t uniformInt(std::int32_t low, std::int32_t high)
{
    return std::uniform_int_distribution<std::int32_t>(low, high)(randomEngine);
}

std::int32_t drawAlpha()
{
    return uniformInt(150, 255);
}

float drawSpeed()
{
    return uniform(0.5f, 3.f);
}

/// Places a shape on the particle: its origin, the particle's position and
/// turn (plus `extraDegrees`), and its white at the particle's opacity.
void dress(sf::Shape& shape, const Particle& particle, sf::Vector2f origin, float extraDegrees = 0)
{
    shape.setOrigin(origin);
    shape.setPosition(particle.position);
    shape.setRotation(particle.rotationDegrees() + extraDegrees);
    shape.setFillColor(sf::Color(255, 255, 255, static_cast<sf::Uint8>(particle.alpha)));
}
} // namespace

Particle::Particle(float windowWidth) : rng(std::random_device{}())
{
    // Each shape draws from an engine of its own, seeded from the random
    // device: no two runs fall alike, and nothing replays a run.
    position.x = uniform(0.f, windowWidth);
    position.y = uniform(-100.f, -10.f);
    speed = drawSpeed();
    size = uniform(1.f, 5.f);
    angle = uniform(0.f, 6.283185f);
    spin = uniform(-0.5f, 0.5f);
    drift = uniform(-0.3f, 0.3f);
    alpha = drawAlpha();
    shape = static_cast<ParticleShape>(uniformInt(0, 2));
    targetSize = size;
}

void Particle::step(float dt, float wind, sf::Vector2u windowSize)
{
    sway = std::sin(position.y * 0.01f + angle) * (wind * 0.5f);
    position.y += speed * dt * framesPerSecond;
    position.x += (sway + drift) * dt * framesPerSecond;
    angle += spin * dt;

    if (twinkleClock.getElapsedTime().asSeconds() > twinkleInterval)
    {
        const float change = std::uniform_real_distribution<float>(0.f, 1.f)(rng) - 0.5f;
        targetSize = std::max(size + change, smallestSize);
        twinkleClock.restart();
    }
    // Eased per frame, not per second: a slow frame eases no further.
    size += (targetSize - size) * sizeEasing;

    const float width = static_cast<float>(windowSize.x);
    const float height = static_cast<float>(windowSize.y);
    if (position.y > height + edgeMargin || position.x < -edgeMargin ||
        position.x > width + edgeMargin)
    {
        // Only where and how it falls is new; it keeps its look and its turning.
        position.x = uniform(-edgeMargin, width + edgeMargin);
        position.y = -uniform(10.f, 100.f);
        speed = drawSpeed();
        alpha = drawAlpha();
    }
}

float Particle::rotationDegrees() const
{
    return angle * 180.f / pi;
}

sf::CircleShape Particle::circleShape() const
{
    sf::CircleShape circle(size, 30);
    dress(circle, *this, {size, size});
    return circle;
}

sf::ConvexShape Particle::starShape() const
{
    sf::ConvexShape star(starPoints);
    for (std::size_t i = 0; i < starPoints; ++i)
    {
        const float a = static_cast<float>(i) * pi * 0.25f;
        const float r = i % 2 == 0 ? size : size * 0.4f;
        star.setPoint(i, {std::cos(a) * r, std::sin(a) * r});
    }
    // The points surround (0, 0), so this origin puts the star's centre off
    // the position by one size, up and left before turning. That is the look.
    dress(star, *this, {size, size});
    return star;
}

std::array<sf::RectangleShape, 2> Particle::crossShapes() const
{
    std::array<sf::RectangleShape, 2> arms;
    for (std::size_t i = 0; i < arms.size(); ++i)
    {
        // The second arm is the first turned by another 45 degrees.
        arms[i].setSize({2.f * size, 0.2f * size});
        dress(arms[i], *this, {size, 0.1f * size}, 45.f * static_cast<float>(i));
    }
    return arms;
}

void Particle::draw(sf::RenderTarget& target, const sf::Texture& white) const
{
    const auto fill = [&](sf::Shape&& drawn)
    {
        drawn.setTexture(&white);
        target.draw(drawn);
    };
    switch (shape)
    {
    case ParticleShape::Circle:
        fill(circleShape());
        break;
    case ParticleShape::Star:
        fill(starShape());
        break;
    case ParticleShape::Cross:
        for (sf::RectangleShape& arm : crossShapes())
            fill(std::move(arm));
        break;
    }
}

std::vector<Particle> createParticles(float windowWidth)
{
    std::vector<Particle> particles;
    particles.reserve(particleCount);
    for (std::size_t i = 0; i < particleCount; ++i)
        particles.emplace_back(windowWidth);
    return particles;
}

void advanceWind(float& wind, float& windDirection, float dt)
{
    wind += windDirection * dt * 0.1f;
    // Not clamped: it overshoots by at most one frame's step, then turns back.
    if (wind > 0.5f || wind < -0.5f)
        windDirection = -windDirection;
}
