#pragma once

#include "platform/StillClock.hpp"

/// Tells when SFML's audio device has stopped playing without being marked
/// lost. OpenAL Soft's own PipeWire output (1.22 to 1.25 at least) never marks
/// its device disconnected when PipeWire goes away: the device's clock stands
/// still instead, and nothing is heard from it again. It could go with an
/// OpenAL Soft whose PipeWire output reports the loss as its other outputs do.
class AudioClockWatch
{
public:
    /// Whether the device's clock has stood still at every look for a
    /// second. Each call is a look: ask a few times a second.
    bool hasStopped();

private:
    // A playing device's clock moves with every block it mixes, a few
    // hundredths of a second apart.
    StillClock clock{std::chrono::seconds(1)};
};
