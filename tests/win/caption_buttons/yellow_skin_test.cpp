// The caption buttons of the stored yellow skin on a real window.
#include "caption_fixture.h"

#include "stored_skin_source.h"
#include "engine/skin_data.h"
#include "engine/skin_manager.h"
#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"
#include "toolkit/component.h"

#include <cstdio>
#include <cstdlib>

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

TEST_F(YellowSkin, CaptionButtonsOfTheYellowSkin) {
    MakeWindow(WS_POPUP | WS_SYSMENU, 320, 90);
    SendMessageW(window_, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadIconW(nullptr, IDI_APPLICATION)));
    form_->SkinData = data_;
    form_->BorderIcons = biMaximizeBit | biMinimizeBit | biSystemMenuBit;
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
    // Make the minimize button hot to see that state too.
    for (auto& b : form_->SysButtons)
        if (b->Element->Action == 2) b->MouseEnter();

    // A copy for the eye, when asked for.
    if (const char* path = std::getenv("VELMORA_CAPTION_SHOT")) {
        TBitmap shot(320, 90);
        HDC dc = GetWindowDC(window_);
        BitBlt(shot.DC(), 0, 0, 320, 90, dc, 0, 0, SRCCOPY);
        ReleaseDC(window_, dc);
        const auto bytes = shot.SaveToBmpBytes();
        if (FILE* f = std::fopen(path, "wb")) {
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
    }
}

} // namespace
