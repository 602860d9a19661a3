// Combo boxes: the button's frame for each state, where the button goes in
// each style (left with a left scrollbar, a low image at the top), and real
// combos hot only with the pointer over the button.
#include "controls_fixture.h"

#include "core/skin_elements.h"
#include "core/skin_model.h"
#include "engine/controls/combo_box.h"
#include "engine/skin_data.h"

#include <memory>

namespace {

COLORREF FrameColour(int frame) {
    return RGB(40 * frame, 200 - 40 * frame, 90);
}

// Four frames of `w` x `h`, each its own colour, in `style`.
struct TButtonStrip : TDataSkinBorder {
    TButtonStrip(int w, int h, int style) : TDataSkinBorder("ComboButton") {
        Bitmap = TPixelBitmap(4 * w, h);
        for (int f = 1; f <= 4; ++f)
            Bitmap.FillRect((f - 1) * w, 0, f * w, h, static_cast<TColour>(FrameColour(f)));
        Bitmap2 = Bitmap;
        FrameCount = 4;
        Style = style;
    }
};

bool Same(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

} // namespace

TEST(ComboButtonFrame, DisabledPressedHotOrFocusedElseNormal) {
    struct TRow {
        bool Enabled, Pressed, Hot, Focused;
        int Frame;
    } rows[] = {
        {true, false, false, false, cfNormal}, {true, false, true, false, cfHot},
        {true, false, false, true, cfHot},     {true, true, true, false, cfPressed},
        {true, true, false, true, cfPressed},  {false, false, false, false, cfDisabled},
        {false, true, true, true, cfDisabled},
    };
    for (const TRow& r : rows)
        EXPECT_EQ(ComboButtonFrame(r.Enabled, r.Pressed, r.Hot, r.Focused), r.Frame)
            << r.Enabled << r.Pressed << r.Hot << r.Focused;
}

TEST(ComboPaint, TheButtonsPlaceByStyleSideAndImageHeight) {
    const RECT combo{0, 0, 100, 24};
    struct TRow {
        const char* What;
        int Style, ImageHeight;
        bool Left;
        RECT Button;
    } rows[] = {
        {"flat, right", 1, 20, false, {88, 2, 98, 22}},
        {"flat, left", 1, 20, true, {2, 2, 12, 22}},
        {"flat, image lower than the thumb", 1, 8, false, {88, 2, 98, 10}},
        {"flat, low image on the left", 1, 8, true, {2, 2, 12, 10}},
        {"whole picture, right", 2, 20, false, {82, 0, 100, 24}},
        {"whole picture, left", 2, 20, true, {0, 0, 18, 24}},
        {"edged, right", 0, 20, false, {82, 0, 100, 24}},
        {"edged, left", 0, 20, true, {0, 0, 18, 24}},
    };
    for (const TRow& r : rows) {
        const TButtonStrip strip(10, r.ImageHeight, r.Style);
        TComboLook look;
        look.Button = &strip;
        look.LeftButton = r.Left;
        look.Frame = cfHot;
        look.ScrollWidth = 16;
        look.ThumbHeight = 16;
        TCanvasBitmap canvas(100, 24, RGB(255, 255, 255));
        const RECT button = PaintComboBox(canvas.DC(), combo, look);
        EXPECT_TRUE(Same(button, r.Button)) << r.What << ": " << button.left << "," << button.top
                                            << "," << button.right << "," << button.bottom;
        if (r.Style == 2) continue; // the strip is the whole combo, not a button
        const int x = (button.left + button.right) / 2, y = (button.top + button.bottom) / 2;
        EXPECT_EQ(canvas.At(x, y), FrameColour(cfHot)) << r.What;
    }
}

TEST(ComboPaint, NothingWithoutAButtonImage) {
    TDataSkinBorder empty("ComboButton");
    TComboLook look;
    look.Button = &empty;
    TCanvasBitmap canvas(60, 20, RGB(255, 255, 255));
    const RECT button = PaintComboBox(canvas.DC(), canvas.Rect(), look);
    EXPECT_TRUE(IsRectEmpty(&button));
    EXPECT_EQ(canvas.At(0, 0), RGB(255, 255, 255));
}

class ComboSkinTest : public RawHostTest {
protected:
    TSkinComBox* Skinned(HWND combo) {
        auto owned = std::make_unique<TSkinComBox>();
        TSkinComBox* skin = owned.get();
        EXPECT_TRUE(skin->AttachWindow(*form_, *data_, combo));
        form_->AdoptControl(std::move(owned));
        RedrawWindow(combo, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return skin;
    }
};

TEST_F(ComboSkinTest, HotOnlyOverTheButtonPressedOnItOnItsSide) {
    struct TRow {
        const char* What;
        DWORD Style, ExStyle;
        bool OverButton, Pressed;
        int Frame;
    } rows[] = {
        {"drop-down, over the text", CBS_DROPDOWN, 0, false, false, cfNormal},
        {"drop-down, over the button", CBS_DROPDOWN, 0, true, false, cfHot},
        {"drop-down, pressed on the button", CBS_DROPDOWN, 0, true, true, cfPressed},
        {"list, over the text", CBS_DROPDOWNLIST, 0, false, false, cfNormal},
        {"list, over the button", CBS_DROPDOWNLIST, 0, true, false, cfHot},
        {"list, pressed on the text", CBS_DROPDOWNLIST, 0, false, true, cfHot},
        {"left, over the button", CBS_DROPDOWNLIST, WS_EX_LEFTSCROLLBAR, true, false, cfHot},
        {"left, over the text", CBS_DROPDOWN, WS_EX_LEFTSCROLLBAR, false, false, cfNormal},
        {"left, pressed on the button", CBS_DROPDOWN, WS_EX_LEFTSCROLLBAR, true, true, cfPressed},
    };
    for (const TRow& r : rows) {
        const HWND combo = CreateWindowExW(
            r.ExStyle, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | r.Style, 10, 10, 160,
            200, host_->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"一"));
        SetFocus(host_->Handle());
        TSkinComBox* skin = Skinned(combo);
        const RECT button = skin->ButtonRect();
        RECT client{};
        GetClientRect(combo, &client);
        const bool left = (r.ExStyle & WS_EX_LEFTSCROLLBAR) != 0;
        EXPECT_EQ(button.right <= client.right / 2, left) << r.What << ": the button's side";
        const POINT onButton{(button.left + button.right) / 2, client.bottom / 2};
        const POINT onText{left ? client.right - 20 : 20, client.bottom / 2};
        const POINT at = r.OverButton ? onButton : onText;
        // Over the button first, then where the row says: leaving the button
        // for the text takes the hot look away.
        SendMessageW(combo, WM_MOUSEMOVE, 0, MAKELPARAM(onButton.x, onButton.y));
        SendMessageW(combo, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
        if (r.Pressed) SendMessageW(combo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        RedrawWindow(combo, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(skin->ButtonFrame(), r.Frame) << r.What;
        SendMessageW(combo, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
        DestroyWindow(combo);
    }
}
