#pragma once

#include "audio/Audio.hpp"

/// Each theme's file holds its loop with this many seconds of the loop's end
/// before it and of its start after it. The encoder is least exact at a file's
/// very ends; the music player loops between the two margins, where it is as
/// exact as anywhere, so the seam cannot be heard.
constexpr float musicMargin = 0.5f;

/// Where each sound lies, relative to the working directory.
inline const char* soundFile(SoundEffect effect)
{
    switch (effect)
    {
    case SoundEffect::Hover:
        return "Sounds/tick.wav";
    case SoundEffect::Click:
        return "Sounds/click.wav";
    case SoundEffect::HeroStep:
        return "Sounds/step.wav";
    case SoundEffect::HeroJump:
        return "Sounds/jump.wav";
    case SoundEffect::HeroLanding:
        return "Sounds/land.wav";
    case SoundEffect::SkeletonStep:
        return "Sounds/bone-step.wav";
    case SoundEffect::AxeSwing:
        return "Sounds/axe.wav";
    }
    return "";
}

inline const char* musicFile(MusicTheme theme)
{
    return theme == MusicTheme::Menu ? "Music/menu.ogg" : "Music/forest.ogg";
}
