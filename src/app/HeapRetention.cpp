#include "app/HeapRetention.hpp"

#include <cstdlib> // tells which C library this is

#if defined(__GLIBC__)
#include <malloc.h>

namespace
{
// Enough for the blocks of a frame at 3840x2160.
constexpr int keptBytes = 64 * 1024 * 1024;
// Larger blocks than this are mapped on their own and unmapped when freed, so
// they would fault in afresh every frame: the most glibc allows.
constexpr int mappedFromBytes = 32 * 1024 * 1024;
// glibc's own defaults.
constexpr int usualKeptBytes = 128 * 1024;
constexpr int usualMappedFromBytes = 128 * 1024;
} // namespace

HeapRetention::HeapRetention()
{
    mallopt(M_MMAP_THRESHOLD, mappedFromBytes);
    mallopt(M_TRIM_THRESHOLD, keptBytes);
}

HeapRetention::~HeapRetention()
{
    mallopt(M_MMAP_THRESHOLD, usualMappedFromBytes);
    mallopt(M_TRIM_THRESHOLD, usualKeptBytes);
    malloc_trim(0);
}
#else
HeapRetention::HeapRetention() = default;
HeapRetention::~HeapRetention() = default;
#endif
