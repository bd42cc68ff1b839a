#include "menu/MenuBackdrop.hpp"

#include <array>

MenuBackdrop::MenuBackdrop(float windowWidth) : particles(createParticles(windowWidth))
{
    const std::array<sf::Uint8, 4> whitePixel{255, 255, 255, 255};
    white.create(1, 1);
    white.update(whitePixel.data());
}

void MenuBackdrop::restart(float windowWidth)
{
    particles = createParticles(windowWidth);
}

void MenuBackdrop::update(float dt, sf::Vector2u windowSize)
{
    advanceWind(wind, windDirection, dt);
    for (Particle& particle : particles)
        particle.step(dt, wind, windowSize);
}

void MenuBackdrop::draw(sf::RenderTarget& target) const
{
    for (const Particle& particle : particles)
        particle.draw(target, white);
}
