#pragma once

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

/// In sanitizer builds, looks for leaks now rather than at exit. The GL driver
/// is unloaded at exit, and what it still holds would then look lost, with no
/// name to tell it by. Elsewhere it does nothing.
inline void checkForLeaksNow()
{
#if defined(__SANITIZE_ADDRESS__)
    __lsan_do_leak_check();
#endif
}
