// Progress bars: how much of the bar a position fills, the skin's images
// drawn for it (background, the second frame or the chunk image, a vertical
// bar turned), hostile records drawn safely, and a real bar skinned.
#include "controls_fixture.h"

#include "core/skin_elements.h"
#include "core/skin_model.h"
#include "engine/controls/progress_bar.h"
#include "engine/skin_data.h"

#include <commctrl.h>

#include <memory>

namespace {

constexpr COLORREF kFace = RGB(10, 10, 10), kEmpty = RGB(0, 0, 200), kFilled = RGB(0, 160, 0),
                   kChunk = RGB(220, 0, 0);

TPixelBitmap Solid(int w, int h, COLORREF c) {
    return TPixelBitmap(w, h, static_cast<TColour>(c));
}

// The bar's own two frames: blue for empty, green for filled.
struct TFramedBar : TDataSkinBorder {
    TFramedBar() : TDataSkinBorder("Progress") {
        Bitmap = Solid(20, 10, kEmpty);
        Bitmap.FillRect(10, 0, 20, 10, static_cast<TColour>(kFilled));
        FrameCount = 2;
    }
};

// The chunk style: one blue background image and a red chunk whose frame
// count was never set.
struct TChunkBar : TDataSkinBorder {
    TChunkBar() : TDataSkinBorder("Progress") {
        Bitmap = Solid(10, 10, kEmpty);
        Style = 1;
        FrameCount = 1;
    }
};
struct TRedChunk : TDataSkinObject {
    explicit TRedChunk(int tile) : TDataSkinObject("Progress.Chunk") {
        Bitmap = Solid(6, 6, kChunk);
        Tile = tile;
        FrameCount = 0;
    }
};

std::unique_ptr<TCanvasBitmap> Painted(int w, int h, const TProgressLook& look) {
    auto canvas = std::make_unique<TCanvasBitmap>(w, h, RGB(255, 255, 255));
    PaintProgress(canvas->DC(), canvas->Rect(), look);
    return canvas;
}

TProgressLook LookOf(const TDataSkinBorder& bar, const TDataSkinObject* chunk, int pos,
                     bool vertical = false, COLORREF face = kFace, int min = 0, int max = 100) {
    TProgressLook look;
    look.Bar = &bar;
    look.Chunk = chunk;
    look.Face = face;
    look.Min = min;
    look.Max = max;
    look.Pos = pos;
    look.Vertical = vertical;
    return look;
}

} // namespace

TEST(ProgressFill, ThePartOfTheRangeBelowThePositionHeldInsideTheBar) {
    struct TRow {
        const char* What;
        int Min, Max, Pos, Length, Fill;
    } rows[] = {
        {"half", 0, 100, 50, 200, 100},
        {"empty", 0, 100, 0, 200, 0},
        {"full", 0, 100, 100, 200, 200},
        {"minimum not 0, half", 50, 150, 100, 200, 100},
        {"minimum not 0, at the minimum", 50, 150, 50, 200, 0},
        {"minimum not 0, a quarter", 100, 200, 125, 80, 20},
        {"position past the maximum", 0, 100, 150, 200, 200},
        {"position below the minimum", 10, 20, 5, 100, 0},
        {"maximum equal to the minimum", 10, 10, 10, 100, 0},
        {"maximum below the minimum", 10, 5, 7, 100, 0},
        {"negative range", -100, 0, -50, 60, 30},
        {"no length", 0, 100, 50, 0, 0},
    };
    for (const TRow& r : rows)
        EXPECT_EQ(ProgressFillLength(r.Length, r.Min, r.Max, r.Pos), r.Fill) << r.What;
}

TEST(ProgressPaint, TheBarsOwnFramesShowEmptyAndFilled) {
    const TFramedBar bar;
    const auto canvas = Painted(100, 14, LookOf(bar, nullptr, 30));
    EXPECT_EQ(canvas->At(5, 7), kFilled);
    EXPECT_EQ(canvas->At(29, 7), kFilled);
    EXPECT_EQ(canvas->At(30, 7), kEmpty);
    EXPECT_EQ(canvas->At(99, 7), kEmpty);
}

