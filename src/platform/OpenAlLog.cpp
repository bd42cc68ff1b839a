#include "platform/OpenAlLog.hpp"

#include <cstdlib>

void quietOpenAlLog()
{
    if (std::getenv("ALSOFT_LOGLEVEL") != nullptr || std::getenv("ALSOFT_LOGFILE") != nullptr)
        return;
#if defined(_WIN32)
    _putenv_s("ALSOFT_LOGFILE", "NUL");
#else
    setenv("ALSOFT_LOGFILE", "/dev/null", 0);
#endif
}
