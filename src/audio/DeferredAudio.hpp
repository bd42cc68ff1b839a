#pragma once

#include "audio/Audio.hpp"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

/// The game's sound, opened only once the first frame has been shown: opening
/// an audio device takes tens of milliseconds that the player would otherwise
/// spend looking at no window at all. Until then it remembers what the screens
/// asked for (effects to load, a theme, the listener, silence) and hands it on.
class DeferredAudio : public Audio
{
public:
    using Opener = std::function<std::unique_ptr<Audio>()>;

    /// `open` is called once, on the second frame's update.
    explicit DeferredAudio(Opener open);

    void load(std::initializer_list<SoundEffect> effects) override;
    void play(SoundEffect effect) override;
    void playAt(SoundEffect effect, sf::Vector2f position) override;
    void setListenerPosition(sf::Vector2f position) override;
    void playMusic(MusicTheme theme) override;
    void update(float dt) override;
    void toggleMute() override;
    bool isMuted() const override;

private:
    void openNow();

    Opener opener;
    std::unique_ptr<Audio> opened;
    int updates = 0;
    std::vector<SoundEffect> wanted;
    std::optional<MusicTheme> theme;
    std::optional<sf::Vector2f> listener;
    bool muted = false;
};
