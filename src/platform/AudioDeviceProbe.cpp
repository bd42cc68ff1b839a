#include "platform/AudioDeviceProbe.hpp"

#include <alc.h>

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
