#include "platform/DisplayProbe.hpp"

#if defined(_WIN32)
// Windows always has its desktop to open a window on.
DisplayProbe::DisplayProbe() = default;
DisplayProbe::~DisplayProbe() = default;

bool DisplayProbe::found() const
{
    return true;
}
#else
#include <X11/Xlib.h>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace
{
// A server resetting itself refuses connections for a moment: a display that
// is named is tried again for up to this long.
constexpr int attempts = 40;
constexpr std::chrono::milliseconds betweenAttempts(50);
} // namespace

// The same display SFML opens: the one Xlib is pointed at (DISPLAY).
DisplayProbe::DisplayProbe()
{
    const char* const named = std::getenv("DISPLAY");
    const int tries = named != nullptr && *named != '\0' ? attempts : 1;
    for (int attempt = 0; attempt < tries && connection == nullptr; ++attempt)
    {
        if (attempt > 0)
            std::this_thread::sleep_for(betweenAttempts);
        connection = XOpenDisplay(nullptr);
    }
}

DisplayProbe::~DisplayProbe()
{
    if (connection != nullptr)
        XCloseDisplay(static_cast<Display*>(connection));
}

bool DisplayProbe::found() const
{
    return connection != nullptr;
}
#endif
