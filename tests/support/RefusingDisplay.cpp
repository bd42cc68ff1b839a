// Put before Xlib in the game (LD_PRELOAD), it refuses connections as an X
// server would at the worst moments, every time: the first WR_REFUSALS ones,
// as a display coming up a moment after the game; and, once the game has held
// a connection, one opened while it holds none, as a server resetting itself
// when its last client has left.

#include <X11/Xlib.h>
#include <cstdlib>
#include <dlfcn.h>

namespace
{
int refusalsLeft = std::getenv("WR_REFUSALS") ? std::atoi(std::getenv("WR_REFUSALS")) : 0;
int open = 0;
bool everOpen = false;
} // namespace

extern "C" Display* XOpenDisplay(const char* name)
{
    if (refusalsLeft-- > 0 || (everOpen && open == 0))
        return nullptr;
    using Open = Display* (*)(const char*);
    Display* const display = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "XOpenDisplay"))(name);
    open += display != nullptr ? 1 : 0;
    everOpen = everOpen || display != nullptr;
    return display;
}

extern "C" int XCloseDisplay(Display* display)
{
    --open;
    using Close = int (*)(Display*);
    return reinterpret_cast<Close>(dlsym(RTLD_NEXT, "XCloseDisplay"))(display);
}
