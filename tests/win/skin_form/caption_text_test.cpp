// The skinned caption of the real main form shows the window's text as last
// set, whichever way it was set.
#include "support/skin_form_fixture.h"

#include <algorithm>

namespace {

// The caption strip's pixels: the top rows of the painted frame.
std::vector<COLORREF> CaptionStrip(HWND window) {
    std::vector<COLORREF> frame = PaintedFrame(window);
    frame.resize(std::min(frame.size(), static_cast<size_t>(WindowSize(window).cx) * 24));
    return frame;
}

} // namespace

TEST_F(SkinFormTest, CaptionFollowsEveryChangeOfTheWindowText) {
    SkinOn();
    ASSERT_TRUE(Skinned(main_));
    const std::vector<COLORREF> original = CaptionStrip(main_);
    ASSERT_EQ(CaptionStrip(main_), original) << "painting twice gives the same caption";

    ASSERT_TRUE(SetWindowTextW(main_, L"Velmora 主题 — 另一个标题"));
    EXPECT_NE(CaptionStrip(main_), original) << "new text shown";

    // The ANSI message reaches the same text.
    SendMessageA(main_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Velmora"));
    EXPECT_EQ(CaptionStrip(main_), original) << "back to the first text";
}
