#pragma once

#include "audio/Audio.hpp"
#include "audio/MusicPlayer.hpp"
#include "audio/SoundPlayer.hpp"
#include "platform/AudioClockWatch.hpp"
#include "platform/QuietSfmlErrors.hpp"

#include <memory>
#include <optional>
#include <ostream>

/// The game's sound through the machine's audio device (OpenAL, by way of
/// SFML): effects placed around the listener, and the music.
class DeviceAudio : public Audio
{
public:
    /// Needs an open device: see openAudio.
    explicit DeviceAudio(std::ostream& errors);
    ~DeviceAudio() override;

    DeviceAudio(const DeviceAudio&) = delete;
    DeviceAudio& operator=(const DeviceAudio&) = delete;

    void load(std::initializer_list<SoundEffect> effects) override;
    void play(SoundEffect effect) override;
    void playAt(SoundEffect effect, sf::Vector2f position) override;
    void setListenerPosition(sf::Vector2f position) override;
    void playMusic(MusicTheme theme) override;
    void update(float dt) override;
    void toggleMute() override;
    bool isMuted() const override { return muted; }
    bool isLost() override;

private:
    // Declared first, so that it outlives the sounds: letting go of the
    // sources of a lost device, SFML 2.6 reports each OpenAL call that fails.
    std::optional<QuietSfmlErrors> quietWhileLost;
    SoundPlayer sounds;
    MusicPlayer music;
    AudioClockWatch clock;
    bool muted = false;
};

/// The sound on the audio device there is now, or null, without a single
/// sound object, where none opens (each would make SFML and OpenAL complain
/// again). The libraries' own complaints while the device is tried are kept
/// off standard error, unless the player asked OpenAL for its log
/// (ALSOFT_LOGLEVEL).
std::unique_ptr<Audio> openDeviceAudio(std::ostream& errors);

/// The sound of this run, on the device there is now: where none opens, one
/// line on `errors` and silence.
std::unique_ptr<Audio> openAudio(std::ostream& errors);

/// The sound as the game has it (see DeferredAudio): opened on the second
/// frame, and opened anew when there was no device or it was lost. Where none
/// opens on the second frame, one line on `errors` says so; later tries are
/// silent.
std::unique_ptr<Audio> openAudioAfterFirstFrame(std::ostream& errors);
