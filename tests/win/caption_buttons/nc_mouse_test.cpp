// Hit testing, the non-client mouse messages and the buttons' actions, sent
// to a skinned window as the system sends them.
#include "caption_fixture.h"

#include "engine/engine_messages.h"

namespace {

bool Posted(const std::vector<TPostedMessage>& posted, UINT msg, WPARAM wParam) {
    for (const TPostedMessage& p : posted)
        if (p.Msg == msg && (p.WParam & 0xFFF0) == (wParam & 0xFFF0)) return true;
    return false;
}

struct HitCase {
    const char* Where;
    int X, Y; // negative: from the right or bottom edge
    LRESULT Expected;
};

TEST_F(CaptionFixture, HitTestKeepsSizingEdgesAndMakesTheCaptionDraggable) {
    MakeWindow(WS_OVERLAPPEDWINDOW, 300, 160);
    RECT r{};
    GetWindowRect(window_, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const HitCase cases[] = {
        {"caption", 150, kCaptionHeight / 2, HTCAPTION},
        {"top edge", 150, 1, HTTOP},
        {"left edge", 1, 80, HTLEFT},
        {"right edge", -2, 80, HTRIGHT},
        {"bottom-right", -2, -2, HTBOTTOMRIGHT},
        {"client", 150, 100, HTCLIENT},
    };
    for (const HitCase& c : cases) {
        const POINT p{c.X < 0 ? w + c.X : c.X, c.Y < 0 ? h + c.Y : c.Y};
        EXPECT_EQ(Mouse(WM_NCHITTEST, p, 0), c.Expected) << c.Where;
    }
}

TEST_F(CaptionFixture, TheMenuStripBelowTheCaptionHitsAsMenu) {
    AddButton(50, 0, 10, 5);
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_STRING, 1, L"&File");
    MakeWindow(WS_OVERLAPPEDWINDOW, 300, 160, bar);
    const int menu = form_->FrameWidths().Menu;
    ASSERT_GT(menu, 0);
    EXPECT_EQ(Mouse(WM_NCHITTEST, {150, kCaptionHeight + menu / 2}, 0), HTMENU);
    EXPECT_EQ(Mouse(WM_NCHITTEST, {150, kCaptionHeight / 2}, 0), HTCAPTION);
}

class MouseTable : public CaptionFixture {
protected:
    void SetUp() override {
        CaptionFixture::SetUp();
        AddButton(caClose, 0, 10, 5);
        AddButton(caMaximize, 0, 30, 5);
        AddButton(50, 0, 50, 5);
        AddButton(caIconMenu, 0, 70, 5);
        AddButton(-1, 0, 90, 5);
        MakeWindow(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX | WS_MINIMIZEBOX);
    }
    TWinSysButton& Close() const { return Button(0); }
    TWinSysButton& Max() const { return Button(1); }
    TWinSysButton& App() const { return Button(2); }
    TWinSysButton& Never() const { return Button(4); }
};

TEST_F(MouseTable, EnterLeaveDownUpMoveTheStatesAndHotObject) {
    Mouse(WM_NCMOUSEMOVE, {15, 10});
    EXPECT_EQ(gMouseMovesPassedOn, 0) << "consumed over a button";
    EXPECT_EQ(form_->HotObject(), &Close());
    EXPECT_EQ(Close().State, ncHot);

    Mouse(WM_NCMOUSEMOVE, {35, 10});
    EXPECT_EQ(Close().State, ncNormal);
    EXPECT_EQ(Max().State, ncHot);
    EXPECT_EQ(form_->HotObject(), &Max());

    Mouse(WM_NCMOUSEMOVE, {200, 10});
    EXPECT_EQ(gMouseMovesPassedOn, 1) << "passed on away from the buttons";
    EXPECT_EQ(Max().State, ncNormal);
    EXPECT_EQ(form_->HotObject(), nullptr);

    Mouse(WM_NCLBUTTONDOWN, {55, 10});
    EXPECT_EQ(App().State, ncPressed);
    EXPECT_EQ(form_->HotObject(), &App());
    Mouse(WM_NCLBUTTONUP, {55, 10});
    EXPECT_EQ(App().State, ncHot);
    EXPECT_TRUE(Posted(Pump(), SKINMSG_ACTION, 50));

    // A negative action is never hit.
    Mouse(WM_NCMOUSEMOVE, {95, 10});
    EXPECT_EQ(Never().State, ncNormal);
    EXPECT_EQ(form_->HotObject(), nullptr);
}

TEST_F(MouseTable, InactiveWindowDropsMouseMoves) {
    SendMessageW(window_, WM_NCACTIVATE, FALSE, 0);
    Mouse(WM_NCMOUSEMOVE, {15, 10});
    EXPECT_EQ(gMouseMovesPassedOn, 0);
    EXPECT_EQ(Close().State, ncNormal);
    EXPECT_EQ(form_->HotObject(), nullptr);
}

TEST_F(MouseTable, ButtonUpRunsTheActionOnlyOnTheHotButton) {
    EXPECT_TRUE(Posted(Click({15, 10}), WM_SYSCOMMAND, SC_CLOSE));
    EXPECT_TRUE(Posted(Click({35, 10}), WM_SYSCOMMAND, SC_MAXIMIZE));
    EXPECT_EQ(form_->WindowState(), wsMaximized);
    EXPECT_TRUE(IsZoomed(window_));
    gRestoreAllowed = true;
    EXPECT_TRUE(Posted(Click({35, 10}), WM_SYSCOMMAND, SC_RESTORE));
    gRestoreAllowed = false;
    EXPECT_EQ(form_->WindowState(), wsNormal);

    // Pressed on one button, released on another: nothing runs.
    Mouse(WM_NCLBUTTONDOWN, {15, 10});
    Mouse(WM_NCLBUTTONUP, {55, 10});
    EXPECT_TRUE(Pump().empty());
}

TEST_F(CaptionFixture, DisabledMaximizeDoesNothing) {
    AddButton(caMaximize, 0, 30, 5);
    MakeWindow(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_TRUE(Button(0).Visible);
    EXPECT_FALSE(Button(0).Enabled);
    EXPECT_TRUE(Click({35, 10}).empty());
    EXPECT_EQ(form_->WindowState(), wsNormal);
}

struct ActionCase {
    int Action;
    UINT Msg;
    WPARAM WParam;
};

class ActionTable : public CaptionFixture, public testing::WithParamInterface<ActionCase> {};

TEST_P(ActionTable, EachActionPostsItsCommand) {
    const ActionCase& c = GetParam();
    AddButton(c.Action, 0, 10, 5);
    MakeWindow(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX | WS_MINIMIZEBOX);
    const auto posted = Click({15, 10});
    ASSERT_FALSE(posted.empty()) << "action " << c.Action;
    EXPECT_EQ(posted[0].Msg, c.Msg) << "action " << c.Action;
    EXPECT_EQ(posted[0].WParam & (c.Msg == WM_SYSCOMMAND ? 0xFFF0 : ~WPARAM{0}), c.WParam)
        << "action " << c.Action;
}

INSTANTIATE_TEST_SUITE_P(Actions, ActionTable,
                         testing::Values(ActionCase{0, WM_SYSCOMMAND, SC_CLOSE},
                                         ActionCase{1, WM_SYSCOMMAND, SC_MAXIMIZE},
                                         ActionCase{22, WM_SYSCOMMAND, SC_MAXIMIZE},
                                         ActionCase{2, WM_SYSCOMMAND, SC_MINIMIZE},
                                         ActionCase{23, WM_SYSCOMMAND, SC_MINIMIZE},
                                         ActionCase{4, WM_SYSCOMMAND, SC_CONTEXTHELP},
                                         ActionCase{13, SKINMSG_ACTION, 13},
                                         ActionCase{999, SKINMSG_ACTION, 999}));

TEST_F(CaptionFixture, CloseNeedsTheSystemMenuItem) {
    AddButton(caClose, 0, 10, 5);
    MakeWindow(WS_POPUP | WS_CAPTION | WS_SYSMENU);
    DeleteMenu(GetSystemMenu(window_, FALSE), SC_CLOSE, MF_BYCOMMAND);
    EXPECT_TRUE(Click({15, 10}).empty());
}

TEST_F(MouseTable, TheHoverTimerLeavesAHotButtonWhenTheCursorIsElsewhere) {
    EXPECT_TRUE(form_->HoverTimerRunning());
    Mouse(WM_NCMOUSEMOVE, {15, 10});
    ASSERT_EQ(Close().State, ncHot);

    SetCursorPos(5, 600);
    // The window's own timer ticks within 250 ms.
    const DWORD start = GetTickCount();
    while (form_->HotObject() && GetTickCount() - start < 2000) {
        Pump();
        Sleep(20);
    }
    EXPECT_EQ(form_->HotObject(), nullptr);
    EXPECT_EQ(Close().State, ncNormal);
}

TEST_F(MouseTable, DoubleClickOnTheIconButtonCloses) {
    Mouse(WM_NCLBUTTONDBLCLK, {75, 10});
    EXPECT_TRUE(Posted(Pump(), WM_SYSCOMMAND, SC_CLOSE));
    // Other buttons ignore double clicks.
    Mouse(WM_NCLBUTTONDBLCLK, {35, 10});
    EXPECT_TRUE(Pump().empty());
}

TEST_F(MouseTable, DoubleClickOnTheCaptionMaximizesAndRestores) {
    Mouse(WM_NCLBUTTONDBLCLK, {200, 10});
    EXPECT_TRUE(Posted(Pump(), WM_SYSCOMMAND, SC_MAXIMIZE));
    EXPECT_EQ(form_->WindowState(), wsMaximized);
    gRestoreAllowed = true;
    Mouse(WM_NCLBUTTONDBLCLK, {200, 10});
    EXPECT_TRUE(Posted(Pump(), WM_SYSCOMMAND, SC_RESTORE));
    gRestoreAllowed = false;
    EXPECT_EQ(form_->WindowState(), wsNormal);
    // Not on a sizing edge.
    Mouse(WM_NCLBUTTONDBLCLK, {200, 1}, HTTOP);
    EXPECT_TRUE(Pump().empty());
    EXPECT_EQ(form_->WindowState(), wsNormal);
}

TEST_F(CaptionFixture, DoubleClickOnTheCaptionWithoutAMaximizeBoxDoesNothing) {
    MakeWindow(WS_POPUP | WS_CAPTION | WS_SYSMENU);
    Mouse(WM_NCLBUTTONDBLCLK, {200, 10});
    EXPECT_TRUE(Pump().empty());
    EXPECT_EQ(form_->WindowState(), wsNormal);
}

} // namespace
