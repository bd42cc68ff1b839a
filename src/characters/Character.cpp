#include "characters/Character.hpp"

void Character::update(float /*dt*/) {}

void Character::draw(sf::RenderTarget& target)
{
    target.draw(sprite, sf::RenderStates::Default);
}

void Character::setPosition(const sf::Vector2f& position)
{
    sprite.setPosition(position);
}

sf::Vector2f Character::getPosition() const
{
    return sprite.getPosition();
}

void Character::move(const sf::Vector2f& offset)
{
    sprite.move(offset);
}

sf::FloatRect Character::getGlobalBounds() const
{
    return sprite.getGlobalBounds();
}

void Character::setScale(float /*x*/, float /*y*/) {}
