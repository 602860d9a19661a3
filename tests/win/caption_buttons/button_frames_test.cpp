// Which frame a caption button draws in each state: the rules as tables,
// and on a skinned window the pixels the mouse and the activation leave.
#include "caption_fixture.h"

namespace {

struct FrameCase {
    TNCState State;
    bool Enabled;
    int Frames;
    int Visibility;
    int Expected;
};

TEST(CaptionButtonFrame, EachStateShowsItsFrame) {
    const FrameCase cases[] = {
        {ncNormal, true, 4, 0, 1},  {ncPressed, true, 4, 0, 2}, {ncHot, true, 4, 0, 3},
        {ncNormal, false, 4, 0, 4}, {ncHot, false, 4, 0, 4},    {ncNormal, false, 3, 0, 1},
        {ncHot, true, 4, 100, 4},   {ncPressed, true, 3, 0, 2},
    };
    for (const FrameCase& c : cases)
        EXPECT_EQ(CaptionButtonFrame(c.State, c.Enabled, c.Frames, c.Visibility), c.Expected)
            << "state " << c.State << " enabled " << c.Enabled << " frames " << c.Frames;
}

TEST(CaptionButtonFrame, TheRestingFrame) {
    struct {
        bool Active, Enabled;
        int Frames, Expected;
    } cases[] = {{true, true, 4, 1}, {false, true, 4, 4}, {true, false, 4, 4}, {false, true, 3, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(RestingFrame(c.Active, c.Enabled, c.Frames), c.Expected)
            << c.Active << c.Enabled << c.Frames;
}

COLORREF WindowPixel(HWND window, int x, int y) {
    HDC dc = GetWindowDC(window);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

TEST_F(CaptionFixture, StateChangesRepaintTheButton) {
    AddButton(50, 0, 20, 5);
    MakeWindow(WS_POPUP | WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(WindowPixel(window_, 25, 10), kFrameColour[1]);
    Mouse(WM_NCMOUSEMOVE, {25, 10});
    EXPECT_EQ(WindowPixel(window_, 25, 10), kFrameColour[3]);
    Mouse(WM_NCLBUTTONDOWN, {25, 10});
    EXPECT_EQ(WindowPixel(window_, 25, 10), kFrameColour[2]);
    Mouse(WM_NCMOUSEMOVE, {200, 10});
    EXPECT_EQ(WindowPixel(window_, 25, 10), kFrameColour[1]);
}

TEST_F(CaptionFixture, AnInactiveCaptionRestsOnTheDisabledFrame) {
    AddButton(50, 0, 20, 5);
    // Buttons of the menu bar are left to the bar.
    AddButton(50, 0, 40, 5, 100);
    MakeWindow(WS_POPUP | WS_CAPTION | WS_SYSMENU);
    const COLORREF face = WindowPixel(window_, 45, 10);
    EXPECT_NE(face, kFrameColour[1]);
    SendMessageW(window_, WM_NCACTIVATE, FALSE, 0);
    EXPECT_EQ(WindowPixel(window_, 25, 10), kFrameColour[4]);
    SendMessageW(window_, WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ(WindowPixel(window_, 25, 10), kFrameColour[1]);
    EXPECT_EQ(WindowPixel(window_, 45, 10), face) << "the menu bar's button is not drawn";
}

} // namespace
