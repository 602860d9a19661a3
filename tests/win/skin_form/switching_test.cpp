// Switching the skin on, changing it and switching it off, many times over,
// on the real main form: nothing grows, and off gives the exact look back.
#include "skin_form_fixture.h"

#include "support/gdi_handles.h"
#include "support/message_box_answerer.h"
#include "toolkit/gdi_objects.h"

#include <vector>

TEST_F(SkinFormTest, ThousandSwitchesLeakNothingAndRestoreTheWindow) {
    // Off the screen the repaints find nothing visible to paint, which keeps
    // a thousand cycles fast; attaching, detaching and restoring are the same.
    SetWindowPos(main_, nullptr, -3000, -3000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
    const TWindowLook before = TWindowLook::Of(main_);
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
