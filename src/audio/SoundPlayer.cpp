#include "audio/SoundPlayer.hpp"

#include "audio/Decibels.hpp"
#include "audio/SoundFiles.hpp"
#include "platform/QuietSfmlErrors.hpp"

#include <algorithm>
#include <cmath>

namespace
{
// The listener hears the world from this far in front of the screen: a sound
// at the edge of an 800 px view comes from about 50 degrees aside.
constexpr float listenerDistance = 300.f;
// Within this far of the view's centre, where the knight runs and the skeleton
// reaches it, a sound is at full loudness; farther off it fades by this much a
// pixel: 12 dB down at the edge of an 800 px view.
constexpr float fullLoudnessWithin = 300.f;
constexpr float fadePerPixelDb = 0.12f;
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

float distanceGain(sf::Vector2f source, sf::Vector2f listener)
{
    const float beyond = std::abs(source.x - listener.x) - fullLoudnessWithin;
    return beyond > 0.f ? fromDecibels(-fadePerPixelDb * beyond) : 1.f;
}

SoundPlayer::SoundPlayer(std::ostream& errors) : errors(errors)
{
    // OpenAL only places the sounds; how loud distance makes them is worked
    // out here, along the view's width rather than in its three dimensions.
    for (sf::Sound& voice : voices)
    {
        voice.setRelativeToListener(true);
        voice.setAttenuation(0.f);
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
    voice->setVolume(100.f);
    if (effect == SoundEffect::AxeSwing)
    {
        const AxeSwings::Swing swing = swings.next(clock.getElapsedTime());
        voice->setPitch(swing.pitch);
        voice->setVolume(100.f * swing.level);
    }
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
        voice->setVolume(voice->getVolume() * distanceGain(source, listener));
        voice->play();
    }
}

std::size_t SoundPlayer::playingCount() const
{
    return static_cast<std::size_t>(std::count_if(
        voices.begin(), voices.end(),
        [](const sf::Sound& voice) { return voice.getStatus() == sf::Sound::Playing; }));
}
