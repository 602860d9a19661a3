// The skinned bar of a combo box's drop-down list: painted over the native
// one, and its thumb dragged by the skin's own loop, which ends on release,
// on a lost capture and on WM_QUIT, and survives the skin going away.
#include "controls_fixture.h"

#include "engine/controls/combo_list_scrollbar.h"
#include "engine/platform_api.h"

#include <memory>
#include <string>

namespace {

class ComboListBarTest : public RawHostTest {
protected:
    void SetUp() override {
        RawHostTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(HasScrollBarInfo());
        combo_ = Child(L"COMBOBOX", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, L"",
                       RECT{10, 10, 200, 200});
        for (int i = 0; i < 60; ++i) {
            const std::wstring line = L"选项 " + std::to_wstring(i);
            SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        }
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        ASSERT_TRUE(GetComboBoxInfo(combo_, &info));
        list_ = info.hwndList;
        auto skin = std::make_unique<TComboxScrollBar>();
        skin_ = skin.get();
        ASSERT_TRUE(skin->AttachWindow(*form_, *data_, list_));
        form_->AdoptControl(std::move(skin));
        SendMessageW(combo_, CB_SHOWDROPDOWN, TRUE, 0);
        Pump();
        ASSERT_TRUE(IsWindowVisible(list_));
    }
    void TearDown() override {
        if (IsWindow(combo_)) SendMessageW(combo_, CB_SHOWDROPDOWN, FALSE, 0);
        RawHostTest::TearDown();
    }
    SCROLLBARINFO Bar() const {
        SCROLLBARINFO info{};
        info.cbSize = sizeof(info);
        QueryScrollBarInfo(list_, OBJID_VSCROLL, info);
        return info;
    }
    int Pos() const { return GetScrollPos(list_, SB_VERT); }
    // A press on the bar at `along` pixels from its top, with `during`
    // waiting in the queue for the drag loop.
    void Press(int along, const std::vector<MSG>& during, bool pump = true) {
        const SCROLLBARINFO bar = Bar();
        for (const MSG& m : during)
            PostMessageW(m.hwnd, m.message, m.wParam, m.lParam);
        const int x = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2;
        SendMessageW(list_, WM_NCLBUTTONDOWN, HTVSCROLL,
                     MAKELPARAM(x, bar.rcScrollBar.top + along));
        if (pump) Pump();
    }
    // A move of the pointer to `dy` pixels below the thumb's middle.
    MSG MoveBy(int dy) const {
        const SCROLLBARINFO bar = Bar();
        POINT at{(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2,
                 bar.rcScrollBar.top + ThumbMiddle() + dy};
        ScreenToClient(list_, &at);
        return MSG{list_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y)};
    }
    int ThumbMiddle() const {
        const SCROLLBARINFO bar = Bar();
        return (bar.xyThumbTop + bar.xyThumbBottom) / 2;
    }
    MSG Up() const { return MSG{list_, WM_LBUTTONUP, 0, 0}; }

    HWND combo_ = nullptr;
    HWND list_ = nullptr;
    TComboxScrollBar* skin_ = nullptr;
};

TEST_F(ComboListBarTest, TheListsBarShowsTheSkin) {
    RedrawWindow(list_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    Pump();
    const SCROLLBARINFO bar = Bar();
    const TScrollBarLook look = skin_->CurrentLook();
    const TPixelBitmap expected = ComposeScrollBar(look, data_->Skin());
    ASSERT_FALSE(expected.Empty());
    RECT window{};
    GetWindowRect(list_, &window);
    const int w = window.right - window.left;
    const std::vector<COLORREF> pixels = WindowPixels(list_);
    const int left = bar.rcScrollBar.left - window.left, top = bar.rcScrollBar.top - window.top;
    int differing = 0;
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x)
            if (pixels[(top + y) * w + left + x] != expected.Pixel(x, y)) ++differing;
    EXPECT_EQ(differing, 0);
}

TEST_F(ComboListBarTest, DraggingTheThumbMovesTheList) {
    SCROLLINFO si{sizeof(si), SIF_ALL};
    GetScrollInfo(list_, SB_VERT, &si);
    Press(ThumbMiddle(), {MoveBy(1000), Up()});
    EXPECT_EQ(Pos(), si.nMax - static_cast<int>(si.nPage) + 1) << "dragged to the bottom";
    EXPECT_FALSE(skin_->Dragging());
    Press(ThumbMiddle(), {MoveBy(-1000), Up()});
    EXPECT_EQ(Pos(), 0) << "dragged to the top";
}

TEST_F(ComboListBarTest, AReleaseWithoutMovingKeepsThePosition) {
    SendMessageW(list_, LB_SETTOPINDEX, 20, 0);
    const int before = Pos();
    ASSERT_GT(before, 0);
    Press(ThumbMiddle(), {Up()});
    EXPECT_EQ(Pos(), before);
}

TEST_F(ComboListBarTest, APressJustAboveTheThumbIsTheListsOwn) {
    SendMessageW(list_, LB_SETTOPINDEX, 30, 0);
    const int before = Pos();
    Press(Bar().xyThumbTop - 1, {Up()});
    EXPECT_LT(Pos(), before) << "the native page up ran";
}

TEST_F(ComboListBarTest, TheDragEndsWhenTheCaptureIsLost) {
    const UINT kTakeCapture = WM_APP + 3;
    host_->OnMessage = [&](HWND w, UINT msg) {
        if (msg == kTakeCapture) SetCapture(w);
    };
    Press(ThumbMiddle(), {MSG{host_->Handle(), kTakeCapture, 0, 0}, MoveBy(5)});
    EXPECT_FALSE(skin_->Dragging()) << "capture went to another window";
    ReleaseCapture();
    host_->OnMessage = nullptr;
}

TEST_F(ComboListBarTest, TheDragEndsOnQuitAndPostsItAgain) {
    Press(ThumbMiddle(), {MSG{nullptr, WM_QUIT, 42, 0}}, false);
    EXPECT_FALSE(skin_->Dragging()) << "WM_QUIT";
    MSG msg{};
    bool quit = false;
    while (!quit && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        quit = msg.message == WM_QUIT;
        if (!quit) DispatchMessageW(&msg);
    }
    ASSERT_TRUE(quit) << "posted again for the program's own loop";
    EXPECT_EQ(msg.wParam, 42u);
}

TEST_F(ComboListBarTest, TheSkinGoingAwayDuringADragIsSafe) {
    const int errors = CaughtErrors().Count;
    const UINT kUnskin = WM_APP + 4;
    host_->OnMessage = [&](HWND, UINT msg) {
        if (msg == kUnskin) form_->Detach();
    };
    Press(ThumbMiddle(), {MSG{host_->Handle(), kUnskin, 0, 0}, MoveBy(30), Up()});
    host_->OnMessage = nullptr;
    EXPECT_EQ(form_->SkinControlOf(list_), nullptr);
    EXPECT_EQ(CaughtErrors().Count, errors);
}

} // namespace
