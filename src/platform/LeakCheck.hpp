#pragma once

#if defined(__SANITIZE_ADDRESS__)
#include <SFML/Window/Context.hpp>

#include <sanitizer/lsan_interface.h>
#endif

/// In sanitizer builds, looks for leaks when it goes out of scope rather than
/// at exit, and keeps a GL context alive until then. Once SFML's last context
/// is gone, Mesa's GL driver is unloaded, and what the driver still holds would
/// look lost to LeakSanitizer, with no name to tell it by. Elsewhere it does
/// nothing. It could go if the driver stayed loaded, or freed what it holds.
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
