#pragma once
// Leak checks for GDI objects. Wine keeps no per-process count of them
// (GetGuiResources answers 0), so a test takes every handle the process can
// still get but a few, and code that loses objects runs out quickly.
#include "toolkit/gdi_objects.h"

#include <cstddef>
#include <vector>

class THandleFiller {
public:
    // Holds every GDI handle the process can get but `spare`.
    explicit THandleFiller(std::size_t spare);

private:
    std::vector<TBrushHandle> held_;
};

// Can the process still get `count` more handles?
bool RoomFor(std::size_t count);