TEST(ProgressPaint, ChunksStretchOverTheFilledPartInsideTheEdge) {
    const TChunkBar bar;
    const TRedChunk chunk(0);
    struct TRow {
        int Pos;
        int LastRed; // -1: none
    } rows[] = {{0, -1}, {50, 47}, {100, 97}};
    for (const TRow& r : rows) {
        const auto canvas = Painted(100, 14, LookOf(bar, &chunk, r.Pos));
        EXPECT_EQ(canvas->At(1, 7), kEmpty) << "the edge keeps the background, pos " << r.Pos;
        EXPECT_EQ(canvas->At(98, 7), kEmpty) << "pos " << r.Pos;
        if (r.LastRed < 0) {
            EXPECT_EQ(canvas->At(2, 7), kEmpty) << "an empty bar shows no chunk";
            continue;
        }
        EXPECT_EQ(canvas->At(2, 2), kChunk) << "pos " << r.Pos;
        EXPECT_EQ(canvas->At(r.LastRed, 11), kChunk) << "pos " << r.Pos;
        EXPECT_EQ(canvas->At(r.LastRed + 1, 7), kEmpty) << "pos " << r.Pos;
    }
}

TEST(ProgressPaint, TiledChunksRepeatAtTheirOwnSize) {
    const TChunkBar bar;
    const TRedChunk chunk(1);
    const auto canvas = Painted(100, 14, LookOf(bar, &chunk, 50));
    EXPECT_EQ(canvas->At(2, 7), kChunk);
    EXPECT_EQ(canvas->At(49, 7), kChunk);
    EXPECT_EQ(canvas->At(50, 7), kEmpty);
    EXPECT_EQ(canvas->At(20, 4), kChunk) << "a 6-pixel chunk centred in 14";
    EXPECT_EQ(canvas->At(20, 9), kChunk);
    EXPECT_EQ(canvas->At(20, 3), kEmpty);
    EXPECT_EQ(canvas->At(20, 10), kEmpty);
}

TEST(ProgressPaint, AVerticalBarFillsFromTheBottom) {
    const TFramedBar bar;
    const auto canvas = Painted(14, 100, LookOf(bar, nullptr, 25, true));
    EXPECT_EQ(canvas->At(7, 99), kFilled);
    EXPECT_EQ(canvas->At(7, 75), kFilled);
    EXPECT_EQ(canvas->At(7, 74), kEmpty);
    EXPECT_EQ(canvas->At(7, 0), kEmpty);
}

TEST(ProgressPaint, BarsTooLowForChunksShowOnlyTheBackground) {
    const TChunkBar bar;
    const TRedChunk chunk(0);
    for (int height : {1, 3, 4}) {
        const auto canvas = Painted(60, height, LookOf(bar, &chunk, 100));
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(canvas->At(x, height - 1), kEmpty) << "height " << height << ", x " << x;
    }
}

class ProgressSkinTest : public RawHostTest {};

// The bar's edge included: the skin's image has an edge of its own.
TEST_F(ProgressSkinTest, ARealBarShowsTheSkinAtEachPosition) {
    const HWND bar = Child(PROGRESS_CLASSW, WS_CHILD | WS_VISIBLE, L"", RECT{10, 10, 210, 28});
    SendMessageW(bar, PBM_SETRANGE32, 20, 120);
    auto skin = std::make_unique<TSkinProgress>();
    ASSERT_TRUE(skin->AttachWindow(*form_, *data_, bar));
    form_->AdoptControl(std::move(skin));
    const TSkinModel& model = data_->Skin();
    ASSERT_TRUE(model.Progress && model.ProgressChunk);
    for (int pos : {20, 70, 120, 500}) {
        SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(pos), 0);
        RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const COLORREF face = ColorToRGB(static_cast<TColor>(model.Colour(sciButtonFace)));
        const auto expected = Painted(
            200, 18, LookOf(*model.Progress, model.ProgressChunk.get(), pos, false, face, 20, 120));
        EXPECT_EQ(WindowPixels(bar), expected->Pixels()) << "position " << pos;
    }
}
