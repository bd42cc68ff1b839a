#include "characters/Animation.hpp"

Animation::Animation(const sf::Texture* texture, std::vector<sf::IntRect> frames,
                     float frameDuration, bool loop)
    : texture(texture), frames(std::move(frames)), frameDuration(frameDuration), loop(loop)
{
}

const sf::IntRect& Animation::getCurrentFrame() const
{
    static const sf::IntRect noFrame;
    if (frames.empty())
        return noFrame;
    return frames[static_cast<std::size_t>(currentFrame)];
}

void Animation::advance(float dt)
{
    if (frames.empty() || finished)
        return;
    elapsed += dt;
    if (elapsed < frameDuration)
        return;
    elapsed -= frameDuration;
    ++currentFrame;
    if (currentFrame >= static_cast<std::int32_t>(frames.size()))
    {
        if (loop)
        {
            currentFrame = 0;
        }
        else
        {
            finished = true;
            currentFrame = static_cast<std::int32_t>(frames.size()) - 1;
        }
    }
}

void Animation::restart()
{
    currentFrame = 0;
    elapsed = 0.f;
    finished = false;
}
