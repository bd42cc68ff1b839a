#pragma once

#include "audio/Audio.hpp"

/// The sound of a machine without an audio device: nothing at all. It keeps
/// only whether the player asked for silence.
class SilentAudio : public Audio
{
public:
    void load(std::initializer_list<SoundEffect> /*effects*/) override {}
    void play(SoundEffect /*effect*/) override {}
    void playAt(SoundEffect /*effect*/, sf::Vector2f /*position*/) override {}
    void setListenerPosition(sf::Vector2f /*position*/) override {}
    void playMusic(MusicTheme /*theme*/) override {}
    void update(float /*dt*/) override {}
    void toggleMute() override { muted = !muted; }
    bool isMuted() const override { return muted; }

private:
    bool muted = false;
};
