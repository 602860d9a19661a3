// Back to the system's look, the frame shows the window's real activation:
// the caption of the active window is drawn active at once.
#include "skin_form_fixture.h"

namespace {

// A row of the caption strip as the window shows it now.
std::vector<COLORREF> CaptionRow(HWND window) {
    Pump();
    const SIZE size = WindowSize(window);
    const int y = GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    TWindowDC dc(window, true);
    std::vector<COLORREF> row;
    for (int x = 0; x < size.cx; ++x)
        row.push_back(GetPixel(dc.Get(), x, y));
    return row;
}

TEST_F(SkinFormTest, TheSystemFrameOfTheActiveWindowIsActiveAfterUnskinning) {
    // Skinned while another window is active, then activated while skinned:
    // the system's own frame never saw the activation.
    TRawWindow other;
    ShowWindow(other.Handle(), SW_SHOW);
    SetForegroundWindow(other.Handle());
    Pump();
    SkinOn();
    ASSERT_TRUE(Skinned(main_));
    SetForegroundWindow(main_);
    Pump();
    ASSERT_EQ(GetActiveWindow(), main_);
    SkinOff();
    ASSERT_FALSE(Skinned(main_));
    const std::vector<COLORREF> shown = CaptionRow(main_);
    // The same window told again what it is, and the opposite, for reference.
    SendMessageW(main_, WM_NCACTIVATE, FALSE, 0);
    const std::vector<COLORREF> inactive = CaptionRow(main_);
    SendMessageW(main_, WM_NCACTIVATE, TRUE, 0);
    const std::vector<COLORREF> active = CaptionRow(main_);
    ASSERT_NE(active, inactive) << "the two looks cannot be told apart here";
    EXPECT_EQ(shown, active) << "the caption was left inactive";
}

} // namespace
