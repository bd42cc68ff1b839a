#pragma once

#include "audio/Audio.hpp"

#include <iterator>

/// Each theme's file holds its loop with this many seconds of the loop's end
/// before it and of its start after it. The encoder is least exact at a file's
/// very ends; the music player loops between the two margins, where it is as
/// exact as anywhere, so the seam cannot be heard.
constexpr float musicMargin = 0.5f;

/// Where each effect lies, relative to the working directory, in the order of
/// SoundEffect.
inline constexpr const char* effectFiles[] = {
    "Sounds/tick.wav",      // Hover
    "Sounds/click.wav",     // Click
    "Sounds/step.wav",      // HeroStep
    "Sounds/jump.wav",      // HeroJump
    "Sounds/land.wav",      // HeroLanding
    "Sounds/bone-step.wav", // SkeletonStep
    "Sounds/axe.wav",       // AxeSwing
};
static_assert(std::size(effectFiles) == effectCount, "a file for every effect");

/// Where each theme lies, in the order of MusicTheme.
inline constexpr const char* themeFiles[] = {
    "Music/menu.ogg",   // Menu
    "Music/forest.ogg", // Forest
};
static_assert(std::size(themeFiles) == themeCount, "a file for every theme");

inline const char* soundFile(SoundEffect effect)
{
    return effectFiles[static_cast<std::size_t>(effect)];
}

inline const char* musicFile(MusicTheme theme)
{
    return themeFiles[static_cast<std::size_t>(theme)];
}
