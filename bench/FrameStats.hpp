#pragma once

#include <vector>

/// Frame times of one benchmark run, in milliseconds.
class FrameStats
{
public:
    void add(double milliseconds) { samples.push_back(milliseconds); }

    /// The time that `share` (0 to 1) of the frames took at most, by the
    /// nearest-rank rule; 0 without samples.
    double percentile(double share) const;

    double median() const { return percentile(0.5); }
    std::size_t count() const { return samples.size(); }

private:
    std::vector<double> samples;
};
