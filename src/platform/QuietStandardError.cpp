#include "platform/QuietStandardError.hpp"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>

// The C library's file descriptors go by their POSIX names on both systems;
// only where they are declared, and what nowhere is called, differ.
#if defined(_WIN32)
#include <io.h>
namespace
{
const char* const nowhere = "NUL";
constexpr int notInherited = O_NOINHERIT;
} // namespace
#else
#include <unistd.h>
namespace
{
const char* const nowhere = "/dev/null";
constexpr int notInherited = O_CLOEXEC;
} // namespace
#endif

QuietStandardError::QuietStandardError()
{
    if (std::getenv("ALSOFT_LOGLEVEL") != nullptr)
        return;
    std::cerr.flush();
    std::fflush(stderr);
    saved = dup(fileno(stderr));
    const int null = open(nowhere, O_WRONLY | notInherited);
    if (saved < 0 || null < 0 || dup2(null, fileno(stderr)) < 0)
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
    dup2(saved, fileno(stderr));
    close(saved);
    saved = -1;
}
