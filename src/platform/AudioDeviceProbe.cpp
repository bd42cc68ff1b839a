#include "platform/AudioDeviceProbe.hpp"

#include <alc.h>
#include <alext.h>

bool audioDeviceOpens()
{
    ALCdevice* device = alcOpenDevice(nullptr);
    if (device == nullptr)
        return false;
    alcCloseDevice(device);
    return true;
}

bool audioContextIsCurrent()
{
    return alcGetCurrentContext() != nullptr;
}

bool audioDeviceLost()
{
    ALCcontext* const context = alcGetCurrentContext();
    ALCdevice* const device = context ? alcGetContextsDevice(context) : nullptr;
    if (device == nullptr || !alcIsExtensionPresent(device, "ALC_EXT_disconnect"))
        return false;
    ALCint connected = ALC_TRUE;
    alcGetIntegerv(device, ALC_CONNECTED, 1, &connected);
    return connected == ALC_FALSE;
}
