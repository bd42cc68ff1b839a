#pragma once

#include <cstddef>
#include <vector>

/// A stereo piece of music that loops: whatever rings past its end (a long
/// note, the reverb's tail) carries on at its beginning, so the loop's seam is
/// no different from any other moment of it.
class Track
{
public:
    explicit Track(std::size_t frames);

    std::size_t frames() const { return left.size(); }

    /// Mixes a mono voice in from `start`, placed by `pan` (-1 left, 0 centre,
    /// 1 right) at equal loudness.
    void add(std::size_t start, const std::vector<double>& voice, double pan, double gain);

    /// Adds a reverb of the whole loop, as heard while it repeats: the room is
    /// run through the loop twice and the second pass kept.
    void addReverb(double room, double damping, double wet);

    /// The track interleaved left, right, scaled so its loudest sample is
    /// `peak`, with `margin` frames of its end before it and of its start
    /// after it, as it sounds while it loops.
    std::vector<float> interleaved(double peak, std::size_t margin) const;

    std::vector<double> left;
    std::vector<double> right;
};
