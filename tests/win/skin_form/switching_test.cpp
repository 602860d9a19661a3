// Switching the skin on, changing it and switching it off, many times over,
// on the real main form: nothing grows, and off gives the exact look back.
#include "support/skin_form_fixture.h"

#include "freed_memory.h"
#include "support/gdi_handles.h"
#include "support/message_box_answerer.h"
#include "toolkit/check_box.h"
#include "toolkit/gdi_objects.h"

#include <memory>
#include <vector>

namespace {

// The main window has none of these; the cycles must cover them too.
void AddToggleButtons(TForm& form) {
    auto* check = new TCheckBox(&form);
    auto* radio = new TRadioButton(&form);
    int top = 4;
    for (TCheckControl* control :
         {static_cast<TCheckControl*>(check), static_cast<TCheckControl*>(radio)}) {
        control->SetParent(&form);
        control->SetBounds(4, top, 120, 20);
        control->SetCaption(L"复选(&Q)");
        control->SetChecked(true);
        control->HandleNeeded();
        top += 24;
    }
}

} // namespace

TEST_F(SkinFormTest, ThousandSwitchesLeakNothingAndRestoreTheWindow) {
    // Off the screen the repaints find nothing visible to paint, which keeps
    // a thousand cycles fast; attaching, detaching and restoring are the same.
    SetWindowPos(main_, nullptr, -3000, -3000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    AddToggleButtons(*form_);
    Pump();
    const TWindowLook before = TWindowLook::Of(main_);
    const TControlsLook controlsBefore = TControlsLook::Of(*form_);
    const int subclassesBefore = TWindowSubclass::LiveCount();
    SkinOn(); // first pass may set up lasting system state
    SkinOff();
    THandleFiller filler(300);
    ASSERT_TRUE(RoomFor(200));
    for (int i = 0; i < 1000; ++i) {
        SkinOn();
        ASSERT_TRUE(Skinned(main_)) << "cycle " << i;
        SelectSkin(0);
        SelectSkin(1);
        ASSERT_TRUE(Skinned(main_)) << "cycle " << i;
        SkinOff();
        ASSERT_FALSE(Skinned(main_)) << "cycle " << i;
        ASSERT_EQ(TWindowSubclass::LiveCount(), subclassesBefore) << "cycle " << i;
    }
    EXPECT_TRUE(RoomFor(200));
    EXPECT_TRUE(manager_->SkinForms().empty());
    EXPECT_EQ(TWindowLook::Of(main_), before);
    EXPECT_EQ(TControlsLook::Of(*form_), controlsBefore);
}

// However the skin went on and changed on the shown window, switching it off
// gives back the window (procedure, styles, region, outer and client
// rectangles) and the toolkit's side of the form and its controls (colour,
// message handler, tag, text) exactly as they were before.
TEST_F(SkinFormTest, SwitchingOffGivesBackTheWindowAndTheFormAsTheyWere) {
    const TControlsLook controlsBefore = TControlsLook::Of(*form_);
    const TColor colourBefore = form_->Color();
    const TWndMethod handlerBefore = form_->WindowProc;
    constexpr int kBlue = 0, kYellow = 1;
    const struct {
        const char* path;
        std::vector<int> skins; // selected after the skin went on
    } paths[] = {
        {"on", {}},
        {"on, the same skin again", {kYellow}},
        {"on, blue", {kBlue}},
        {"on, blue, yellow", {kBlue, kYellow}},
    };
    for (const auto& p : paths) {
        SkinOn();
        for (int skin : p.skins)
            SelectSkin(skin);
        ASSERT_TRUE(Skinned(main_)) << p.path;
        // Each of them is really taken while skinned.
        EXPECT_NE(form_->Color(), colourBefore) << p.path;
        EXPECT_NE(form_->WindowProc, handlerBefore) << p.path;
        const RECT skinned = TWindowLook::Of(main_).Window;
        EXPECT_FALSE(EqualRect(&skinned, &original_.Window)) << p.path;
        SkinOff();
        ASSERT_FALSE(Skinned(main_)) << p.path;
        EXPECT_EQ(TWindowLook::Of(main_), original_) << p.path;
        EXPECT_EQ(TControlsLook::Of(*form_), controlsBefore) << p.path;
    }
}

TEST_F(SkinFormTest, EngineMessagesAreAnsweredWhileSkinned) {
    EXPECT_EQ(SendMessageW(main_, SKINMSG_PING, 0, kSkinMagic), 0);
    SkinOn();
    EXPECT_EQ(SendMessageW(main_, SKINMSG_QUERY, 0, 0), 1);
    EXPECT_EQ(SendMessageW(main_, SKINMSG_PING, 0, kSkinMagic), kSkinMagic);
    EXPECT_EQ(SendMessageW(main_, SKINMSG_PING, 0, 0), 1);
    HDC dc = GetWindowDC(main_);
    EXPECT_EQ(SendMessageW(main_, SKINMSG_PAINTNC, reinterpret_cast<WPARAM>(dc), kSkinMagic),
              kSkinMagic);
    ReleaseDC(main_, dc);
    SkinOff();
    EXPECT_EQ(SendMessageW(main_, SKINMSG_QUERY, 0, 0), 0);
}

TEST_F(SkinFormTest, OffThenOnWithinTheDelayRunsOnlyTheLast) {
    SkinOn();
    manager_->SetPendingSkinData(data_);
    manager_->Schedule(ActionUnskinAll, 250);
    manager_->Schedule(ActionSkinAll, 250);
    EXPECT_EQ(manager_->PendingAction(), ActionSkinAll);
    RunPending();
    EXPECT_TRUE(Skinned(main_));
    EXPECT_EQ(manager_->SkinForms().size(), 1u);
    manager_->SetPendingSkinData(data_);
    manager_->Schedule(ActionSkinAll, 250);
    manager_->Schedule(ActionUnskinAll, 250);
    RunPending();
    EXPECT_FALSE(Skinned(main_));
}

TEST_F(SkinFormTest, MessageBoxOfTheProgramIsSkinned) {
    SkinOn();
    std::vector<std::wstring> skinned;
    data_->OnAfterSkinForm = [&](TObject*, HWND, const std::wstring& cls) {
        skinned.push_back(cls);
    };
    TMessageBoxAnswerer answerer(IDOK);
    MessageBoxW(main_, L"皮肤", L"提示", MB_OK);
    Pump();
    EXPECT_NE(std::find(skinned.begin(), skinned.end(), L"#32770"), skinned.end());
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    // The box's object went with its window.
    manager_->Purge();
    EXPECT_EQ(manager_->SkinForms().size(), 1u);
}

namespace {

// Screen point of the middle of a visible caption button with a picture of
// its own (the icon button draws the window's icon instead).
bool CaptionButtonPoint(TWinSkinForm& skin, POINT& point) {
    RECT window{};
    GetWindowRect(skin.Handle(), &window);
    for (const auto& button : skin.CaptionButtons()) {
        const int action = button->Element->Action;
        if (!button->Visible || action == 3 || action == 11 || button->Image().Empty()) continue;
        const RECT& r = button->Rect;
        point = POINT{window.left + (r.left + r.right) / 2, window.top + (r.top + r.bottom) / 2};
        return true;
    }
    return false;
}

} // namespace

// A new skin replaces the data's model at once, but the windows move to it
// only when the reapply runs, a timer's delay later. Frame paints, the mouse
// over the caption and the hover timer arrive in between; they must find the
// skin the window still shows alive (freed memory is filled meanwhile, so a
// read from a freed model cannot pass unseen).
TEST_F(SkinFormTest, WindowsKeepTheirSkinAliveUntilTheReapplyMovesThemOn) {
    SkinOn();
    TRawWindow raw;
    ShowWindow(raw.Handle(), SW_SHOWNOACTIVATE);
    ASSERT_TRUE(manager_->SkinWindow(raw.Handle()));
    Pump();
    const HWND windows[] = {main_, raw.Handle()};
    std::vector<std::vector<COLORREF>> before;
    for (HWND w : windows) {
        ASSERT_TRUE(Skinned(w));
        SendMessageW(w, WM_NCACTIVATE, TRUE, 0); // the caption answers the mouse
        before.push_back(PaintedFrame(w));
    }
    int other = -1;
    for (int i = 0; i < store_->Items().Count(); ++i)
        if (store_->Items().Item(i).Data() != data_->SkinImage()) other = i;
    ASSERT_GE(other, 0) << "a second stored skin to switch to";

    std::weak_ptr<const TSkinModel> old = data_->SharedSkin();
    TFreedMemoryPoison poison;
    data_->SelectStoredSkin(store_->Items(), other);
    ASSERT_NE(data_->SharedSkin(), old.lock()) << "the data holds the new skin at once";
    ASSERT_EQ(manager_->PendingAction(), ActionReapply);
    for (size_t i = 0; i < std::size(windows); ++i) {
        const HWND w = windows[i];
        TWinSkinForm* skin = manager_->FindSkinForm(w);
        ASSERT_TRUE(skin);
        POINT onButton{};
        ASSERT_TRUE(CaptionButtonPoint(*skin, onButton));
        RECT r{};
        GetWindowRect(w, &r);
        const LPARAM off = MAKELPARAM(r.left + 4, r.top + skin->FrameWidths().Top / 2);
        const LPARAM on = MAKELPARAM(onButton.x, onButton.y);
        SendMessageW(w, WM_NCPAINT, 1, 0);
        for (LPARAM at : {on, off, on})
            SendMessageW(w, WM_NCMOUSEMOVE, HTCAPTION, at);
        SendMessageW(w, WM_TIMER, kHoverTimerId, 0);
        RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_TRUE(PaintedFrame(w) == before[i]) << "window " << i << " shows its skin unchanged";
    }
    EXPECT_FALSE(old.expired()) << "the windows still show the old skin";
    ASSERT_EQ(manager_->PendingAction(), ActionReapply) << "nothing above ran the reapply";

    RunPending();
    for (size_t i = 0; i < std::size(windows); ++i)
        EXPECT_FALSE(PaintedFrame(windows[i]) == before[i]) << "window " << i << " moved on";
    EXPECT_TRUE(old.expired()) << "every window moved on: the old skin is gone";
}
