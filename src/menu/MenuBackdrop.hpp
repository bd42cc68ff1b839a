#pragma once

#include "menu/Particle.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <vector>

/// What the main menu stands over: white shapes falling in a wind that turns
/// slowly back and forth.
class MenuBackdrop
{
public:
    /// A fresh fall across a window this wide, in no wind.
    explicit MenuBackdrop(float windowWidth);

    /// A fresh fall for a window of a new width; the wind carries on.
    void restart(float windowWidth);

    /// Turns the wind and moves every shape by dt seconds.
    void update(float dt, sf::Vector2u windowSize);

    void draw(sf::RenderTarget& target) const;

    const std::vector<Particle>& getParticles() const { return particles; }
    float getWind() const { return wind; }

private:
    std::vector<Particle> particles;
    sf::Texture white; ///< what the shapes are drawn through
    float wind = 0;
    float windDirection = 1.f;
};
