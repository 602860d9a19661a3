#pragma once
// The one off-screen bitmap the skin painters share (the menu bar draws
// through it; frame painting waits for it). It exists while at least one
// TScratchBitmapUse is alive and is freed with the last.
#include "toolkit/bitmap.h"

class TScratchBitmapUse {
public:
    TScratchBitmapUse();
    ~TScratchBitmapUse();
    TScratchBitmapUse(const TScratchBitmapUse&) = delete;
    TScratchBitmapUse& operator=(const TScratchBitmapUse&) = delete;
};

// The shared bitmap (COLORONCOLOR on its DC), or nullptr while nobody uses
// it.
TBitmap* ScratchBitmap();
// The shared bitmap grown to at least width x height (its pixels are
// undefined after growing), still with COLORONCOLOR; nullptr while nobody
// uses it or when GDI refuses the size.
TBitmap* ScratchBitmapAtLeast(int width, int height);
// How many users hold it.
int ScratchBitmapUsers();
