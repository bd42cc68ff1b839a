#include "platform/AudioClockWatch.hpp"

#include <alc.h>

namespace
{
// ALC_SOFT_device_clock, which not every OpenAL header declares (SFML's
// Windows one does not).
constexpr ALCenum deviceClockSoft = 0x1600;
using GetInteger64 = void(ALC_APIENTRY*)(ALCdevice*, ALCenum, ALCsizei, std::int64_t*);

// How long a playing device's clock may stand still: it moves with every
// block the device mixes, a few hundredths of a second apart.
constexpr std::chrono::seconds longestStill{1};

// The clock of the current context's device, in nanoseconds, where OpenAL
// tells it.
std::optional<std::int64_t> deviceClock()
{
    ALCcontext* const context = alcGetCurrentContext();
    ALCdevice* const device = context ? alcGetContextsDevice(context) : nullptr;
    if (device == nullptr || !alcIsExtensionPresent(device, "ALC_SOFT_device_clock"))
        return std::nullopt;
    // Asked for by name: not every OpenAL library exports it.
    const auto getInteger64 =
        reinterpret_cast<GetInteger64>(alcGetProcAddress(device, "alcGetInteger64vSOFT"));
    if (getInteger64 == nullptr)
        return std::nullopt;
    std::int64_t clock = 0;
    getInteger64(device, deviceClockSoft, 1, &clock);
    return clock;
}
} // namespace

bool AudioClockWatch::hasStopped()
{
    const std::optional<std::int64_t> clock = deviceClock();
    if (!clock || clock != lastClock)
    {
        lastClock = clock;
        stillSince.reset();
        return false;
    }
    // Timed from the first look that finds it still, not from the last move:
    // a game stopped for a while by the system (its mixer with it) finds the
    // clock where it was at the first look after.
    const auto now = std::chrono::steady_clock::now();
    if (!stillSince)
        stillSince = now;
    return now - *stillSince >= longestStill;
}
