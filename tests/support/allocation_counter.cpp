#include "allocation_counter.h"

#include <atomic>
#include <cstddef>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define HEAPTREE_COUNT_ALLOCATIONS 0
#else
#define HEAPTREE_COUNT_ALLOCATIONS 1
#endif

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

[[maybe_unused]] void note() {
    if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1);
}
}  // namespace

namespace test {

bool canCountAllocations() {
    return HEAPTREE_COUNT_ALLOCATIONS != 0;
}

void startCountingAllocations() {
    allocations = 0;
    counting = true;
}

long stopCountingAllocations() {
    counting = false;
    return allocations.load();
}

}  // namespace test

#if HEAPTREE_COUNT_ALLOCATIONS
// glibc's own entry points, so the replacements need no allocator of their own.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
void __libc_free(void* p);

void* malloc(std::size_t size) {
    note();
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
    note();
    return __libc_calloc(count, size);
}
void* realloc(void* p, std::size_t size) {
    note();
    return __libc_realloc(p, size);
}
void free(void* p) {
    __libc_free(p);
}
}

void* operator new(std::size_t size) {
    note();
    if (void* p = __libc_malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* p) noexcept {
    __libc_free(p);
}
void operator delete[](void* p) noexcept {
    __libc_free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    __libc_free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    __libc_free(p);
}
#endif
