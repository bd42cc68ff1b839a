#include "platform/StillClock.hpp"

bool StillClock::stoodStill(std::optional<std::int64_t> reading, Time now)
{
    if (!reading || reading != lastReading)
    {
        lastReading = reading;
        stillSince.reset();
        return false;
    }
    // Timed from the first reading that finds it still, not from its last
    // move: readings that stopped for a while with the clock (a process the
    // system stopped) find it where it was at the first one after.
    if (!stillSince)
        stillSince = now;
    return now - *stillSince >= longest;
}
