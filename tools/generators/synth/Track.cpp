#include "Track.hpp"

#include "Reverb.hpp"

#include <algorithm>
#include <cmath>

Track::Track(std::size_t frames) : left(frames, 0.0), right(frames, 0.0) {}

void Track::add(std::size_t start, const std::vector<double>& voice, double pan, double gain)
{
    const double pi = 3.14159265358979323846;
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * pi / 4.0;
    const double toLeft = std::cos(angle) * gain;
    const double toRight = std::sin(angle) * gain;
    for (std::size_t i = 0; i < voice.size(); ++i)
    {
        const std::size_t at = (start + i) % frames();
        left[at] += voice[i] * toLeft;
        right[at] += voice[i] * toRight;
    }
}

void Track::addReverb(double room, double damping, double wet)
{
    Reverb reverb(room, damping);
    std::vector<double> wetLeft(frames());
    std::vector<double> wetRight(frames());
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t i = 0; i < frames(); ++i)
            reverb.process(left[i], right[i], wetLeft[i], wetRight[i]);
    for (std::size_t i = 0; i < frames(); ++i)
    {
        left[i] += wetLeft[i] * wet;
        right[i] += wetRight[i] * wet;
    }
}

std::vector<float> Track::interleaved(double peak, std::size_t margin) const
{
    double loudest = 1e-9;
    for (std::size_t i = 0; i < frames(); ++i)
        loudest = std::max({loudest, std::fabs(left[i]), std::fabs(right[i])});
    const double scale = peak / loudest;
    std::vector<float> samples;
    samples.reserve((frames() + 2 * margin) * 2);
    for (std::size_t k = 0; k < frames() + 2 * margin; ++k)
    {
        const std::size_t i = (k + frames() * 2 - margin) % frames();
        samples.push_back(static_cast<float>(left[i] * scale));
        samples.push_back(static_cast<float>(right[i] * scale));
    }
    return samples;
}
