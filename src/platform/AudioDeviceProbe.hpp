#pragma once

/// Whether OpenAL can open the default audio device. SFML 2 opens its device
/// with its first sound object and says nothing the game can ask when that
/// fails: each sound then prints errors and plays nothing. So the game asks
/// OpenAL first. It could go with an SFML that reports whether its device
/// opened (SFML 3 lists and opens playback devices).
bool audioDeviceOpens();

/// Whether SFML's audio device did open after all: it could still fail when
/// SFML opened it, and then no OpenAL context is current.
bool audioContextIsCurrent();

/// Whether SFML's audio device has gone: OpenAL marks it disconnected when
/// its sound server stops, and never plays through it again. SFML 2 does not
/// notice, and opens a device anew only once every one of its sound objects
/// is gone; its music streams meanwhile spin. This could go with an SFML
/// that follows the system's default device by itself.
bool audioDeviceLost();
