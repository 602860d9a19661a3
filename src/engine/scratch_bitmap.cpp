#include "engine/scratch_bitmap.h"

#include <memory>

namespace {

// Only the GUI thread paints, so plain statics suffice.
std::unique_ptr<TBitmap> scratch;
int users = 0;

} // namespace

TScratchBitmapUse::TScratchBitmapUse() {
    if (users++ == 0) {
        scratch = std::make_unique<TBitmap>(1, 1);
        if (HDC dc = scratch->DC()) SetStretchBltMode(dc, COLORONCOLOR);
    }
}

TScratchBitmapUse::~TScratchBitmapUse() {
    if (--users == 0) scratch.reset();
}

TBitmap* ScratchBitmap() {
    return scratch.get();
}

int ScratchBitmapUsers() {
    return users;
}
