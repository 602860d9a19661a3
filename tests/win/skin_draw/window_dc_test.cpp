// The same routines on a shown window's own DC: what reaches the screen is
// read back from the window.
#include "draw_fixture.h"
#include "engine/skin_draw.h"

#include <gtest/gtest.h>

namespace {

// A bare popup window on top, shown without activation.
class TTestWindow {
public:
    TTestWindow(int width, int height) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VelmoraSkinDrawTarget";
        RegisterClassW(&wc);
        wnd_ = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP, 10, 10, width,
                               height, nullptr, nullptr, wc.hInstance, nullptr);
        ShowWindow(wnd_, SW_SHOWNOACTIVATE);
        UpdateWindow(wnd_);
        Pump();
    }
    ~TTestWindow() { DestroyWindow(wnd_); }
    TTestWindow(const TTestWindow&) = delete;
    TTestWindow& operator=(const TTestWindow&) = delete;
    HWND Get() const { return wnd_; }
    static void Pump() {
        MSG msg;
        for (int i = 0; i < 20; ++i) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
            Sleep(10);
        }
    }

private:
    HWND wnd_ = nullptr;
};

} // namespace

TEST(WindowDC, TransparentSkinRectReachesTheWindowWithItsBackgroundShowing) {
    TTestWindow window(20, 10);
    ASSERT_NE(window.Get(), nullptr);
    const TPixelBitmap frame = Picture({"MrrM", "rggr", "MrrM"});
    TTarget back(20, 10);
    {
        TWindowDC dc(window.Get());
        ASSERT_TRUE(dc);
        RECT all{0, 0, 20, 10};
        TBrushHandle grey(CreateSolidBrush(Letter('.')));
        FillRect(dc.Get(), &all, grey.Get());
        DrawSkinRect(dc.Get(), {2, 2, 10, 8}, {&frame}, {1, 1, 1, 1}, TStripAxis::Horizontal,
                     TCentreFill::Stretch, TKeyColour::Transparent);
        GdiFlush();
        BitBlt(back.DC(), 0, 0, 20, 10, dc.Get(), 0, 0, SRCCOPY);
    }
    EXPECT_EQ(back.Row(1, 0, 12), "............");
    EXPECT_EQ(back.Row(2, 0, 12), "...rrrrrr...");
    EXPECT_EQ(back.Row(3, 0, 12), "..rggggggr..");
    EXPECT_EQ(back.Row(6, 0, 12), "..rggggggr..");
    EXPECT_EQ(back.Row(7, 0, 12), "...rrrrrr...");
    EXPECT_EQ(back.Row(8, 0, 12), "............");
}
