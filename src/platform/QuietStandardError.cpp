#include "platform/QuietStandardError.hpp"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>

// The C library's file descriptors, by the names each system gives them.
#if defined(_WIN32)
#include <io.h>
namespace
{
int errorFile()
{
    return _fileno(stderr);
}
int openNowhere()
{
    return _open("NUL", _O_WRONLY | _O_NOINHERIT);
}
int duplicate(int file)
{
    return _dup(file);
}
int duplicateTo(int file, int onto)
{
    return _dup2(file, onto);
}
void closeFile(int file)
{
    _close(file);
}
} // namespace
#else
#include <unistd.h>
namespace
{
int errorFile()
{
    return STDERR_FILENO;
}
int openNowhere()
{
    return open("/dev/null", O_WRONLY | O_CLOEXEC);
}
int duplicate(int file)
{
    return dup(file);
}
int duplicateTo(int file, int onto)
{
    return dup2(file, onto);
}
void closeFile(int file)
{
    close(file);
}
} // namespace
#endif

QuietStandardError::QuietStandardError()
{
    if (std::getenv("ALSOFT_LOGLEVEL") != nullptr)
        return;
    std::cerr.flush();
    std::fflush(stderr);
    saved = duplicate(errorFile());
    const int null = openNowhere();
    if (saved < 0 || null < 0 || duplicateTo(null, errorFile()) < 0)
        restore();
    if (null >= 0)
        closeFile(null);
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
    duplicateTo(saved, errorFile());
    closeFile(saved);
    saved = -1;
}
