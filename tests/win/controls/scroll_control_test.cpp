// Standalone scroll bar controls: the overlay covers the whole control,
// follows its moves, range and visibility, hands presses to the control's
// own scroll loop, and goes without a trace with the skin.
#include "own_form_fixture.h"

#include "engine/controls/scroll_control.h"
#include "engine/controls/scrollbar_rules.h"
#include "toolkit/scroll_bar.h"

namespace {

class ScrollControlTest : public OwnFormTest {
protected:
    void SetUp() override {
        OwnFormTest::SetUp();
        if (HasFatalFailure()) return;
        horz_ = Add<TScrollBar>(RECT{20, 20, 320, 37});
        horz_->SetPageSize(10);
        horz_->OnChange = [this](TPersistent*) { ++changes_; };
        // The kind is fixed when the window is made.
        vert_ = new TScrollBar(own_.get());
        vert_->SetKind(sbVertical);
        vert_->SetParent(own_.get());
        vert_->SetBounds(340, 20, 17, 200);
    }
    HWND Overlay(TScrollBar* bar) const {
        return OverlayAbove(bar->Handle(), L"VelmoraScrollOverlay");
    }
    TWScrollbar* SkinOf(TScrollBar* bar) const {
        TWinSkinForm* skin = manager_->FindSkinForm(own_->Handle());
        auto* control =
            skin ? dynamic_cast<TSkinScControl*>(skin->SkinControlOf(bar->Handle())) : nullptr;
        return control ? control->Scrollbar() : nullptr;
    }
    static bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

    TScrollBar* horz_ = nullptr;
    TScrollBar* vert_ = nullptr;
    int changes_ = 0;
};

} // namespace

TEST_F(ScrollControlTest, EachBarGetsAnOverlayOverItsWholeWindow) {
    ASSERT_NE(SkinOwn(), nullptr);
    for (TScrollBar* bar : {horz_, vert_}) {
        const HWND overlay = Overlay(bar);
        ASSERT_NE(overlay, nullptr);
        EXPECT_TRUE(IsWindowVisible(overlay));
        EXPECT_TRUE(Same(PlaceInParent(overlay), PlaceInParent(bar->Handle())));
        ASSERT_NE(SkinOf(bar), nullptr);
        EXPECT_EQ(SkinOf(bar)->CurrentLook().Vertical, bar == vert_);
    }
}

TEST_F(ScrollControlTest, TheOverlayFollowsMovesRangeAndVisibility) {
    ASSERT_NE(SkinOwn(), nullptr);
    const HWND overlay = Overlay(horz_);
    ASSERT_NE(overlay, nullptr);

    horz_->SetBounds(30, 240, 250, 17);
    Pump();
    EXPECT_TRUE(Same(PlaceInParent(overlay), RECT{30, 240, 280, 257}));

    Settle(overlay);
    const std::vector<COLORREF> before = ClientPixels(overlay);
    horz_->SetPosition(60);
    Pump();
    const TWScrollbar* bar = SkinOf(horz_);
    ASSERT_NE(bar, nullptr);
    const int arrow = GetSystemMetrics(SM_CXHSCROLL);
    EXPECT_EQ(bar->CurrentLook().Thumb, ThumbFromRange({0, 100, 10, 60}, 250, arrow));
    EXPECT_NE(ClientPixels(overlay), before) << "the thumb drawn where it now is";

    // The platform's own call reaches the bar as the same message.
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
    info.nPos = 0;
    SetScrollInfo(horz_->Handle(), SB_CTL, &info, TRUE);
    Pump();
    EXPECT_EQ(ClientPixels(overlay), before);

    horz_->SetVisible(false);
    Pump();
    EXPECT_FALSE(IsWindowVisible(overlay));
    horz_->SetVisible(true);
    Pump();
    EXPECT_TRUE(IsWindowVisible(overlay));
    EXPECT_EQ(Overlay(horz_), overlay);
}

// Presses on the overlay run the control's own loop: a line or a page per
// press, reported to the control's parent and from there to OnChange.
TEST_F(ScrollControlTest, PressesReachTheControlsOwnScrollLoop) {
    ASSERT_NE(SkinOwn(), nullptr);
    const HWND overlay = Overlay(horz_);
    ASSERT_NE(overlay, nullptr);
    RECT r{};
    GetClientRect(overlay, &r);
    struct TRow {
        int X;
        int Position;
        const char* What;
    } rows[] = {
        {r.right - 4, 1, "the second arrow"},
        {r.right - 30, 11, "the page after the thumb"},
        {4, 10, "the first arrow"},
    };
    int changes = 0;
    for (const TRow& row : rows) {
        const LPARAM at = MAKELPARAM(row.X, r.bottom / 2);
        // The release waits in the queue, where the loop finds it.
        PostMessageW(horz_->Handle(), WM_LBUTTONUP, 0, at);
        SendMessageW(overlay, WM_LBUTTONDOWN, MK_LBUTTON, at);
        Pump();
        EXPECT_EQ(horz_->Position(), row.Position) << row.What;
        EXPECT_EQ(changes_, ++changes) << row.What;
        EXPECT_FALSE(SkinOf(horz_)->Pressed()) << row.What;
    }
}

TEST_F(ScrollControlTest, UnskinningLeavesTheBarsExactlyAsTheyWere) {
    horz_->HandleNeeded();
    vert_->HandleNeeded();
    const TControlsLook before = TControlsLook::Of(*own_);
    const LONG_PTR style = GetWindowLongPtrW(horz_->Handle(), GWL_STYLE);
    ASSERT_NE(SkinOwn(), nullptr);
    EXPECT_NE(GetWindowLongPtrW(horz_->Handle(), GWL_STYLE) & WS_CLIPSIBLINGS, 0)
        << "the bar clips the overlay while skinned";
    SkinOff();
    EXPECT_EQ(TControlsLook::Of(*own_), before);
    EXPECT_EQ(GetWindowLongPtrW(horz_->Handle(), GWL_STYLE), style);
    EXPECT_EQ(Overlay(horz_), nullptr);
    EXPECT_EQ(Overlay(vert_), nullptr);
}
