#include "platform/HeapRetention.hpp"

#include <cstdlib> // tells which C library this is

#if defined(__GLIBC__)
#include <malloc.h>

namespace
{
// Enough for the blocks of a frame at 3840x2160.
constexpr int keptBytes = 64 * 1024 * 1024;
// glibc starts with a trim threshold of 128 KB and raises it by itself as large
// blocks are freed, but any mallopt call turns that rule off for the rest of
// the process. So once play has been entered, the heap is trimmed at this
// fixed 128 KB whenever no retention lives: more eagerly than glibc would,
// which suits the menus, and the same from one visit to play to the next.
constexpr int trimmedBytes = 128 * 1024;

// How many retentions live: mallopt's setting is the process's own, so
// whether memory is being kept is too.
int holders = 0;
} // namespace

HeapRetention::HeapRetention()
{
    if (holders++ == 0)
        mallopt(M_TRIM_THRESHOLD, keptBytes);
}

HeapRetention::~HeapRetention()
{
    if (--holders == 0)
        mallopt(M_TRIM_THRESHOLD, trimmedBytes);
}

void HeapRetention::releaseFreed()
{
    if (holders == 0)
        malloc_trim(0);
}
#else
HeapRetention::HeapRetention() = default;
HeapRetention::~HeapRetention() = default;
void HeapRetention::releaseFreed() {}
#endif
