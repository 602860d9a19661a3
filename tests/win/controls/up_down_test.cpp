// Up-down buttons: the halves and their states (the half under the pointer
// pressed or hot, disabled both), the frames each state draws, the inset
// inside an edit, and a real up-down lighting the half under the pointer.
#include "controls_fixture.h"

#include "core/skin_elements.h"
#include "engine/controls/up_down.h"

#include <commctrl.h>

#include <memory>

namespace {

// Eight 4 x 4 frames, each its own colour.
COLORREF FrameColour(int frame) {
    return RGB(20 * frame, 255 - 20 * frame, 100);
}
struct TEightFrames : TDataSkinBorder {
    TEightFrames() : TDataSkinBorder("UpDown.Vert") {
        Bitmap = TPixelBitmap(32, 4);
        for (int f = 1; f <= 8; ++f)
            Bitmap.FillRect((f - 1) * 4, 0, f * 4, 4, static_cast<TColour>(FrameColour(f)));
        FrameCount = 8;
    }
};

LPARAM At(int x, int y) {
    return MAKELPARAM(x, y);
}

} // namespace

TEST(UpDownState, TheHalfUnderThePointerTakesTheMouseState) {
    using H = TUpDownHalf;
    struct TRow {
        const char* What;
        H Under;
        unsigned char Mouse;
        bool Enabled;
        int First, Second;
    } rows[] = {
        {"at rest", H::None, 0, true, udsNormal, udsNormal},
        {"hot over the first", H::First, mbHot, true, udsHot, udsNormal},
        {"hot over the second", H::Second, mbHot, true, udsNormal, udsHot},
        {"pressed on the first", H::First, mbHot | mbPressed, true, udsPressed, udsNormal},
        {"pressed on the second", H::Second, mbPressed, true, udsNormal, udsPressed},
        {"pressed, pointer gone", H::None, mbPressed, true, udsNormal, udsNormal},
        {"over the first, no bits", H::First, 0, true, udsNormal, udsNormal},
        {"disabled", H::None, 0, false, udsDisabled, udsDisabled},
        {"disabled under the pointer", H::Second, mbHot | mbPressed, false, udsDisabled,
         udsDisabled},
    };
    for (const TRow& r : rows) {
        const auto [first, second] = UpDownStates(r.Under, r.Mouse, r.Enabled);
        EXPECT_EQ(first, r.First) << r.What;
        EXPECT_EQ(second, r.Second) << r.What;
    }
}

TEST(UpDownState, HalvesSplitTheButtonsAcrossTheirLayout) {
    struct TRow {
        bool Horizontal;
        POINT At;
        TUpDownHalf Half;
    } rows[] = {
        {false, {5, 2}, TUpDownHalf::First},   {false, {5, 10}, TUpDownHalf::First},
        {false, {5, 11}, TUpDownHalf::Second}, {false, {5, 21}, TUpDownHalf::Second},
        {true, {7, 20}, TUpDownHalf::First},   {true, {8, 0}, TUpDownHalf::Second},
        {false, {5, 22}, TUpDownHalf::None},   {true, {-1, 3}, TUpDownHalf::None},
    };
    const RECT button{0, 0, 16, 22};
    for (const TRow& r : rows)
        EXPECT_EQ(UpDownHalfAt(button, r.Horizontal, r.At), r.Half)
            << (r.Horizontal ? "left-right" : "up-down") << " at " << r.At.x << "," << r.At.y;
}

TEST(UpDownPaint, EachHalfShowsItsStatesFrame) {
    const TEightFrames strip;
    struct TRow {
        bool Horizontal;
        int First, Second;
    } rows[] = {
        {false, udsNormal, udsNormal},  {false, udsHot, udsNormal},
        {false, udsNormal, udsPressed}, {false, udsDisabled, udsDisabled},
        {true, udsPressed, udsNormal},  {true, udsNormal, udsHot},
    };
    for (const TRow& r : rows) {
        TCanvasBitmap canvas(20, 20, RGB(255, 255, 255));
        TUpDownLook look;
        look.Element = &strip;
        look.Horizontal = r.Horizontal;
        look.First = r.First;
        look.Second = r.Second;
        PaintUpDown(canvas.DC(), canvas.Rect(), look);
        const POINT first = r.Horizontal ? POINT{5, 10} : POINT{10, 5};
        const POINT second = r.Horizontal ? POINT{15, 10} : POINT{10, 15};
        EXPECT_EQ(canvas.At(first.x, first.y), FrameColour(r.First))
            << "first half, states " << r.First << "/" << r.Second;
        EXPECT_EQ(canvas.At(second.x, second.y), FrameColour(r.Second + 4))
            << "second half, states " << r.First << "/" << r.Second;
    }
}

