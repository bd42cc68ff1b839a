#include "characters/Player.hpp"

#include "controls/Gamepad.hpp"
#include "resources/ImageFiles.hpp"
#include "resources/TextureCache.hpp"
#include "world/TileMap.hpp"

namespace
{
constexpr float scale = 5.f;
} // namespace

Player::Player(const Input& input) : presses(input.getPresses()), pad(input.getGamepad())
{
    idleTexture = TextureCache::get(layoutOf(Sheet::HeroIdle).path);
    runTexture = TextureCache::get(layoutOf(Sheet::HeroRun).path);
    jumpTexture = TextureCache::get(layoutOf(Sheet::HeroJump).path);

    // The origin is the point between the feet.
    const SheetLayout& idle = layoutOf(Sheet::HeroIdle);
    sprite.setOrigin(static_cast<float>(idle.frameWidth) / 2.f,
                     static_cast<float>(idle.frameHeight));
    sprite.setScale(scale, scale);

    idleAnimation = Animation(&idleTexture, layoutOf(Sheet::HeroIdle).allFrames(), 0.1f, true);
    runAnimation = Animation(&runTexture, layoutOf(Sheet::HeroRun).allFrames(), 0.1f, true);
    jumpAnimation = Animation(&jumpTexture, layoutOf(Sheet::HeroJump).allFrames(), 1.f, true);

    currentAnimation = &idleAnimation;
    sprite.setTexture(idleTexture);
    sprite.setTextureRect(idleAnimation.getCurrentFrame());
}

// A key held since before play began (Space or A choosing "Играть") does
// nothing until it has been let go.
bool Player::leftHeld() const
{
    return presses.held(sf::Keyboard::A) || presses.held(sf::Keyboard::Left) ||
           pad.counts(PadDirection::Left);
}

bool Player::rightHeld() const
{
    return presses.held(sf::Keyboard::D) || presses.held(sf::Keyboard::Right) ||
           pad.counts(PadDirection::Right);
}

void Player::processInput(float dt)
{
    float dx = 0.f;
    if (leftHeld())
    {
        facingRight = false;
        dx -= speed * dt;
    }
    if (rightHeld())
    {
        dx += speed * dt;
        facingRight = true;
    }
    sprite.move(dx, 0.f);

    if (presses.held(sf::Keyboard::Space) || presses.held(Control::padButton(Gamepad::buttonA)))
    {
        // Holding Space (or A) jumps once: it must come up before the next jump.
        if (!jumpKeyHeld && !isJumping)
        {
            velocityY = jumpVelocity;
            isJumping = true;
            setState(PlayerState::Jump);
            jumpKeyHeld = true;
        }
    }
    else
    {
        jumpKeyHeld = false;
    }

    if (isJumping)
        setState(PlayerState::Jump);
    else if (dx == 0.f)
        setState(PlayerState::Idle);
    else
        setState(PlayerState::Run);

    sprite.setScale(facingRight ? scale : -scale, scale);
}

void Player::update(float dt)
{
    velocityY += gravity * dt;
    sprite.move(0.f, velocityY * dt);

    if (currentAnimation != nullptr)
    {
        currentAnimation->advance(dt);
        sprite.setTextureRect(currentAnimation->getCurrentFrame());
    }

    // In the air gravity acts a second time, and the hero moves a second time.
    if (!onGround)
        velocityY += gravity * dt;
    move({0.f, velocityY * dt});

    if (getPosition().y >= floorY)
    {
        land();
        setPosition({getPosition().x, floorY});
    }
}

void Player::land()
{
    isJumping = false;
    velocityY = 0.f;
    setState(leftHeld() || rightHeld() ? PlayerState::Run : PlayerState::Idle);
}

void Player::setState(PlayerState newState)
{
    if (newState == state)
        return;
    state = newState;
    switch (state)
    {
    case PlayerState::Idle:
        currentAnimation = &idleAnimation;
        break;
    case PlayerState::Run:
        currentAnimation = &runAnimation;
        break;
    case PlayerState::Jump:
        currentAnimation = &jumpAnimation;
        break;
    }
    currentAnimation->restart();
    sprite.setTexture(*currentAnimation->texture);
    sprite.setTextureRect(currentAnimation->getCurrentFrame());
}

void Player::setScale(float x, float y)
{
    sprite.setScale(x, y);
}

void Player::resolveCollisions(const TileMap& map)
{
    // Every test of this pass uses the bounds as they were at its start.
    const sf::FloatRect bounds = getGlobalBounds();
    onGround = false;
    const unsigned columns = map.getWidth();
    const unsigned rows = map.getHeight();
    if (columns == 0 || rows == 0)
        return;

    // The neighbourhood is found in the map's own units, truncated toward zero;
    // the cells are then tested where the map is drawn.
    const sf::Vector2f tile(static_cast<float>(map.getTileSize().x),
                            static_cast<float>(map.getTileSize().y));
    const sf::Vector2f local = map.getInverseTransform().transformPoint(bounds.left, bounds.top);
    const int startColumn = static_cast<int>(local.x / tile.x);
    const int startRow = static_cast<int>(local.y / tile.y);
    const std::vector<int>& tiles = map.getTiles();

    for (int row = startRow; row <= startRow + 1; ++row)
    {
        for (int column = startColumn - 1; column <= startColumn + 1; ++column)
        {
            if (column < 0 || row < 0 || static_cast<unsigned>(column) >= columns ||
                static_cast<unsigned>(row) >= rows)
                continue;
            if (tiles[static_cast<std::size_t>(column) + static_cast<std::size_t>(row) * columns] <=
                0)
                continue;

            const sf::FloatRect cell = map.getTransform().transformRect(
                {static_cast<float>(column) * tile.x, static_cast<float>(row) * tile.y, tile.x,
                 tile.y});
            sf::FloatRect overlap; // SFML reports only overlaps of positive area
            if (!bounds.intersects(cell, overlap))
                continue;

            const sf::FloatRect now = getGlobalBounds();
            if (velocityY >= 0.f && overlap.width > overlap.height)
            {
                // Landing: the bottom of the hero goes onto the cell's top.
                move({0.f, cell.top - (now.top + now.height)});
                land();
                onGround = true;
            }
            else if (overlap.height > overlap.width)
            {
                const bool cellOnTheRight = cell.left > bounds.left;
                move({cellOnTheRight ? cell.left - (now.left + now.width)
                                     : cell.left + cell.width - now.left,
                      0.f});
            }
        }
    }
}
