// The caption buttons of the stored yellow skin on a real window.
#include "stored_skin_source.h"

#include "engine/engine_messages.h"
#include "engine/skin_data.h"
#include "engine/skin_manager.h"
#include "engine/win_skin_form.h"
#include "toolkit/component.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A window skinned with the stored yellow skin the way the manager skins one.
class YellowSkin : public testing::Test {
protected:
    void SetUp() override {
        main_ = ReadStoredSkins(data_);
        ASSERT_TRUE(data_);
        ASSERT_FALSE(data_->SkinNotLoaded());
        window_ = CreateWindowExW(
            0, L"STATIC", L"Caption",
            WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX | WS_MINIMIZEBOX, 100, 100, 320, 90,
            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(window_);
        SendMessageW(window_, WM_SETICON, ICON_SMALL,
                     reinterpret_cast<LPARAM>(LoadIconW(nullptr, IDI_APPLICATION)));
        form_ = std::make_unique<TWinSkinForm>(nullptr, window_);
        form_->AttachWindow(data_);
        SendMessageW(window_, SKINMSG_START, 0, 1000);
        ShowWindow(window_, SW_SHOW);
        SetForegroundWindow(window_);
        SendMessageW(window_, WM_NCACTIVATE, TRUE, 0);
        SendMessageW(window_, SKINMSG_PAINTFRAME, 0, 0);
        GdiFlush();
    }
    void TearDown() override {
        form_.reset();
        if (window_) DestroyWindow(window_);
        main_.reset();
        FreeSkinManager();
    }
    // Moves the pointer over a window point, as the system reports it.
    void MoveTo(POINT p) const {
        RECT r{};
        GetWindowRect(window_, &r);
        SendMessageW(window_, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(r.left + p.x, r.top + p.y));
        GdiFlush();
    }
    std::unique_ptr<TComponent> main_;
    TSkinData* data_ = nullptr;
    HWND window_ = nullptr;
    std::unique_ptr<TWinSkinForm> form_;
};

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
    const auto& buttons = form_->CaptionButtons();
    ASSERT_EQ(buttons.size(), data_->Skin().SysButtonRecords.size());

    // The icon button has no image in the skin: it carries the window icon,
    // and the skin's record keeps its empty image.
    const TWinSysButton* icon = nullptr;
    for (const auto& b : buttons)
        if (b->Element->Action == caIconMenu) icon = b.get();
    ASSERT_TRUE(icon);
    EXPECT_TRUE(icon->Element->Bitmap.Empty());
    EXPECT_EQ(icon->Image().Width(), GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(icon->FrameCount(), 1);

    int shown = 0;
    for (const auto& b : buttons)
        shown += b->Visible;
    // Icon, close, maximize (not restore: the window is normal), minimize;
    // help only without the boxes.
    EXPECT_EQ(shown, 4);
    // Each visible button shows its normal frame, and its hot frame while
    // the pointer is over it: the window's pixels against the skin's own
    // picture of that frame (key-coloured pixels show what lies behind).
    for (const auto& b : buttons) {
        if (!b->Visible || b->Element->Action == caIconMenu) continue;
        const int action = b->Element->Action;
        EXPECT_EQ(FrameMismatches(window_, *b, 1), 0) << "normal frame of action " << action;
        MoveTo({(b->Rect.left + b->Rect.right) / 2, (b->Rect.top + b->Rect.bottom) / 2});
        ASSERT_EQ(form_->HotObject(), b.get()) << "action " << action;
        const int hotFrame = b->FrameCount() >= 3 ? 3 : 1;
        EXPECT_EQ(FrameMismatches(window_, *b, hotFrame), 0) << "hot frame of action " << action;
        if (hotFrame != 1) {
            EXPECT_GT(FrameMismatches(window_, *b, 1), 0) << "hot looks normal, action " << action;
        }
        MoveTo({160, 80});
        EXPECT_EQ(FrameMismatches(window_, *b, 1), 0) << "normal again, action " << action;
    }
}

} // namespace
