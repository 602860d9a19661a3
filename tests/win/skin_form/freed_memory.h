#pragma once
// While a TFreedMemoryPoison lives, memory given back through operator
// delete is filled with kFreedByte and held back from reuse, the way a debug
// heap treats it. A read through a dangling pointer then finds the pattern
// (and a pointer read from there faults) instead of the old values that
// freed memory usually still holds, so a use after free shows every time.
constexpr unsigned char kFreedByte = 0xDD;

class TFreedMemoryPoison {
public:
    TFreedMemoryPoison();
    // Gives the held blocks back.
    ~TFreedMemoryPoison();
    TFreedMemoryPoison(const TFreedMemoryPoison&) = delete;
    TFreedMemoryPoison& operator=(const TFreedMemoryPoison&) = delete;
};
