#include "audio/SoundPlayer.hpp"

#include "audio/SoundFiles.hpp"
#include "platform/QuietSfmlErrors.hpp"

#include <algorithm>
#include <cmath>

namespace
{
// The listener hears the world from this far in front of the screen: a sound
// at the edge of an 800 px view comes from about 50 degrees aside.
constexpr float listenerDistance = 300.f;
// Within listenerDistance a sound is at full loudness; farther off it fades,
// to 60 % at the edge of an 800 px view and 30 % a screen beyond.
constexpr float attenuation = 1.f;
// Footsteps one after another are pitched a little differently, as real ones are.
constexpr float stepPitches[] = {1.f, 0.94f, 1.04f, 0.97f};

std::size_t indexOf(SoundEffect effect)
{
    return static_cast<std::size_t>(effect);
}

bool isStep(SoundEffect effect)
{
    return effect == SoundEffect::HeroStep || effect == SoundEffect::SkeletonStep;
}
} // namespace

sf::Vector3f soundPlacement(sf::Vector2f source, sf::Vector2f listener)
{
    return {source.x - listener.x, 0.f, -listenerDistance};
}

SoundPlayer::SoundPlayer(std::ostream& errors) : errors(errors)
{
    for (sf::Sound& voice : voices)
    {
        voice.setRelativeToListener(true);
        voice.setMinDistance(listenerDistance);
        voice.setAttenuation(attenuation);
    }
}

void SoundPlayer::load(std::initializer_list<SoundEffect> effects)
{
    const QuietSfmlErrors quiet;
    for (const SoundEffect effect : effects)
    {
        Loading& state = loading[indexOf(effect)];
        if (state != Loading::NotYet)
            continue;
        state = buffers[indexOf(effect)].loadFromFile(soundFile(effect)) ? Loading::Loaded
                                                                         : Loading::Failed;
        if (state == Loading::Failed)
            errors << "Не удалось загрузить звук: " << soundFile(effect) << std::endl;
    }
}

sf::Sound* SoundPlayer::voiceFor(SoundEffect effect)
{
    if (loading[indexOf(effect)] != Loading::Loaded)
        return nullptr;
    // The first voice that is free, or else the one that started longest ago.
    sf::Sound* voice = &voices[nextVoice];
    for (std::size_t i = 0; i < voiceCount; ++i)
    {
        sf::Sound& candidate = voices[(nextVoice + i) % voiceCount];
        if (candidate.getStatus() == sf::Sound::Stopped)
        {
            voice = &candidate;
            break;
        }
    }
    nextVoice = (static_cast<std::size_t>(voice - voices.data()) + 1) % voiceCount;
    voice->stop();
    voice->setBuffer(buffers[indexOf(effect)]);
    voice->setPitch(isStep(effect) ? stepPitches[steps++ % std::size(stepPitches)] : 1.f);
    last = voice;
    return voice;
}

void SoundPlayer::play(SoundEffect effect)
{
    if (sf::Sound* voice = voiceFor(effect))
    {
        voice->setPosition(0.f, 0.f, 0.f);
        voice->play();
    }
}

void SoundPlayer::playAt(SoundEffect effect, sf::Vector2f source)
{
    if (sf::Sound* voice = voiceFor(effect))
    {
        voice->setPosition(soundPlacement(source, listener));
        voice->play();
    }
}

std::size_t SoundPlayer::playingCount() const
{
    return static_cast<std::size_t>(std::count_if(
        voices.begin(), voices.end(),
        [](const sf::Sound& voice) { return voice.getStatus() == sf::Sound::Playing; }));
}
