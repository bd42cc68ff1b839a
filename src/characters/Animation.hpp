#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cstdint>
#include <vector>

/// One frame sequence of a character: the frames cut from a sprite sheet and
/// how far the sequence has played.
struct Animation
{
    /// The placeholder a character starts with: no sheet, no frames.
    Animation() = default;

    Animation(const sf::Texture* texture, std::vector<sf::IntRect> frames, float frameDuration,
              bool loop);

    /// The frame shown; an empty rectangle when there are no frames.
    const sf::IntRect& getCurrentFrame() const;

    /// Moves on by dt seconds, at most one frame per call; the rest of the time
    /// is kept for later calls.
    void advance(float dt);

    /// Back to the first frame, not finished.
    void restart();

    const sf::Texture* texture = nullptr; ///< not owned: a texture of the character
    std::vector<sf::IntRect> frames;
    float frameDuration = 0.1f;
    std::int32_t currentFrame = 0;
    float elapsed = 0.f;
    bool loop = true;
    bool finished = false; ///< a non-looping sequence reached its last frame
};
