#include "audio/Crossfade.hpp"

#include <algorithm>
#include <cmath>

void Crossfade::fadeTo(MusicTheme theme)
{
    target = theme;
    fading = true;
}

void Crossfade::update(float dt)
{
    if (!fading)
        return;
    const float step = dt / duration;
    for (const MusicTheme theme : allThemes)
    {
        float& l = level(theme);
        l = theme == target ? std::min(1.f, l + step) : std::max(0.f, l - step);
    }
}

float Crossfade::volume(MusicTheme theme) const
{
    return std::sin(level(theme) * 1.5707963f);
}
