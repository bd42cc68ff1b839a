#include "audio/DeviceAudio.hpp"

#include "audio/DeferredAudio.hpp"
#include "audio/SilentAudio.hpp"
#include "platform/AudioDeviceProbe.hpp"
#include "platform/QuietStandardError.hpp"

#include <SFML/Audio/Listener.hpp>

DeviceAudio::DeviceAudio(std::ostream& errors) : sounds(errors), music(errors) {}

void DeviceAudio::load(std::initializer_list<SoundEffect> effects)
{
    sounds.load(effects);
}

void DeviceAudio::play(SoundEffect effect)
{
    sounds.play(effect);
}

void DeviceAudio::playAt(SoundEffect effect, sf::Vector2f position)
{
    sounds.playAt(effect, position);
}

void DeviceAudio::setListenerPosition(sf::Vector2f position)
{
    sounds.setListenerPosition(position);
}

void DeviceAudio::playMusic(MusicTheme theme)
{
    music.play(theme);
}

void DeviceAudio::update(float dt)
{
    music.update(dt);
}

void DeviceAudio::toggleMute()
{
    muted = !muted;
    sf::Listener::setGlobalVolume(muted ? 0.f : 100.f);
}

std::unique_ptr<Audio> openAudio(std::ostream& errors)
{
    std::unique_ptr<Audio> audio;
    {
        const QuietStandardError quiet;
        // SFML opens its own device with its first sound object.
        if (audioDeviceOpens())
        {
            audio = std::make_unique<DeviceAudio>(errors);
            if (!audioContextIsCurrent())
                audio.reset();
        }
    }
    if (audio)
        return audio;
    errors << "Звук выключен: не удалось открыть звуковое устройство" << std::endl;
    return std::make_unique<SilentAudio>();
}

std::unique_ptr<Audio> openAudioAfterFirstFrame(std::ostream& errors)
{
    return std::make_unique<DeferredAudio>([&errors] { return openAudio(errors); });
}
