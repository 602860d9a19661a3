// Which caption buttons show, where they stand and which frame they draw.
#include "caption_fixture.h"

#include "engine/engine_messages.h"
#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"

namespace {

constexpr unsigned char kMax = biMaximizeBit, kMin = biMinimizeBit, kHelp = biHelpBit,
                        kSys = biSystemMenuBit;

struct VisibilityCase {
    int V, V1;
    unsigned char Icons;
    TWindowState State;
    bool Active;
    TBorderKind Kind;
    bool Expected;
};

const VisibilityCase kVisibilityCases[] = {
    {0, 0, 0, wsNormal, true, bkSizeable, true},
    {1, 0, 0, wsNormal, true, bkSizeable, false},
    {1, 1, 0, wsMaximized, true, bkSizeable, true},
    {2, 0, 0, wsMaximized, true, bkSizeable, false},
    {0, 2, 0, wsNormal, true, bkSizeable, true},
    {3, 0, 0, wsNormal, false, bkSizeable, false},
    {0, 3, 0, wsNormal, true, bkSizeable, true},
    {4, 0, 0, wsNormal, false, bkSizeable, true},
    {0, 4, 0, wsNormal, true, bkSizeable, false},
    {5, 0, kMax | kSys, wsNormal, true, bkSizeable, false},
    {0, 5, kMax | kSys, wsNormal, true, bkSizeable, false},
    // 6 and 8: the first needs the system menu too, the second does not.
    {6, 0, kMin, wsNormal, true, bkSizeable, false},
    {6, 0, kMin | kSys, wsNormal, true, bkSizeable, true},
    {0, 6, kMin, wsNormal, true, bkSizeable, true},
    {0, 6, kSys, wsNormal, true, bkSizeable, false},
    {8, 0, kMax | kSys, wsNormal, true, bkSizeable, true},
    {0, 8, kHelp, wsNormal, true, bkSizeable, false},
    {7, 0, kMax, wsNormal, true, bkSizeable, false},
    {7, 7, kMin, wsNormal, true, bkSizeable, true},
    {9, 0, kMin, wsNormal, true, bkSizeable, false},
    {0, 9, kMax, wsNormal, true, bkSizeable, true},
    // 10: help alone as the first condition; help at all as the second.
    {10, 0, kHelp, wsNormal, true, bkSizeable, true},
    {10, 0, kHelp | kMin, wsNormal, true, bkSizeable, false},
    {0, 10, kHelp | kMin, wsNormal, true, bkSizeable, true},
    {0, 10, kMin, wsNormal, true, bkSizeable, false},
    // 100 only for an MDI frame with a maximized child; this is none.
    {100, 100, kSys, wsNormal, true, bkSizeable, false},
    {0, 100, kSys, wsNormal, true, bkSizeable, true},
    {200, 0, 0, wsNormal, true, bkDialog, true},
    {200, 0, 0, wsNormal, true, bkSingle, false},
    {0, 200, 0, wsNormal, true, bkSizeable, false},
    {201, 999, 0, wsNormal, true, bkSizeable, true},
    {-1, 0, 0, wsNormal, true, bkSizeable, false},
    {0, -1, 0, wsNormal, true, bkSizeable, false},
    {11, 0, 0, wsNormal, true, bkSizeable, false},
    {0, 3000, 0, wsNormal, true, bkSizeable, false},
};

TEST_F(CaptionFixture, VisibilityTable) {
    MakeWindow(WS_POPUP | WS_SYSMENU);
    for (const VisibilityCase& c : kVisibilityCases) {
        form_->SysButtons.clear();
        AddButton(50, 0, 0, 0, c.V, c.V1);
        form_->Traits.BorderIcons = c.Icons;
        form_->WindowState = c.State;
        form_->Active = c.Active;
        form_->Traits.BorderKind = c.Kind;
        EXPECT_EQ(form_->IsButtonVisible(0), c.Expected) << "V " << c.V << " V1 " << c.V1;
        EXPECT_EQ(form_->SysButtons[0]->Visible, c.Expected);
    }
}

TEST_F(CaptionFixture, ApplicationRangeAsksTheWindow) {
    MakeWindow(WS_POPUP | WS_SYSMENU);
    AddButton(57, 0, 0, 0, 1500, 0);
    gButtonVisibleAnswerFor = 1500;
    EXPECT_TRUE(form_->IsButtonVisible(0));
    EXPECT_EQ(gButtonVisibleAction, 57);
    gButtonVisibleAnswerFor = 1000;
    EXPECT_FALSE(form_->IsButtonVisible(0));
    // As the second condition the range always holds, without asking.
    form_->SysButtons.clear();
    AddButton(57, 0, 0, 0, 0, 1500);
    gButtonVisibleAction = -1;
    EXPECT_TRUE(form_->IsButtonVisible(0));
    EXPECT_EQ(gButtonVisibleAction, -1);
}

TEST_F(CaptionFixture, PerActionRules) {
    MakeWindow(WS_POPUP | WS_SYSMENU);
    TWinSysButton& close = AddButton(0, 0, 0, 0);
    TWinSysButton& max = AddButton(1, 0, 0, 0);
    TWinSysButton& min = AddButton(2, 0, 0, 0);
    TWinSysButton& icon = AddButton(3, 0, 0, 0);
    TWinSysButton& menu = AddButton(12, 0, 0, 0);

    form_->Traits.BorderIcons = kSys | kMin;
    for (int i = 0; i < 5; ++i)
        form_->IsButtonVisible(i);
    EXPECT_TRUE(close.Visible);
    EXPECT_TRUE(max.Visible);
    EXPECT_FALSE(max.Enabled); // shown, but disabled without a maximize box
    EXPECT_TRUE(min.Enabled);
    EXPECT_TRUE(icon.Visible);

    form_->Traits.BorderIcons = kMax | kMin;
    for (int i = 0; i < 5; ++i)
        form_->IsButtonVisible(i);
    EXPECT_FALSE(close.Visible) << "no system menu: no close button";
    EXPECT_FALSE(max.Enabled) << "no system menu: maximize disabled";
    EXPECT_FALSE(min.Enabled);

    form_->Traits.BorderIcons = kSys | kMax;
    form_->Traits.BorderKind = bkDialog;
    for (int i = 0; i < 5; ++i)
        form_->IsButtonVisible(i);
    EXPECT_FALSE(icon.Visible);
    EXPECT_FALSE(menu.Visible);
    EXPECT_TRUE(max.Enabled);
    EXPECT_TRUE(close.Visible);
}

struct AlignCase {
    int Align, X, Y;
    POINT Expected;
};

TEST_F(CaptionFixture, LayoutPerAlign) {
    MakeWindow(WS_POPUP | WS_SYSMENU);
    form_->WindowRect = RECT{0, 0, 300, 100};
    form_->CaptionTextRect = RECT{50, 2, 200, 20};
    form_->BorderRight = 4;
    form_->BorderTop = 30;
    form_->MenuHeight = 20;
    const AlignCase cases[] = {
        {0, 5, 6, {5, 6}},   {1, 30, 3, {270, 3}}, {2, 5, 1, {35, 1}},       {8, 5, 1, {35, 1}},
        {3, 5, 2, {205, 2}}, {9, 5, 2, {205, 2}},  {100, 30, 99, {266, 35}}, {7, 40, 40, {0, 0}},
    };
    for (const AlignCase& c : cases) {
        form_->SysButtons.clear();
        AddButton(50, c.Align, c.X, c.Y);
        form_->LayoutSysButtons();
        const RECT& r = form_->SysButtons[0]->Rect;
        EXPECT_EQ(r.left, c.Expected.x) << "Align " << c.Align;
        EXPECT_EQ(r.top, c.Expected.y) << "Align " << c.Align;
        EXPECT_EQ(r.right - r.left, 10);
        EXPECT_EQ(r.bottom - r.top, 10);
    }
    // Hidden buttons keep their old place.
    TWinSysButton& hidden = AddButton(50, 0, 40, 40, 5);
    hidden.Rect = RECT{1, 2, 3, 4};
    form_->LayoutSysButtons();
    EXPECT_EQ(hidden.Rect.left, 1);
    EXPECT_EQ(hidden.Rect.bottom, 4);
}

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
