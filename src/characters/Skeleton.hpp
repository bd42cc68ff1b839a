#pragma once

#include "characters/Animation.hpp"
#include "characters/Character.hpp"

class Player;
class World;

/// What the skeleton is doing; each state has its animation.
enum class SkeletonState
{
    Idle = 0,
    Walk = 1,
    Attack = 2
};

/// The enemy: idles while the hero is far, walks toward the hero within sight
/// and plays its attack when the hero is close. It never leaves its y and
/// harms no one.
class Skeleton : public Character
{
public:
    /// Reads the hero as the first entity of `world`, which must outlive it.
    /// Throws what TextureCache::get throws when an image is missing.
    Skeleton(float x, float y, const World& world);

    void update(float dt) override;

    SkeletonState getState() const { return state; }
    bool isFacingRight() const { return facingRight; }
    const Animation& getCurrentAnimation() const { return *currentAnimation; }

private:
    void setState(SkeletonState newState);

    /// The hero, or nothing when the world's first entity is not the hero.
    const Player* findPlayer() const;

    float speed = 150.f;
    bool facingRight = true;
    SkeletonState state = SkeletonState::Idle;
    Animation idleAnimation;
    Animation walkAnimation;
    Animation attackAnimation;
    Animation* currentAnimation = nullptr;
    sf::Texture idleTexture;
    sf::Texture walkTexture;
    sf::Texture attackTexture;
    const World& world;
};
