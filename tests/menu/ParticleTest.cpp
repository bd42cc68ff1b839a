#include "menu/Particle.hpp"

#include "kit/PictureDifference.hpp"

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

namespace
{
const sf::Vector2u window(800, 600);

/// A particle with every field set by hand, so a step can be worked out.
Particle knownParticle()
{
    Particle particle(800.f);
    particle.position = {100, 100};
    particle.speed = 2;
    particle.size = particle.targetSize = 3;
    particle.angle = 0.5f;
    particle.spin = 0.2f;
    particle.drift = 0.1f;
    particle.alpha = 200;
    return particle;
}

void expectFreshFall(const Particle& particle, float left, float right)
{
    EXPECT_GE(particle.position.x, left);
    EXPECT_LE(particle.position.x, right);
    EXPECT_GE(particle.position.y, -100.f);
    EXPECT_LE(particle.position.y, -10.f);
    EXPECT_GE(particle.speed, 0.5f);
    EXPECT_LE(particle.speed, 3.f);
    EXPECT_GE(particle.alpha, 150);
    EXPECT_LE(particle.alpha, 255);
}
} // namespace

TEST(Particle, FreshShapesStartAboveTheWindowAcrossItsWidth)
{
    const std::vector<Particle> particles = createParticles(1280.f);
    ASSERT_EQ(particles.size(), 200u);
    for (const Particle& particle : particles)
    {
        expectFreshFall(particle, 0.f, 1280.f);
        EXPECT_GE(particle.size, 1.f);
        EXPECT_LE(particle.size, 5.f);
        EXPECT_EQ(particle.targetSize, particle.size);
        EXPECT_GE(particle.drift, -0.3f);
        EXPECT_LE(particle.drift, 0.3f);
        EXPECT_EQ(particle.sway, 0.f);
    }
    // Each has an engine of its own.
    EXPECT_NE(particles[0].rng, particles[1].rng);
}

TEST(Particle, FallsTurnsAndSwaysByTheFrameTime)
{
    Particle particle = knownParticle();
    particle.step(0.1f, 0.4f, window);
    // The sway is worked out from where the particle was before it moved.
    const float sway = std::sin(100 * 0.01f + 0.5f) * 0.2f;
    EXPECT_FLOAT_EQ(particle.sway, sway);
    EXPECT_FLOAT_EQ(particle.position.y, 100 + 2 * 0.1f * 60);
    EXPECT_FLOAT_EQ(particle.position.x, 100 + (sway + 0.1f) * 0.1f * 60);
    EXPECT_FLOAT_EQ(particle.angle, 0.5f + 0.2f * 0.1f);
    EXPECT_FLOAT_EQ(particle.rotationDegrees(), particle.angle * 180 / 3.1415927f);
}

TEST(Particle, ALeavingShapeStartsAgainAboveWithOnlyItsFallDrawnAnew)
{
    // Pushed sideways past either edge, or fallen below the bottom.
    for (const sf::Vector2f gone :
         {sf::Vector2f(-20.5f, 300), sf::Vector2f(820.5f, 300), sf::Vector2f(400, 620.5f)})
    {
        Particle particle = knownParticle();
        particle.speed = 0; // so a zero step leaves it where it was put
        particle.position = gone;
        const Particle before = particle;
        particle.step(0.f, 0.f, window);

        expectFreshFall(particle, -20.f, 820.f);
        EXPECT_EQ(particle.size, before.size);
        EXPECT_EQ(particle.targetSize, before.targetSize);
        EXPECT_EQ(particle.angle, before.angle);
        EXPECT_EQ(particle.spin, before.spin);
        EXPECT_EQ(particle.drift, before.drift);
        EXPECT_EQ(particle.shape, before.shape);
        EXPECT_EQ(particle.rng, before.rng);
    }

    // Up to 20 px past an edge it is still falling.
    Particle edge = knownParticle();
    edge.speed = 0;
    edge.position = {819.5f, 300};
    edge.step(0.f, 0.f, window);
    EXPECT_EQ(edge.position, sf::Vector2f(819.5f, 300));
}

TEST(Particle, SizesWanderEveryHalfSecondButNeverBelowHalfAPixel)
{
    std::vector<Particle> particles = createParticles(800.f);
    for (Particle& particle : particles)
        particle.size = particle.targetSize = 0.6f;

    std::this_thread::sleep_for(std::chrono::milliseconds(520));
    int atFloor = 0;
    for (Particle& particle : particles)
    {
        particle.step(0.f, 0.f, window);
        EXPECT_GE(particle.targetSize, 0.5f);
        EXPECT_LT(particle.targetSize, 1.1f);
        atFloor += particle.targetSize == 0.5f;
        // The size only eases a tenth of the way each frame.
        EXPECT_FLOAT_EQ(particle.size, 0.6f + (particle.targetSize - 0.6f) * 0.1f);
    }
    EXPECT_GT(atFloor, 0);
    EXPECT_LT(atFloor, 200);
}

