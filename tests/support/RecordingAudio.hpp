#pragma once

#include "audio/Audio.hpp"

#include <algorithm>
#include <vector>

/// Audio that plays nothing and writes down everything asked of it, in order.
class RecordingAudio : public Audio
{
public:
    struct Played
    {
        SoundEffect effect;
        bool placed;           ///< played from a point of the world
        sf::Vector2f position; ///< that point
        sf::Vector2f listener; ///< where the listener was then
    };

    void load(std::initializer_list<SoundEffect> effects) override
    {
        ++loads;
        loaded.insert(loaded.end(), effects);
    }
    void play(SoundEffect effect) override { played.push_back({effect, false, {}, listener}); }
    void playAt(SoundEffect effect, sf::Vector2f position) override
    {
        played.push_back({effect, true, position, listener});
    }
    void setListenerPosition(sf::Vector2f position) override { listener = position; }
    void playMusic(MusicTheme theme) override { music.push_back(theme); }
    void update(float /*dt*/) override {}
    void toggleMute() override { muted = !muted; }
    bool isMuted() const override { return muted; }
    bool isLost() override { return lost; }

    std::size_t count(SoundEffect effect) const
    {
        return static_cast<std::size_t>(std::count_if(played.begin(), played.end(),
                                                      [effect](const Played& p)
                                                      { return p.effect == effect; }));
    }
    bool isLoaded(SoundEffect effect) const
    {
        return std::find(loaded.begin(), loaded.end(), effect) != loaded.end();
    }

    std::vector<Played> played;
    std::vector<MusicTheme> music;
    std::vector<SoundEffect> loaded;
    int loads = 0;
    sf::Vector2f listener;
    bool muted = false;
    bool lost = false; ///< as a device whose sound server went away
};
