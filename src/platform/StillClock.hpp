#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

/// Tells, from readings of a clock taken now and then, when it has stood
/// still for a while.
class StillClock
{
public:
    using Time = std::chrono::steady_clock::time_point;

    explicit StillClock(std::chrono::steady_clock::duration longest) : longest(longest) {}

    /// Takes a reading (none where the clock cannot be read) made at `now`;
    /// whether the clock has read the same at every reading for `longest`.
    bool stoodStill(std::optional<std::int64_t> reading, Time now);

private:
    std::chrono::steady_clock::duration longest;
    std::optional<std::int64_t> lastReading;
    std::optional<Time> stillSince;
};
