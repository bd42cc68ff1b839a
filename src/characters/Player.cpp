#include "characters/Player.hpp"

#include "controls/Gamepad.hpp"
#include "resources/TextureCache.hpp"
#include "world/TileMap.hpp"

namespace
{
constexpr float scale = 5.f;
constexpr int frameWidth = 96;
constexpr int frameHeight = 40;
constexpr int sheetStride = 120;
constexpr int sheetFrames = 10;

std::vector<sf::IntRect> sheetFrameRects()
{
    std::vector<sf::IntRect> frames;
    for (int i = 0; i < sheetFrames; ++i)
        frames.emplace_back(sheetStride * i, 0, frameWidth, frameHeight);
    return frames;
}
} // namespace

Player::Player(const Input& input) : presses(input.getPresses())
{
    idleTexture = TextureCache::get("Player/_Idle.png");
    runTexture = TextureCache::get("Player/_Run.png");
    jumpTexture = TextureCache::get("Player/_Jump.png");

    // The origin is the point between the feet.
    sprite.setOrigin(frameWidth / 2.f, frameHeight);
    sprite.setScale(scale, scale);

    idleAnimation = Animation(&idleTexture, sheetFrameRects(), 0.1f, true);
    runAnimation = Animation(&runTexture, sheetFrameRects(), 0.1f, true);
    jumpAnimation =
        Animation(&jumpTexture, {sf::IntRect(0, 0, frameWidth, frameHeight)}, 1.f, true);

    currentAnimation = &idleAnimation;
    sprite.setTexture(idleTexture);
    sprite.setTextureRect(idleAnimation.getCurrentFrame());
}

// A key held since before play began (Space or A choosing "Играть") does
// nothing until it has been let go.
bool Player::leftHeld() const
{
    return presses.held(sf::Keyboard::A) || presses.held(sf::Keyboard::Left) ||
           presses.held(PadDirection::Left);
}

bool Player::rightHeld() const
{
    return presses.held(sf::Keyboard::D) || presses.held(sf::Keyboard::Right) ||
           presses.held(PadDirection::Right);
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
