#include "app/Display.hpp"

#include <X11/Xlib.h>

bool canOpenDisplay()
{
    // The same display SFML opens: the one Xlib is pointed at.
    Display* const display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return false;
    XCloseDisplay(display);
    return true;
}
