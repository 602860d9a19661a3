// Hit testing, the non-client mouse messages and the buttons' actions.
#include "caption_fixture.h"

#include "engine/engine_messages.h"

namespace {

bool Posted(const std::vector<TPostedMessage>& posted, UINT msg, WPARAM wParam) {
    for (const TPostedMessage& p : posted)
        if (p.Msg == msg && p.WParam == wParam) return true;
    return false;
}

struct HitCase {
    const char* Where;
    int X, Y; // negative: from the right or bottom edge
    int MenuHeight;
    LRESULT Expected;
};

TEST_F(CaptionFixture, HitTestKeepsSizingEdgesAndMakesTheCaptionDraggable) {
    MakeWindow(WS_OVERLAPPEDWINDOW, 300, 160);
    const int w = form_->WindowRect.right, h = form_->WindowRect.bottom;
    const int clientTop = form_->BorderTop;
    const HitCase cases[] = {
        {"caption", 150, clientTop - 6, 0, HTCAPTION},
        {"top edge", 150, 1, 0, HTTOP},
        {"left edge", 1, 80, 0, HTLEFT},
        {"right edge", -2, 80, 0, HTRIGHT},
        {"bottom-right", -2, -2, 0, HTBOTTOMRIGHT},
        {"client", 150, 100, 0, HTCLIENT},
        {"menu strip", 150, clientTop - 3, 8, HTMENU},
        {"caption above the menu strip", 150, 8, 8, HTCAPTION},
    };
    for (const HitCase& c : cases) {
        // The frame here is the system's; the object's borders describe it,
        // the menu strip being the lowest MenuHeight pixels of its top.
        form_->MenuHeight = c.MenuHeight;
        form_->BorderTop = clientTop - c.MenuHeight;
        const POINT p{c.X < 0 ? w + c.X : c.X, c.Y < 0 ? h + c.Y : c.Y};
        TMessage m = Mouse(WM_NCHITTEST, p);
        form_->HandleNCHitTest(m);
        EXPECT_EQ(m.Result, c.Expected) << c.Where;
    }
}

class MouseTable : public CaptionFixture {
protected:
    void SetUp() override {
        CaptionFixture::SetUp();
        MakeWindow(WS_POPUP | WS_SYSMENU);
        SetForegroundWindow(window_);
        close_ = &AddButton(0, 0, 10, 5);
        max_ = &AddButton(1, 0, 30, 5);
        app_ = &AddButton(50, 0, 50, 5);
        icon_ = &AddButton(3, 0, 70, 5);
        never_ = &AddButton(-1, 0, 90, 5);
        form_->LayoutSysButtons();
        Pump();
    }
    // Down and up on a button; returns what was posted.
    std::vector<TPostedMessage> Click(POINT p) {
        TMessage down = Mouse(WM_NCLBUTTONDOWN, p);
        form_->HandleNCLButtonDown(down);
        TMessage up = Mouse(WM_NCLBUTTONUP, p);
        form_->HandleNCLButtonUp(up);
        return Pump();
    }
    TWinSysButton *close_, *max_, *app_, *icon_, *never_;
};

TEST_F(MouseTable, EnterLeaveDownUpMoveTheStatesAndHotObject) {
    TMessage m = Mouse(WM_NCMOUSEMOVE, {15, 10});
    form_->HandleNCMouseMove(m);
    EXPECT_EQ(m.Msg, 0u) << "consumed";
    EXPECT_EQ(form_->HotObject, close_);
    EXPECT_EQ(close_->State, ncHot);

    m = Mouse(WM_NCMOUSEMOVE, {35, 10});
    form_->HandleNCMouseMove(m);
    EXPECT_EQ(close_->State, ncNormal);
    EXPECT_EQ(max_->State, ncHot);
    EXPECT_EQ(form_->HotObject, max_);

    m = Mouse(WM_NCMOUSEMOVE, {200, 10});
    form_->HandleNCMouseMove(m);
    EXPECT_EQ(m.Msg, static_cast<UINT>(WM_NCMOUSEMOVE)) << "passed on";
    EXPECT_EQ(max_->State, ncNormal);
    EXPECT_EQ(form_->HotObject, nullptr);

    m = Mouse(WM_NCLBUTTONDOWN, {55, 10});
    form_->HandleNCLButtonDown(m);
    EXPECT_EQ(app_->State, ncPressed);
    EXPECT_EQ(form_->HotObject, app_);
    m = Mouse(WM_NCLBUTTONUP, {55, 10});
    form_->HandleNCLButtonUp(m);
    EXPECT_EQ(app_->State, ncHot);
    EXPECT_TRUE(Posted(Pump(), SKINMSG_ACTION, 50));

    // A negative action is never hit.
    m = Mouse(WM_NCMOUSEMOVE, {95, 10});
    form_->HandleNCMouseMove(m);
    EXPECT_EQ(never_->State, ncNormal);
    EXPECT_EQ(form_->HotObject, nullptr);
}

TEST_F(MouseTable, InactiveWindowDropsMouseMoves) {
    form_->Active = false;
    TMessage m = Mouse(WM_NCMOUSEMOVE, {15, 10});
    form_->HandleNCMouseMove(m);
    EXPECT_EQ(m.Msg, 0u);
    EXPECT_EQ(close_->State, ncNormal);
    EXPECT_EQ(form_->HotObject, nullptr);
}

TEST_F(MouseTable, ButtonUpRunsTheActionOnlyOnTheHotButton) {
    EXPECT_TRUE(Posted(Click({15, 10}), WM_SYSCOMMAND, SC_CLOSE));
    EXPECT_TRUE(Posted(Click({35, 10}), WM_SYSCOMMAND, SC_MAXIMIZE));
    EXPECT_EQ(form_->WindowState, wsMaximized);
    EXPECT_TRUE(Posted(Click({35, 10}), WM_SYSCOMMAND, SC_RESTORE));
    EXPECT_EQ(form_->WindowState, wsNormal);

    // Pressed on one button, released on another: nothing runs.
    TMessage down = Mouse(WM_NCLBUTTONDOWN, {15, 10});
    form_->HandleNCLButtonDown(down);
    TMessage up = Mouse(WM_NCLBUTTONUP, {55, 10});
    form_->HandleNCLButtonUp(up);
    EXPECT_TRUE(Pump().empty());
}

TEST_F(MouseTable, DisabledMaximizeDoesNothing) {
    form_->Traits.BorderIcons = biSystemMenuBit | biMinimizeBit;
    form_->LayoutSysButtons();
    EXPECT_TRUE(max_->Visible);
    EXPECT_FALSE(max_->Enabled);
    EXPECT_TRUE(Click({35, 10}).empty());
    EXPECT_EQ(form_->WindowState, wsNormal);
}

struct ActionCase {
    int Action;
    UINT Msg;
    WPARAM WParam;
};

TEST_F(CaptionFixture, EachActionPostsItsCommand) {
    MakeWindow(WS_POPUP | WS_SYSMENU);
    const ActionCase cases[] = {
        {0, WM_SYSCOMMAND, SC_CLOSE},     {1, WM_SYSCOMMAND, SC_MAXIMIZE},
        {22, WM_SYSCOMMAND, SC_MAXIMIZE}, {2, WM_SYSCOMMAND, SC_MINIMIZE},
        {23, WM_SYSCOMMAND, SC_MINIMIZE}, {4, WM_SYSCOMMAND, SC_CONTEXTHELP},
        {13, SKINMSG_ACTION, 13},         {999, SKINMSG_ACTION, 999},
    };
    for (const ActionCase& c : cases) {
        form_->SysButtons.clear();
        form_->WindowState = wsNormal;
        TWinSysButton& b = AddButton(c.Action, 0, 10, 5);
        form_->LayoutSysButtons();
        form_->HotObject = &b;
        form_->ExecuteButton(0, 0);
        const auto posted = Pump();
        ASSERT_EQ(posted.size(), 1u) << "action " << c.Action;
        EXPECT_EQ(posted[0].Msg, c.Msg) << "action " << c.Action;
        EXPECT_EQ(posted[0].WParam, c.WParam) << "action " << c.Action;
    }
}

TEST_F(CaptionFixture, CloseNeedsTheSystemMenuItem) {
    MakeWindow(WS_POPUP | WS_SYSMENU);
    TWinSysButton& b = AddButton(0, 0, 10, 5);
    form_->LayoutSysButtons();
    DeleteMenu(GetSystemMenu(window_, FALSE), SC_CLOSE, MF_BYCOMMAND);
    form_->HotObject = &b;
    form_->ExecuteButton(0, 0);
    EXPECT_TRUE(Pump().empty());
}

TEST_F(MouseTable, HoverTickLeavesAHotButtonWhenTheCursorIsElsewhere) {
    form_->SetHoverTimer(true);
    EXPECT_TRUE(form_->HoverTimerEnabled);
    TMessage m = Mouse(WM_NCMOUSEMOVE, {15, 10});
    form_->HandleNCMouseMove(m);
    ASSERT_EQ(close_->State, ncHot);

    SetCursorPos(5, 600);
    // The window timer brings the tick within 250 ms.
    const DWORD start = GetTickCount();
    while (form_->HotObject && GetTickCount() - start < 2000) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_TIMER && msg.wParam == kHoverTimerId)
                form_->HoverTick();
            else
                DispatchMessageW(&msg);
        }
        Sleep(20);
    }
    EXPECT_EQ(form_->HotObject, nullptr);
    EXPECT_EQ(close_->State, ncNormal);
    form_->SetHoverTimer(false);
    EXPECT_FALSE(form_->HoverTimerEnabled);
}

