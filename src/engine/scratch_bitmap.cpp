#include "engine/scratch_bitmap.h"

#include <algorithm>
#include <memory>

namespace {

// Only the GUI thread paints, so plain statics suffice.
std::unique_ptr<TBitmap> scratch;
int users = 0;

// Resizing makes a new DC, which starts with the default stretch mode.
bool Resize(int width, int height) {
    if (!scratch->SetSize(width, height)) return false;
    HDC dc = scratch->DC();
    return dc && SetStretchBltMode(dc, COLORONCOLOR) != 0;
}

} // namespace

TScratchBitmapUse::TScratchBitmapUse() {
    if (users++ == 0) {
        scratch = std::make_unique<TBitmap>();
        Resize(1, 1);
    }
}

TScratchBitmapUse::~TScratchBitmapUse() {
    if (--users == 0) scratch.reset();
}

TBitmap* ScratchBitmap() {
    return scratch.get();
}

TBitmap* ScratchBitmapAtLeast(int width, int height) {
    if (!scratch) return nullptr;
    if (scratch->Width() >= width && scratch->Height() >= height && !scratch->Empty())
        return scratch.get();
    const int w = std::max(width, scratch->Width()), h = std::max(height, scratch->Height());
    return Resize(std::max(w, 1), std::max(h, 1)) ? scratch.get() : nullptr;
}

int ScratchBitmapUsers() {
    return users;
}
