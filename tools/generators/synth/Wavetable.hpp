#pragma once

#include <vector>

/// One cycle of a waveform made of harmonics, read back at any pitch. Far
/// cheaper than summing sines for every sample of a long chord.
class Wavetable
{
public:
    /// `harmonics[k]` is the amplitude of harmonic k + 1.
    explicit Wavetable(const std::vector<double>& harmonics);

    /// The waveform at `phase`, in cycles (any value; only its fraction counts).
    double at(double phase) const;

private:
    std::vector<double> table;
};