TEST_F(MouseTable, DoubleClickOnTheIconButtonCloses) {
    TMessage m = Mouse(WM_NCLBUTTONDBLCLK, {75, 10});
    form_->HandleNCLButtonDblClk(m);
    EXPECT_EQ(m.Msg, 0u);
    EXPECT_TRUE(Posted(Pump(), WM_SYSCOMMAND, SC_CLOSE));
    // Other buttons ignore double clicks.
    m = Mouse(WM_NCLBUTTONDBLCLK, {35, 10});
    form_->HandleNCLButtonDblClk(m);
    EXPECT_TRUE(Pump().empty());
}

TEST_F(MouseTable, DoubleClickOnTheCaptionMaximizesAndRestores) {
    TMessage m = Mouse(WM_NCLBUTTONDBLCLK, {200, 10});
    form_->HandleNCLButtonDblClk(m);
    EXPECT_TRUE(Posted(Pump(), WM_SYSCOMMAND, SC_MAXIMIZE));
    EXPECT_EQ(form_->WindowState, wsMaximized);
    m = Mouse(WM_NCLBUTTONDBLCLK, {200, 10});
    form_->HandleNCLButtonDblClk(m);
    EXPECT_TRUE(Posted(Pump(), WM_SYSCOMMAND, SC_RESTORE));
    EXPECT_EQ(form_->WindowState, wsNormal);
    // Not on a sizing edge, and not without a maximize box.
    m = Mouse(WM_NCLBUTTONDBLCLK, {200, 1}, HTTOP);
    form_->HandleNCLButtonDblClk(m);
    form_->Traits.BorderIcons = biSystemMenuBit;
    m = Mouse(WM_NCLBUTTONDBLCLK, {200, 10});
    form_->HandleNCLButtonDblClk(m);
    EXPECT_TRUE(Pump().empty());
    EXPECT_EQ(form_->WindowState, wsNormal);
}

} // namespace
