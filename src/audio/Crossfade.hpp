#pragma once

#include "audio/Audio.hpp"

#include <array>

/// How loud each theme is while one fades in and the other fades out. Each
/// level moves at a steady pace toward full (the theme asked for) or silence.
class Crossfade
{
public:
    /// Seconds a theme takes from silence to full, and back.
    static constexpr float duration = 0.8f;

    /// From now on `theme` rises and the other falls.
    void fadeTo(MusicTheme theme);

    void update(float dt);

    /// The theme's loudness, 0 to 1, shaped so the two together keep the
    /// overall loudness even across the fade.
    float volume(MusicTheme theme) const;

    /// True while the theme is heard at all.
    bool audible(MusicTheme theme) const { return level(theme) > 0.f; }

private:
    float& level(MusicTheme theme) { return levels[static_cast<std::size_t>(theme)]; }
    float level(MusicTheme theme) const { return levels[static_cast<std::size_t>(theme)]; }

    std::array<float, themeCount> levels{};
    bool fading = false;
    MusicTheme target = MusicTheme::Menu;
};
