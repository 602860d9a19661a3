// Makes large allocations fail on demand, as they do on a machine short of
// address space (the 32-bit build): while a ceiling is set, any single
// allocation through operator new above it throws std::bad_alloc.
#pragma once

#include <cstddef>

class TAllocationCeiling {
public:
    explicit TAllocationCeiling(std::size_t bytes);
    ~TAllocationCeiling();
    TAllocationCeiling(const TAllocationCeiling&) = delete;
    TAllocationCeiling& operator=(const TAllocationCeiling&) = delete;

private:
    std::size_t previous_;
};
