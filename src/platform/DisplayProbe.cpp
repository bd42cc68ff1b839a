#include "platform/DisplayProbe.hpp"

#include <X11/Xlib.h>

// The same display SFML opens: the one Xlib is pointed at (DISPLAY).
DisplayProbe::DisplayProbe() : connection(XOpenDisplay(nullptr)) {}

DisplayProbe::~DisplayProbe()
{
    if (connection != nullptr)
        XCloseDisplay(static_cast<Display*>(connection));
}

bool DisplayProbe::found() const
{
    return connection != nullptr;
}
