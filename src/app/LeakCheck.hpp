#pragma once

#if defined(__SANITIZE_ADDRESS__)
#include <SFML/Window/Context.hpp>

#include <sanitizer/lsan_interface.h>
#endif

/// In sanitizer builds, looks for leaks when it goes out of scope rather than
/// at exit, and keeps a GL context alive until then. Once the last context is
/// gone the GL driver is unloaded, and what it still holds would look lost,
/// with no name to tell it by. Elsewhere it does nothing.
class LeakCheck
{
public:
    LeakCheck() = default;
    LeakCheck(const LeakCheck&) = delete;
    LeakCheck& operator=(const LeakCheck&) = delete;

#if defined(__SANITIZE_ADDRESS__)
    ~LeakCheck()
    {
        __lsan_do_leak_check();
    }

private:
    sf::Context context;
#endif
};
