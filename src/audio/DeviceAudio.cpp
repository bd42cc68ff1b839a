#include "audio/DeviceAudio.hpp"

#include "audio/DeferredAudio.hpp"
#include "audio/SilentAudio.hpp"

#include <SFML/Audio/Listener.hpp>

#include <alc.h>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

namespace
{
/// While it lives, whatever anything in the process writes to standard error
/// (SFML, OpenAL, ALSA) goes nowhere.
class QuietStandardError
{
public:
    QuietStandardError()
    {
        if (std::getenv("ALSOFT_LOGLEVEL") != nullptr)
            return;
        std::cerr.flush();
        std::fflush(stderr);
        saved = dup(STDERR_FILENO);
        const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved < 0 || null < 0 || dup2(null, STDERR_FILENO) < 0)
            restore();
        if (null >= 0)
            close(null);
    }
    ~QuietStandardError() { restore(); }

    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    void restore()
    {
        if (saved < 0)
            return;
        std::fflush(stderr);
        dup2(saved, STDERR_FILENO);
        close(saved);
        saved = -1;
    }

    int saved = -1;
};

bool deviceOpens()
{
    ALCdevice* device = alcOpenDevice(nullptr);
    if (device == nullptr)
        return false;
    alcCloseDevice(device);
    return true;
}
} // namespace

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
        // SFML opens its own device with its first sound object; it could still
        // fail there, and then no context is current.
        if (deviceOpens())
        {
            audio = std::make_unique<DeviceAudio>(errors);
            if (alcGetCurrentContext() == nullptr)
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
