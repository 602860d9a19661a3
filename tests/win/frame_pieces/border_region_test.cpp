// The window region of a skinned frame is built from its border images with
// equal rows folded into tall rectangles. It must cover exactly the pixels a
// region of one-pixel rows would: checked on the stored skins' borders at
// several sizes and both frames.
#include "stored_skins.h"

#include "core/bitmap_region.h"
#include "core/nine_slice.h"
#include "engine/region_from_bitmap.h"
#include "engine/skin_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// The plain form of the region: one rectangle per run of a single row.
TRegionHandle RowByRowRegion(const TPixelBitmap& pixels, int x, int y) {
    TRegionKey key;
    key.RedTolerance = key.GreenTolerance = key.BlueTolerance = 1;
    TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
    for (const TPixelRect& run : OpaqueRuns(pixels, x, y, key)) {
        TRegionHandle piece(CreateRectRgn(run.Left, run.Top, run.Right, run.Bottom));
        CombineRgn(region.Get(), region.Get(), piece.Get(), RGN_OR);
    }
    return region;
}

void LoadStored(TSkinData& data, int index) {
    const TSkinBytes image = StoredSkin(index);
    std::vector<std::uint8_t> stream(4);
    const auto size = static_cast<std::uint32_t>(image.size());
    for (int i = 0; i < 4; ++i)
        stream[i] = static_cast<std::uint8_t>(size >> (8 * i));
    stream.insert(stream.end(), image.begin(), image.end());
    data.SetSkinStreamValue(stream);
}

} // namespace

TEST(BorderRegionTest, FoldedRowsCoverTheSamePixelsAsSingleRows) {
    int compared = 0;
    for (int index : {0, 1}) {
        TSkinData data(nullptr);
        LoadStored(data, index);
        ASSERT_FALSE(data.SkinNotLoaded()) << index;
        const TSkinModel& skin = data.Skin();
        struct TPart {
            const TDataSkinBorder* Record;
            bool Vertical;
        } parts[] = {
            {&skin.Top, true}, {&skin.Bottom, true}, {&skin.Left, false}, {&skin.Right, false}};
        // Lengths along the border: shorter than its corners, and longer.
        const int lengths[] = {1, 37, 260, 601};
        for (const TPart& part : parts) {
            const TDataSkinBorder& record = *part.Record;
            if (record.Bitmap.Empty()) continue;
            const int frames = std::max(1, record.FrameCount);
            for (int frame = 1; frame <= std::min(frames, 2); ++frame)
                for (int length : lengths) {
                    // Top and bottom run along the width, the sides along the
                    // height; their frames are stacked or side by side.
                    const int thickness = part.Vertical ? record.Bitmap.Height() / frames
                                                        : record.Bitmap.Width() / frames;
                    const int w = part.Vertical ? length : thickness;
                    const int h = part.Vertical ? thickness : length;
                    const TPixelBitmap pixels = BuildSkinBitmap(
                        w, h, record.Frame(frame), record.Margins(),
                        part.Vertical ? TStripAxis::Vertical : TStripAxis::Horizontal,
                        record.BorderFill());
                    const TRegionHandle fast =
                        CreateRegionFromBitmap(pixels, 7, 3, 1, 1, 1, RGB(255, 0, 255));
                    const TRegionHandle slow = RowByRowRegion(pixels, 7, 3);
                    ASSERT_TRUE(fast && slow);
                    ++compared;
                    EXPECT_TRUE(EqualRgn(fast.Get(), slow.Get()))
                        << "skin " << index << " size " << w << "x" << h << " frame " << frame;
                }
        }
    }
    EXPECT_GT(compared, 0) << "no border image of a stored skin was compared";
}