TEST(UpDownPaint, WithoutTheStripTheLitHalfTakesTheShadow) {
    TCanvasBitmap canvas(16, 20, RGB(255, 255, 255));
    TUpDownLook look;
    look.Face = RGB(200, 200, 0);
    look.Shadow = RGB(120, 0, 120);
    look.DarkShadow = RGB(0, 0, 0);
    look.Second = udsHot;
    PaintUpDown(canvas.DC(), canvas.Rect(), look);
    EXPECT_EQ(canvas.At(2, 2), look.Face);
    EXPECT_EQ(canvas.At(2, 17), look.Shadow);
    EXPECT_EQ(canvas.At(0, 5), look.DarkShadow);
}

TEST(UpDownInset, ThreePixelsInsideTheEditsEdges) {
    const RECT edit{100, 100, 200, 124};
    struct TRow {
        const char* What;
        RECT Self;
        RECT Drawn;
    } rows[] = {
        {"flush with the edit's edges", {184, 100, 200, 124}, {0, 3, 13, 21}},
        {"inside the edit's border", {182, 102, 198, 122}, {0, 1, 15, 19}},
        {"already 3 pixels in", {181, 103, 197, 121}, {0, 0, 16, 18}},
        {"further in", {170, 106, 186, 118}, {0, 0, 16, 12}},
    };
    for (const TRow& r : rows) {
        const RECT rect{0, 0, r.Self.right - r.Self.left, r.Self.bottom - r.Self.top};
        const RECT drawn = UpDownInsetInEdit(rect, r.Self, edit);
        EXPECT_TRUE(EqualRect(&drawn, &r.Drawn)) << r.What << ": " << drawn.left << "," << drawn.top
                                                 << "," << drawn.right << "," << drawn.bottom;
    }
}

class UpDownSkinTest : public RawHostTest {};

TEST_F(UpDownSkinTest, TheHalfUnderThePointerLightsAndShowsItsPress) {
    const HWND updown = Child(UPDOWN_CLASSW, WS_CHILD | WS_VISIBLE, L"", RECT{10, 10, 26, 40});
    auto owned = std::make_unique<TSkinUpDown>();
    TSkinUpDown* skin = owned.get();
    ASSERT_TRUE(skin->AttachWindow(*form_, *data_, updown));
    form_->AdoptControl(std::move(owned));
    const TDataSkinBorder* strip = data_->Skin().UpDownVert.get();
    ASSERT_TRUE(strip && !strip->Bitmap.Empty());
    // What the skin draws for a pair of states, read at the middle of a half.
    const auto expected = [&](int first, int second, int x, int y) {
        TCanvasBitmap canvas(16, 30);
        TUpDownLook look;
        look.Element = strip;
        look.First = first;
        look.Second = second;
        PaintUpDown(canvas.DC(), canvas.Rect(), look);
        return canvas.At(x, y);
    };
    struct TStep {
        const char* What;
        UINT Msg;
        LPARAM At;
        TUpDownHalf Hot;
        int First, Second;
    } steps[] = {
        {"over the lower half", WM_MOUSEMOVE, At(8, 22), TUpDownHalf::Second, udsNormal, udsHot},
        {"over the upper half", WM_MOUSEMOVE, At(8, 6), TUpDownHalf::First, udsHot, udsNormal},
        {"pressed on the upper half", WM_LBUTTONDOWN, At(8, 6), TUpDownHalf::First, udsPressed,
         udsNormal},
        {"let go", WM_LBUTTONUP, At(8, 6), TUpDownHalf::First, udsHot, udsNormal},
        {"gone", WM_MOUSELEAVE, 0, TUpDownHalf::None, udsNormal, udsNormal},
    };
    for (const TStep& s : steps) {
        SendMessageW(updown, s.Msg, s.Msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, s.At);
        EXPECT_EQ(skin->HotHalf(), s.Hot) << s.What;
        const std::vector<COLORREF> pixels = ClientPixels(updown);
        EXPECT_EQ(pixels[7 * 16 + 8], expected(s.First, s.Second, 8, 7)) << s.What << ", upper";
        EXPECT_EQ(pixels[22 * 16 + 8], expected(s.First, s.Second, 8, 22)) << s.What << ", lower";
    }
}
