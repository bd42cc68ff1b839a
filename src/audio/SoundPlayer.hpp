#pragma once

#include "audio/Audio.hpp"
#include "audio/AxeSwings.hpp"

#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/System/Vector3.hpp>

#include <array>
#include <ostream>

/// Where a sound from `source` is heard by a listener at `listener`, in the
/// listener's own frame (x to the right, -z ahead): beside it by the horizontal
/// distance, and always a little way ahead, so nothing jumps from one ear to
/// the other as it passes.
sf::Vector3f soundPlacement(sf::Vector2f source, sf::Vector2f listener);

/// How loud a sound from `source` is for a listener at `listener`, 0 to 1: at
/// full loudness near the middle of the view, fainter the farther aside.
float distanceGain(sf::Vector2f source, sf::Vector2f listener);

/// The short sounds: each effect's samples, loaded once, and a fixed set of
/// voices that play them, placed around the listener. Needs an open device.
class SoundPlayer
{
public:
    /// Missing or unreadable files are reported here, one line each.
    explicit SoundPlayer(std::ostream& errors);

    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void load(std::initializer_list<SoundEffect> effects);

    /// Plays in the middle, at full loudness.
    void play(SoundEffect effect);
    /// Plays from `source`, a point of the world, placed around the listener.
    void playAt(SoundEffect effect, sf::Vector2f source);

    void setListenerPosition(sf::Vector2f position) { listener = position; }

    /// The voice the last sound played on, as it was set up to be heard; null
    /// before the first.
    const sf::Sound* lastVoice() const { return last; }

    /// How many sounds are playing now.
    std::size_t playingCount() const;

private:
    enum class Loading
    {
        NotYet,
        Loaded,
        Failed
    };
    static constexpr std::size_t voiceCount = 16;

    /// A free voice set to the effect, or none when the effect is not loaded.
    sf::Sound* voiceFor(SoundEffect effect);

    std::ostream& errors;
    std::array<sf::SoundBuffer, effectCount> buffers;
    std::array<Loading, effectCount> loading{};
    std::array<sf::Sound, voiceCount> voices;
    std::size_t nextVoice = 0;
    const sf::Sound* last = nullptr;
    unsigned steps = 0; ///< footsteps played, to vary their pitch
    AxeSwings swings;
    sf::Clock clock; ///< runs from the start, to time the swings
    sf::Vector2f listener;
};
