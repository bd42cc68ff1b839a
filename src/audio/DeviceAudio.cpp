#include "audio/DeviceAudio.hpp"

#include "audio/DeferredAudio.hpp"
#include "audio/SilentAudio.hpp"
#include "platform/AudioDeviceProbe.hpp"
#include "platform/OpenAlLog.hpp"
#include "platform/QuietStandardError.hpp"

#include <SFML/Audio/Listener.hpp>

namespace
{
const char* const noDevice = "Звук выключен: не удалось открыть звуковое устройство";
} // namespace

DeviceAudio::DeviceAudio(std::ostream& errors) : sounds(errors), music(errors)
{
    // SFML keeps the listener's volume across devices; this sound starts
    // unmuted whatever the one before it was.
    sf::Listener::setGlobalVolume(100.f);
}

DeviceAudio::~DeviceAudio()
{
    if (audioDeviceLost())
        quietWhileLost.emplace();
}

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

bool DeviceAudio::isLost()
{
    return audioDeviceLost() || clock.hasStopped();
}

std::unique_ptr<Audio> openDeviceAudio(std::ostream& errors)
{
    quietOpenAlLog();
    const QuietStandardError quiet;
    // SFML opens its own device with its first sound object.
    if (!audioDeviceOpens())
        return nullptr;
    auto audio = std::make_unique<DeviceAudio>(errors);
    if (!audioContextIsCurrent())
        audio.reset();
    return audio;
}

std::unique_ptr<Audio> openAudio(std::ostream& errors)
{
    if (std::unique_ptr<Audio> audio = openDeviceAudio(errors))
        return audio;
    errors << noDevice << std::endl;
    return std::make_unique<SilentAudio>();
}

std::unique_ptr<Audio> openAudioAfterFirstFrame(std::ostream& errors)
{
    return std::make_unique<DeferredAudio>(
        [&errors, first = true]() mutable
        {
            std::unique_ptr<Audio> audio = openDeviceAudio(errors);
            if (!audio && first)
                errors << noDevice << std::endl;
            first = false;
            return audio;
        });
}
