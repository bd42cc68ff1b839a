#include "app/HeapRetention.hpp"

#include <cstdlib> // tells which C library this is

#if defined(__GLIBC__)
#include <malloc.h>

namespace
{
// Enough for the blocks of a frame at 3840x2160.
constexpr int keptBytes = 64 * 1024 * 1024;
// glibc's own default.
constexpr int usualKeptBytes = 128 * 1024;
} // namespace

HeapRetention::HeapRetention()
{
    mallopt(M_TRIM_THRESHOLD, keptBytes);
}

HeapRetention::~HeapRetention()
{
    mallopt(M_TRIM_THRESHOLD, usualKeptBytes);
}

void HeapRetention::releaseFreed()
{
    malloc_trim(0);
}
#else
HeapRetention::HeapRetention() = default;
HeapRetention::~HeapRetention() = default;
void HeapRetention::releaseFreed() {}
#endif
