#include "platform/QuietStandardError.hpp"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

QuietStandardError::QuietStandardError()
{
    if (std::getenv("ALSOFT_LOGLEVEL") != nullptr)
        return;
    std::cerr.flush();
    std::fflush(stderr);
    saved = dup(STDERR_FILENO);
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved < 0 || null < 0 || dup2(null, STDERR_FILENO) < 0)
        restore();
    if (null >= 0)
        close(null);
}

QuietStandardError::~QuietStandardError()
{
    restore();
}

void QuietStandardError::restore()
{
    if (saved < 0)
        return;
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    saved = -1;
}
