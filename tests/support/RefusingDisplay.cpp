// Stands in front of Xlib in the game's process (LD_PRELOAD) as the least
// helpful X server would, every time rather than by chance:
// - one that comes up a moment after the game: the first WR_REFUSALS
//   connections are refused;
// - one that resets itself when its last client leaves, and refuses whoever
//   comes meanwhile: once the process has held a connection, one opened
//   while it holds none is refused. A game that closes its first connection
//   before opening its next would meet the reset at the worst moment.

#include <X11/Xlib.h>
#include <cstdlib>
#include <dlfcn.h>

namespace
{
int refusalsLeft = std::getenv("WR_REFUSALS") ? std::atoi(std::getenv("WR_REFUSALS")) : 0;
int open = 0;
bool everOpen = false;

template <typename Function> Function xlib(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}
} // namespace

extern "C" Display* XOpenDisplay(const char* name)
{
    if (refusalsLeft > 0 || (everOpen && open == 0))
    {
        --refusalsLeft;
        return nullptr;
    }
    Display* const display = xlib<Display* (*)(const char*)>("XOpenDisplay")(name);
    open += display != nullptr ? 1 : 0;
    everOpen = everOpen || display != nullptr;
    return display;
}

extern "C" int XCloseDisplay(Display* display)
{
    --open;
    return xlib<int (*)(Display*)>("XCloseDisplay")(display);
}
