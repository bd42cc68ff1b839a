#include "characters/Skeleton.hpp"

#include "characters/Player.hpp"
#include "resources/ImageFiles.hpp"
#include "resources/TextureCache.hpp"
#include "world/World.hpp"

#include <cmath>

namespace
{
constexpr float scale = 4.f;
constexpr float attackRange = 90.f;
constexpr float sightRange = 500.f;
constexpr float walkFactor = 5.f;
} // namespace

Skeleton::Skeleton(float x, float y, const World& world) : world(world)
{
    idleTexture = TextureCache::get(layoutOf(Sheet::SkeletonIdle).path);
    walkTexture = TextureCache::get(layoutOf(Sheet::SkeletonWalk).path);
    attackTexture = TextureCache::get(layoutOf(Sheet::SkeletonAttack).path);

    idleAnimation = Animation(&idleTexture, layoutOf(Sheet::SkeletonIdle).allFrames(), 0.2f, true);
    walkAnimation = Animation(&walkTexture, layoutOf(Sheet::SkeletonWalk).allFrames(), 0.15f, true);
    attackAnimation =
        Animation(&attackTexture, layoutOf(Sheet::SkeletonAttack).allFrames(), 0.1f, false);

    sprite.setTexture(idleTexture);
    sprite.setTextureRect(idleAnimation.getCurrentFrame());
    // The origin is the point between the feet.
    const SheetLayout& idle = layoutOf(Sheet::SkeletonIdle);
    sprite.setOrigin(static_cast<float>(idle.frameWidth) / 2.f,
                     static_cast<float>(idle.frameHeight));
    sprite.setPosition(x, y);
    sprite.setScale(scale, scale);
    currentAnimation = &idleAnimation;
}

const Player* Skeleton::findPlayer() const
{
    const auto& entities = world.getEntities();
    if (entities.empty())
        return nullptr;
    return dynamic_cast<const Player*>(entities.front().get());
}

void Skeleton::update(float dt)
{
    // The picture of a state chosen below shows from the next update on.
    if (currentAnimation != nullptr)
    {
        currentAnimation->advance(dt);
        sprite.setTexture(*currentAnimation->texture);
        sprite.setTextureRect(currentAnimation->getCurrentFrame());
    }

    // An attack plays to its end wherever the hero goes.
    if (state == SkeletonState::Attack)
    {
        if (attackAnimation.finished)
            setState(SkeletonState::Idle);
        return;
    }

    const Player* player = findPlayer();
    if (player == nullptr)
    {
        setState(SkeletonState::Idle);
    }
    else
    {
        const float px = player->getPosition().x;
        const float sx = getPosition().x;
        const float distance = std::fabs(px - sx);
        if (distance <= attackRange)
        {
            setState(SkeletonState::Attack);
        }
        else if (distance <= sightRange)
        {
            setState(SkeletonState::Walk);
            const float direction = px > sx ? walkFactor : -walkFactor;
            move({direction * speed * dt, 0.f});
            facingRight = direction > 0.f;
        }
        else
        {
            setState(SkeletonState::Idle);
        }
    }
    sprite.setScale(facingRight ? scale : -scale, scale);
}

void Skeleton::setState(SkeletonState newState)
{
    if (newState == state)
        return;
    state = newState;
    currentAnimation = state == SkeletonState::Idle   ? &idleAnimation
                       : state == SkeletonState::Walk ? &walkAnimation
                                                      : &attackAnimation;
    currentAnimation->restart();
}
