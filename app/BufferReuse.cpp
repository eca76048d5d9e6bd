#include "app/BufferReuse.h"

#include <atomic>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

std::atomic<int> depth{0};

} // namespace

BufferReuse::BufferReuse()
{
#if defined(__GLIBC__)
    if (depth++ == 0) {
        // Large blocks come from the heap, not from mappings of their own,
        // and freed ones stay there.
        mallopt(M_MMAP_MAX, 0);
        mallopt(M_TRIM_THRESHOLD, 1 << 30);
        // Two heaps: the drawing thread's, and one the other threads share,
        // so that a block one decoding thread frees is there for the next
        // instead of each thread keeping its own, and the drawing thread's
        // small blocks do not settle in the holes large ones leave (the
        // heap would then grow by a photograph now and then).
        mallopt(M_ARENA_MAX, 2);
    }
#endif
}

BufferReuse::~BufferReuse()
{
#if defined(__GLIBC__)
    if (--depth == 0) {
        mallopt(M_MMAP_MAX, 65536);        // glibc's default
        mallopt(M_TRIM_THRESHOLD, 128 * 1024); // glibc's default
        mallopt(M_ARENA_MAX, 0);           // glibc's default: by the processors
        malloc_trim(0);
    }
#endif
}
