#include "platform/AudioClockWatch.hpp"

#include <alc.h>

namespace
{
// ALC_SOFT_device_clock, which not every OpenAL header declares (SFML's
// Windows one does not).
constexpr ALCenum deviceClockSoft = 0x1600;
using GetInteger64 = void(ALC_APIENTRY*)(ALCdevice*, ALCenum, ALCsizei, std::int64_t*);

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
    return clock.stoodStill(deviceClock(), std::chrono::steady_clock::now());
}
