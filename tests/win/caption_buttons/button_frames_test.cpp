// Which frame a caption button draws in each state, on a real window.
#include "caption_fixture.h"

#include "engine/engine_messages.h"
#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"

namespace {

COLORREF WindowPixel(HWND window, int x, int y) {
    HDC dc = GetWindowDC(window);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

struct DrawCase {
    TNCState State;
    bool Enabled;
    int Frames;
    int Visibility;
    int ExpectedFrame;
};

TEST_F(CaptionFixture, DrawSysButtonShowsTheFrameOfEachState) {
    MakeWindow(WS_POPUP | WS_SYSMENU);
    const DrawCase cases[] = {
        {ncNormal, true, 4, 0, 1},  {ncPressed, true, 4, 0, 2}, {ncHot, true, 4, 0, 3},
        {ncNormal, false, 4, 0, 4}, {ncHot, false, 4, 0, 4},    {ncNormal, false, 3, 0, 1},
        {ncHot, true, 4, 100, 4},   {ncPressed, true, 3, 0, 2},
    };
    for (const DrawCase& c : cases) {
        form_->SysButtons.clear();
        TWinSysButton& b = AddButton(50, 0, 20, 20, c.Visibility, 0, c.Frames, 12, 12);
        b.Visible = true;
        b.Enabled = c.Enabled;
        b.Rect = RECT{20, 20, 32, 32};
        form_->DrawSysButton(b, c.State);
        EXPECT_EQ(WindowPixel(window_, 26, 26), kFrameColour[c.ExpectedFrame])
            << "state " << c.State << " enabled " << c.Enabled << " frames " << c.Frames;
    }
}

TEST_F(CaptionFixture, StateChangesRepaintTheButton) {
    MakeWindow(WS_POPUP | WS_SYSMENU);
    TWinSysButton& b = AddButton(50, 0, 20, 20);
    form_->LayoutSysButtons();
    b.MouseEnter();
    EXPECT_EQ(WindowPixel(window_, 25, 25), kFrameColour[3]);
    b.MouseDown();
    EXPECT_EQ(WindowPixel(window_, 25, 25), kFrameColour[2]);
    b.MouseLeave();
    EXPECT_EQ(WindowPixel(window_, 25, 25), kFrameColour[1]);
}

struct RestingCase {
    bool Active, Enabled;
    int Frames, ExpectedFrame;
};

TEST_F(CaptionFixture, PaintSysButtonsDrawsTheRestingLook) {
    MakeWindow(WS_POPUP | WS_SYSMENU);
    const RestingCase cases[] = {
        {true, true, 4, 1}, {false, true, 4, 4}, {true, false, 4, 4}, {false, true, 3, 1}};
    for (const RestingCase& c : cases) {
        form_->SysButtons.clear();
        form_->Active = c.Active;
        TWinSysButton& b = AddButton(50, 0, 4, 4, 0, 0, c.Frames);
        // Buttons of the menu bar are left to the bar.
        TWinSysButton& bar = AddButton(50, 0, 20, 4, 100, 0);
        b.Visible = bar.Visible = true;
        b.Enabled = c.Enabled;
        b.Rect = RECT{4, 4, 14, 14};
        bar.Rect = RECT{20, 4, 30, 14};
        TBitmap buffer(40, 20);
        TCanvas& canvas = buffer.Canvas();
        canvas.FillRect(RECT{0, 0, 40, 20}, RGB(255, 255, 255));
        form_->PaintSysButtons(canvas);
        GdiFlush();
        EXPECT_EQ(buffer.Pixel(8, 8), kFrameColour[c.ExpectedFrame]) << c.Active << c.Enabled;
        EXPECT_EQ(buffer.Pixel(25, 8), RGB(255, 255, 255));
    }
}

} // namespace
