// The counting malloc: the executable's definition takes the place of the C library's for the
// whole process, and passes every request on to it.
#include "malloc_count.h"

#include <atomic>
#include <cstddef>

extern "C" void* __libc_malloc(std::size_t size);

namespace {
std::atomic<long> g_mallocs{0};
} // namespace

extern "C" void* malloc(std::size_t size) {
    g_mallocs.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

namespace bench_support {

long MallocCalls() {
    return g_mallocs.load(std::memory_order_relaxed);
}

} // namespace bench_support
