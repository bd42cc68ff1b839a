#pragma once

#include <cmath>
#include <cstddef>

/// Every sound of the game is made at CD rate.
constexpr unsigned sampleRate = 44100;

/// The number of samples in `seconds`.
inline std::size_t samplesIn(double seconds)
{
    return static_cast<std::size_t>(std::lround(seconds * sampleRate));
}

/// The frequency of a note given as a MIDI number (69 is the A at 440 Hz).
inline double noteFrequency(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}
