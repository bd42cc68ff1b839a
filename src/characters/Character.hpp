#pragma once

#include "characters/Entity.hpp"

#include <SFML/Graphics/Sprite.hpp>

/// An entity shown as one sprite: position, bounds and drawing are the sprite's.
/// Subclasses own the textures the sprite shows.
class Character : public Entity
{
public:
    /// Does nothing: a character without behaviour stands still.
    void update(float dt) override;

    void draw(sf::RenderTarget& target) override;
    void setPosition(const sf::Vector2f& position) override;
    sf::Vector2f getPosition() const override;
    void move(const sf::Vector2f& offset) override;
    sf::FloatRect getGlobalBounds() const override;

    /// Does nothing: a character's scale is its own business (its facing).
    void setScale(float x, float y) override;

    const sf::Sprite& getSprite() const { return sprite; }

protected:
    sf::Sprite sprite;
};