TEST(Particle, WindRisesForFiveSecondsThenTurnsEveryTen)
{
    float wind = 0;
    float direction = 1;
    const float dt = 1.f / 60;
    std::vector<float> turns;
    for (int frame = 1; frame <= 60 * 36; ++frame)
    {
        const float before = direction;
        advanceWind(wind, direction, dt);
        if (direction != before)
            turns.push_back(static_cast<float>(frame) * dt);
        // It overshoots by at most one step before it turns.
        EXPECT_LE(std::abs(wind), 0.5f + 0.1f * dt + 1e-4f);
    }
    ASSERT_EQ(turns.size(), 4u);
    EXPECT_NEAR(turns[0], 5, 0.1);
    // Each half period carries the overshoot of the turn before it.
    for (std::size_t i = 1; i < turns.size(); ++i)
        EXPECT_NEAR(turns[i] - turns[i - 1], 10, 0.1);
}

TEST(Particle, ShapesAreBuiltFromSizeTurnAndOpacity)
{
    Particle particle = knownParticle();
    const sf::Color white(255, 255, 255, 200);

    const sf::CircleShape circle = particle.circleShape();
    EXPECT_EQ(circle.getOrigin(), sf::Vector2f(3, 3));
    EXPECT_FLOAT_EQ(circle.getRotation(), particle.rotationDegrees());
    EXPECT_EQ(circle.getFillColor(), white);

    // Eight points, long and short in turn, around (0, 0).
    const sf::ConvexShape star = particle.starShape();
    ASSERT_EQ(star.getPointCount(), 8u);
    EXPECT_NEAR(star.getPoint(0).x, 3, 1e-5);
    EXPECT_NEAR(star.getPoint(0).y, 0, 1e-5);
    EXPECT_NEAR(star.getPoint(1).x, 1.2 * std::cos(3.1415927 / 4), 1e-5);
    EXPECT_NEAR(star.getPoint(1).y, 1.2 * std::sin(3.1415927 / 4), 1e-5);
    EXPECT_NEAR(star.getPoint(6).y, -3, 1e-5);
    EXPECT_EQ(star.getOrigin(), sf::Vector2f(3, 3));
    EXPECT_EQ(star.getFillColor(), white);

    // Two arms about their centres, 45 degrees apart.
    const auto arms = particle.crossShapes();
    for (const sf::RectangleShape& arm : arms)
    {
        EXPECT_EQ(arm.getSize(), sf::Vector2f(6, 0.6f));
        EXPECT_FLOAT_EQ(arm.getOrigin().x, 3);
        EXPECT_FLOAT_EQ(arm.getOrigin().y, 0.3f);
        EXPECT_EQ(arm.getPosition(), particle.position);
        EXPECT_EQ(arm.getFillColor(), white);
    }
    EXPECT_FLOAT_EQ(arms[1].getRotation() - arms[0].getRotation(), 45);
}

TEST(Particle, DrawnThroughAWhiteTextureEveryShapeLooksAsWithout)
{
    sf::RenderTexture through;
    sf::RenderTexture plain;
    ASSERT_TRUE(through.create(120, 120) && plain.create(120, 120));
    const sf::Uint8 whitePixel[] = {255, 255, 255, 255};
    sf::Texture white;
    ASSERT_TRUE(white.create(1, 1));
    white.update(whitePixel);
    sf::Image background;
    background.create(120, 120, sf::Color(30, 30, 60));
    for (const ParticleShape shape :
         {ParticleShape::Circle, ParticleShape::Star, ParticleShape::Cross})
    {
        Particle particle = knownParticle();
        particle.shape = shape;
        particle.position = {60, 60};
        particle.size = 25;
        through.clear(sf::Color(30, 30, 60));
        plain.clear(sf::Color(30, 30, 60));
        particle.draw(through, white);
        switch (shape)
        {
        case ParticleShape::Circle:
            plain.draw(particle.circleShape());
            break;
        case ParticleShape::Star:
            plain.draw(particle.starShape());
            break;
        case ParticleShape::Cross:
            for (const sf::RectangleShape& arm : particle.crossShapes())
                plain.draw(arm);
            break;
        }
        through.display();
        plain.display();
        const sf::Image picture = through.getTexture().copyToImage();
        EXPECT_EQ(largestDifference(picture, plain.getTexture().copyToImage()), 0);
        EXPECT_GT(largestDifference(picture, background), 100) << "nothing drawn";
    }
}
