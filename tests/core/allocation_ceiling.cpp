// The test program's own allocation functions: malloc and free underneath,
// with the ceiling checked first. The aligned forms keep the library's.
#include "allocation_ceiling.h"

#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

namespace {

std::atomic<std::size_t> gCeiling{std::numeric_limits<std::size_t>::max()};

void* Allocate(std::size_t size) noexcept {
    if (size > gCeiling.load(std::memory_order_relaxed)) return nullptr;
    return std::malloc(size == 0 ? 1 : size);
}

void* AllocateOrThrow(std::size_t size) {
    if (void* p = Allocate(size)) return p;
    throw std::bad_alloc();
}

} // namespace

TAllocationCeiling::TAllocationCeiling(std::size_t bytes) : previous_(gCeiling.exchange(bytes)) {}

TAllocationCeiling::~TAllocationCeiling() {
    gCeiling.store(previous_);
}

void* operator new(std::size_t size) {
    return AllocateOrThrow(size);
}
void* operator new[](std::size_t size) {
    return AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
