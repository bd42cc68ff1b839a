#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/System/Vector2.hpp>

/// Anything that lives in the play screen's list of characters: how the play
/// screen updates, places, draws and asks about it.
class Entity
{
public:
    virtual ~Entity() = default;

    /// Advances the entity by dt seconds.
    virtual void update(float dt) = 0;

    virtual void draw(sf::RenderTarget& target) = 0;
    virtual void setPosition(const sf::Vector2f& position) = 0;
    virtual sf::Vector2f getPosition() const = 0;
    virtual void move(const sf::Vector2f& offset) = 0;

    /// The entity's rectangle in world coordinates.
    virtual sf::FloatRect getGlobalBounds() const = 0;

    virtual void setScale(float x, float y) = 0;
};
