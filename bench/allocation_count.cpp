#include "bench/allocation_count.h"

#include <malloc.h>
#include <atomic>
#include <cstddef>
#include <cstdlib>

// glibc's own allocator under its second names; ours below take the public ones, so every
// library of the process calls them.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* p);
}

namespace {
std::atomic<long long> allocations{0};

void Count() {
    allocations.fetch_add(1, std::memory_order_relaxed);
}
}  // namespace

extern "C" {

void* malloc(std::size_t size) noexcept {
    Count();
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) noexcept {
    Count();
    return __libc_calloc(count, size);
}

void* realloc(void* p, std::size_t size) noexcept {
    Count();  // a grown block is as good as a new one for this count
    return __libc_realloc(p, size);
}

void* memalign(std::size_t alignment, std::size_t size) noexcept {
    Count();
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept {
    Count();
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** out, std::size_t alignment, std::size_t size) noexcept {
    Count();
    void* p = __libc_memalign(alignment, size);
    if (p == nullptr) {
        return 12;  // ENOMEM
    }
    *out = p;
    return 0;
}

void free(void* p) noexcept {
    __libc_free(p);
}

}  // extern "C"

namespace tarnwick::bench {

long long HeapAllocations() {
    return allocations.load(std::memory_order_relaxed);
}

}  // namespace tarnwick::bench
