#pragma once

#include "Track.hpp"

/// The menu's calm theme in A minor: soft pads, a low bass and a music-box
/// tune; 8 bars at 64 beats a minute, 30 seconds, looping.
Track menuTheme();

/// The night forest in D minor: dark pads, a slow flute, crickets, an owl
/// far off and a breath of wind; 40 seconds, looping.
Track forestTheme();
