// The caption buttons of the stored yellow skin on a real window.
#include "caption_fixture.h"

#include "stored_skin_source.h"
#include "engine/skin_data.h"
#include "engine/skin_manager.h"
#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"
#include "toolkit/component.h"

namespace {

class YellowSkin : public CaptionFixture {
protected:
    void SetUp() override {
        CaptionFixture::SetUp();
        main_ = ReadStoredSkins(data_);
        ASSERT_TRUE(data_);
        ASSERT_FALSE(data_->SkinNotLoaded());
    }
    void TearDown() override {
        CaptionFixture::TearDown();
        main_.reset();
        FreeSkinManager();
    }
    std::unique_ptr<TComponent> main_;
    TSkinData* data_ = nullptr;
};

// Paints the caption strip the way the frame painter does: a buffer with
// the buttons on it, copied to the window.
void PaintCaption(TWinSkinForm& form, HWND window, int width) {
    TBitmap buffer(width, 30);
    buffer.Canvas().FillRect(RECT{0, 0, width, 30}, RGB(236, 224, 190));
    form.LayoutSysButtons();
    form.PaintSysButtons(buffer.Canvas());
    GdiFlush();
    HDC dc = GetWindowDC(window);
    BitBlt(dc, 0, 0, width, 30, buffer.DC(), 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
}

// Pixels of the button on the window that differ from frame `frame`
// (1-based) of its picture, key-coloured picture pixels not counted.
int FrameMismatches(HWND window, const TWinSysButton& button, int frame) {
    const TPixelBitmap& image = button.Image();
    const int w = image.Width() / button.FrameCount(), h = image.Height();
    const RECT& r = button.Rect;
    EXPECT_EQ(r.right - r.left, w);
    EXPECT_EQ(r.bottom - r.top, h);
    HDC dc = GetWindowDC(window);
    int mismatches = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const TColour expected = image.Pixel((frame - 1) * w + x, y);
            if (expected == kKeyColour) continue;
            if (GetPixel(dc, r.left + x, r.top + y) != static_cast<COLORREF>(expected))
                ++mismatches;
        }
    ReleaseDC(window, dc);
    return mismatches;
}

TEST_F(YellowSkin, CaptionButtonsOfTheYellowSkin) {
    MakeWindow(WS_POPUP | WS_SYSMENU, 320, 90);
    SendMessageW(window_, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadIconW(nullptr, IDI_APPLICATION)));
    form_->SkinData = data_;
    form_->Traits.BorderIcons = biMaximizeBit | biMinimizeBit | biSystemMenuBit;
    form_->CaptionTextRect = RECT{30, 4, 200, 24};
    form_->CreateSysButtons();
    ASSERT_EQ(form_->SysButtons.size(), data_->Skin().SysButtonRecords.size());

    // The icon button has no image in the skin: it carries the window icon,
    // and the skin's record keeps its empty image.
    TWinSysButton* icon = nullptr;
    for (auto& b : form_->SysButtons)
        if (b->Element->Action == 3) icon = b.get();
    ASSERT_TRUE(icon);
    EXPECT_TRUE(icon->Element->Bitmap.Empty());
    EXPECT_EQ(icon->Image().Width(), GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(icon->FrameCount(), 1);

    PaintCaption(*form_, window_, 320);
    int shown = 0;
    for (auto& b : form_->SysButtons)
        shown += b->Visible;
    // Icon, close, maximize (not restore: the window is normal), minimize;
    // help only without the boxes.
    EXPECT_EQ(shown, 4);
    // Each visible button shows its normal frame, and its hot frame while
    // the pointer is over it: the window's pixels against the skin's own
    // picture of that frame (key-coloured pixels show what lies behind).
    for (auto& b : form_->SysButtons) {
        if (!b->Visible || b->Element->Action == 3) continue;
        const int action = b->Element->Action;
        EXPECT_EQ(FrameMismatches(window_, *b, 1), 0) << "normal frame of action " << action;
        b->MouseEnter();
        GdiFlush();
        const int hotFrame = b->FrameCount() >= 3 ? 3 : 1;
        EXPECT_EQ(FrameMismatches(window_, *b, hotFrame), 0) << "hot frame of action " << action;
        if (hotFrame != 1)
            EXPECT_GT(FrameMismatches(window_, *b, 1), 0) << "hot looks normal, action " << action;
        b->MouseLeave();
        GdiFlush();
        EXPECT_EQ(FrameMismatches(window_, *b, 1), 0) << "normal again, action " << action;
    }
}

} // namespace
