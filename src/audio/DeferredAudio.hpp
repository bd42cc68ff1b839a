#pragma once

#include "audio/Audio.hpp"

#include <array>
#include <functional>
#include <memory>
#include <optional>

/// The game's sound on whatever device there is, opened only once the first
/// frame has been shown (opening one takes tens of milliseconds that the
/// player would otherwise spend looking at no window at all), and opened anew
/// when there was none or the one in use is lost (its sound server stopped).
/// It remembers what the screens asked for (effects to load, the theme, the
/// listener, silence) and hands it on to every device it opens.
class DeferredAudio : public Audio
{
public:
    /// Opens the sound on the device there is now; null when there is none.
    using Opener = std::function<std::unique_ptr<Audio>()>;

    /// How often the device in use is asked whether it is still there, and a
    /// device is tried while there is none, in seconds of frame time.
    static constexpr float checkInterval = 0.25f;
    static constexpr float retryInterval = 0.5f;

    /// `open` is first called on the second frame's update.
    explicit DeferredAudio(Opener open);

    void load(std::initializer_list<SoundEffect> effects) override;
    void play(SoundEffect effect) override;
    void playAt(SoundEffect effect, sf::Vector2f position) override;
    void setListenerPosition(sf::Vector2f position) override;
    void playMusic(MusicTheme theme) override;
    void update(float dt) override;
    void toggleMute() override;
    bool isMuted() const override { return muted; }

private:
    void openNow();

    Opener opener;
    std::unique_ptr<Audio> opened;
    bool shown = false;     ///< the first frame has been
    bool tried = false;     ///< a device has been tried
    float sinceAsked = 0.f; ///< since the device was last tried or asked about
    std::array<bool, effectCount> wanted{};
    std::optional<MusicTheme> theme;
    std::optional<sf::Vector2f> listener;
    bool muted = false;
};
