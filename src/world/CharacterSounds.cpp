#include "world/CharacterSounds.hpp"

#include "characters/Player.hpp"
#include "characters/Skeleton.hpp"
#include "resources/ImageFiles.hpp"
#include "world/World.hpp"

#include <algorithm>
#include <iterator>

namespace
{
bool isFootfall(int frame)
{
    return std::find(std::begin(footfallFrames), std::end(footfallFrames), frame) !=
           std::end(footfallFrames);
}
} // namespace

void CharacterSounds::update(const World& world, Audio& audio)
{
    const auto& entities = world.getEntities();
    seen.resize(entities.size());
    for (std::size_t i = 0; i < entities.size(); ++i)
    {
        Seen& before = seen[i];
        Seen now;
        if (const auto* hero = dynamic_cast<const Player*>(entities[i].get()))
        {
            now = {static_cast<int>(hero->getState()), hero->getCurrentAnimation().currentFrame,
                   hero->isAirborne()};
            const bool moved = now.state != before.state || now.frame != before.frame;
            if (now.airborne && !before.airborne)
                audio.play(SoundEffect::HeroJump);
            else if (!now.airborne && before.airborne)
                audio.play(SoundEffect::HeroLanding); // the thud stands for the step too
            else if (moved && hero->getState() == PlayerState::Run && isFootfall(now.frame))
                audio.play(SoundEffect::HeroStep);
        }
        else if (const auto* skeleton = dynamic_cast<const Skeleton*>(entities[i].get()))
        {
            now = {static_cast<int>(skeleton->getState()),
                   skeleton->getCurrentAnimation().currentFrame, false};
            const bool moved = now.state != before.state || now.frame != before.frame;
            if (moved && skeleton->getState() == SkeletonState::Walk && isFootfall(now.frame))
                audio.playAt(SoundEffect::SkeletonStep, skeleton->getPosition());
            else if (moved && skeleton->getState() == SkeletonState::Attack &&
                     now.frame == axeSwingFrame)
                audio.playAt(SoundEffect::AxeSwing, skeleton->getPosition());
        }
        before = now;
    }
}
