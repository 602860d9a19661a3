// A border drag on the real skinned main form: the platform's sizing loop
// (WM_ENTERSIZEMOVE, new sizes, WM_EXITSIZEMOVE) runs without the shaped
// region, with the frame's corners filled in, and ends with the region of
// the final size.
#include "support/skin_form_fixture.h"

#include "toolkit/gdi_objects.h"

namespace {

int RegionKind(HWND window) {
    TRegionHandle probe(CreateRectRgn(0, 0, 0, 0));
    return GetWindowRgn(window, probe.Get());
}

bool InRegion(HWND window, POINT p) {
    TRegionHandle probe(CreateRectRgn(0, 0, 0, 0));
    return GetWindowRgn(window, probe.Get()) != ERROR && PtInRegion(probe.Get(), p.x, p.y);
}

COLORREF FramePixel(HWND window, POINT p) {
    return PaintedFrame(window)[static_cast<size_t>(p.y) * WindowSize(window).cx + p.x];
}

void Resize(HWND window, SIZE size) {
    SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Enters the sizing loop and takes its first step: `dx` wider.
SIZE BeginDragWider(HWND window, int dx) {
    SendMessageW(window, WM_ENTERSIZEMOVE, 0, 0);
    SIZE size = WindowSize(window);
    size.cx += dx;
    Resize(window, size);
    return size;
}

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kUnpainted = RGB(0, 0, 0); // what PaintedFrame's bitmap starts as

} // namespace

TEST_F(SkinFormTest, BorderDragRunsWithoutTheRegionAndEndsWithTheFinalShape) {
    SkinOn();
    ASSERT_TRUE(Skinned(main_));
    const SIZE start = WindowSize(main_);
    const POINT corner{start.cx - 1, 0}; // the yellow frame's rounded corner
    ASSERT_FALSE(InRegion(main_, corner));
    ASSERT_EQ(FramePixel(main_, corner), kMagenta);

    // Moving runs the same loop without a size change: the shape stays.
    SendMessageW(main_, WM_ENTERSIZEMOVE, 0, 0);
    SetWindowPos(main_, nullptr, 20, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_NE(RegionKind(main_), ERROR);
    SendMessageW(main_, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_FALSE(InRegion(main_, corner));

    SendMessageW(main_, WM_ENTERSIZEMOVE, 0, 0);
    SIZE size = start;
    for (int i = 0; i < 5; ++i) {
        size.cx += 7;
        size.cy += 3;
        Resize(main_, size);
        EXPECT_EQ(RegionKind(main_), ERROR) << "step " << i;
        // Filled in: neither the key colour nor the black of a fresh,
        // unpainted bitmap.
        const COLORREF edge = FramePixel(main_, POINT{size.cx - 1, 0});
        EXPECT_NE(edge, kMagenta) << "key colour on the screen, step " << i;
        EXPECT_NE(edge, kUnpainted) << "corner not painted, step " << i;
    }
    SendMessageW(main_, WM_EXITSIZEMOVE, 0, 0);

    const POINT finalCorner{size.cx - 1, 0};
    EXPECT_FALSE(InRegion(main_, finalCorner));
    EXPECT_TRUE(InRegion(main_, POINT{size.cx / 2, size.cy / 2}));
    EXPECT_TRUE(InRegion(main_, POINT{size.cx - 1, size.cy / 2})) << "the right border";
    EXPECT_EQ(FramePixel(main_, finalCorner), kMagenta) << "corners drawn as the skin has them";

    // Outside a drag every new size gets its region at once.
    Resize(main_, start);
    EXPECT_FALSE(InRegion(main_, corner));
    EXPECT_TRUE(InRegion(main_, POINT{start.cx - 1, start.cy / 2}));
}

TEST_F(SkinFormTest, SwitchingTheSkinOffInsideADragLeavesNoRegion) {
    SkinOn();
    ASSERT_TRUE(Skinned(main_));
    BeginDragWider(main_, 10);
    SkinOff();
    SendMessageW(main_, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(RegionKind(main_), ERROR);
    SkinOn();
    ASSERT_TRUE(Skinned(main_));
    EXPECT_FALSE(InRegion(main_, POINT{WindowSize(main_).cx - 1, 0})) << "shaped again";
}

TEST_F(SkinFormTest, SkinChangedInsideADragWaitsForItsEndToShapeTheWindow) {
    SkinOn();
    ASSERT_TRUE(Skinned(main_));
    BeginDragWider(main_, 12);
    const std::string before = data_->Skin().SkinName;
    SelectSkin(0);
    ASSERT_NE(data_->Skin().SkinName, before) << "the other skin";
    ASSERT_TRUE(Skinned(main_));
    EXPECT_EQ(RegionKind(main_), ERROR) << "a region in the middle of the drag";
    SIZE size = WindowSize(main_);
    size.cy += 9;
    Resize(main_, size);
    EXPECT_EQ(RegionKind(main_), ERROR);
    SendMessageW(main_, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_FALSE(InRegion(main_, POINT{size.cx - 1, 0}));
    EXPECT_TRUE(InRegion(main_, POINT{size.cx / 2, size.cy / 2}));
}
