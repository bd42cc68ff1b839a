#pragma once

#include "audio/Audio.hpp"
#include "audio/Crossfade.hpp"

#include <SFML/Audio/Music.hpp>

#include <array>
#include <ostream>

/// The two looping themes, streamed from their files, crossfading from one to
/// the other. A theme faded out is paused, and picks up where it left off when
/// it comes back. Needs an open device.
class MusicPlayer
{
public:
    /// A theme's file that is missing or unreadable is reported here, once.
    explicit MusicPlayer(std::ostream& errors);

    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    /// Fades to `theme`. Its file is opened the first time it is asked for.
    void play(MusicTheme theme);

    void update(float dt);

    /// How loud a theme plays now, 0 to 100; 0 while it is not open.
    float volumeOf(MusicTheme theme) const
    {
        return themes[static_cast<std::size_t>(theme)].getVolume();
    }

private:
    enum class Opening
    {
        NotYet,
        Opened,
        Failed
    };

    sf::Music& music(MusicTheme theme) { return themes[static_cast<std::size_t>(theme)]; }
    bool open(MusicTheme theme);

    std::ostream& errors;
    std::array<sf::Music, themeCount> themes;
    std::array<Opening, themeCount> opening{};
    Crossfade fade;
    bool started = false;
    MusicTheme current = MusicTheme::Menu;
};
