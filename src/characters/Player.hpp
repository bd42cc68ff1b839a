#pragma once

#include "characters/Animation.hpp"
#include "characters/Character.hpp"
#include "controls/Input.hpp"

class TileMap;

/// Which animation the hero shows.
enum class PlayerState
{
    Idle = 0,
    Run = 1,
    Jump = 2
};

/// The hero: runs with A/D, the arrow keys or the gamepad's stick and d-pad,
/// jumps with Space or the gamepad's A, falls onto a floor line or onto solid
/// tiles, and faces the way it last ran.
class Player : public Character
{
public:
    /// Reads the keys and the gamepad through `input`. Throws what
    /// TextureCache::get throws when an image is missing.
    explicit Player(const Input& input);

    /// Moves sideways, starts jumps, chooses the animation and the facing.
    void processInput(float dt);

    /// Gravity, vertical motion, the animation step and the floor line.
    void update(float dt) override;

    /// Pushes the hero out of the map's solid tiles and lands it on their tops.
    /// Works in world coordinates: the map's position and scale apply.
    void resolveCollisions(const TileMap& map);

    void setScale(float x, float y) override;

    /// Ends a jump and picks Run or Idle by the keys held.
    void land();

    void setState(PlayerState newState);

    /// The y the hero can never fall below.
    void setFloorY(float y) { floorY = y; }
    float getFloorY() const { return floorY; }

    PlayerState getState() const { return state; }
    float getVelocityY() const { return velocityY; }
    bool isAirborne() const { return isJumping; }
    bool isOnGround() const { return onGround; }
    bool isFacingRight() const { return facingRight; }
    const Animation& getCurrentAnimation() const { return *currentAnimation; }

private:
    bool leftHeld() const;
    bool rightHeld() const;

    const Presses& presses;
    const Gamepad& pad;
    float speed = 300.f;
    bool facingRight = true;
    float velocityY = 0.f;
    bool isJumping = false;
    float gravity = 1000.f;
    float jumpVelocity = -700.f;
    bool jumpKeyHeld = false;
    bool onGround = false;
    float floorY = 750.f;
    sf::Texture idleTexture;
    sf::Texture runTexture;
    sf::Texture jumpTexture;
    Animation idleAnimation;
    Animation runAnimation;
    Animation jumpAnimation;
    Animation* currentAnimation = nullptr;
    PlayerState state = PlayerState::Idle;
};
