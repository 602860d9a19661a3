// The skin manager's single pending action, its start-up rule and its hook.
#include "support/stored_main_form.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
}

class SkinManagerTest : public StoredMainFormTest {
protected:
    void SetUp() override {
        StoredMainFormTest::SetUp();
        data_->OnSkinChanged = [this](TObject*) { ++changed_; };
    }

    int changed_ = 0;
};

TEST_F(SkinManagerTest, LaterRequestReplacesThePendingOne) {
    manager_->ActivityState = ActivityStarted;
    // Off, another stored skin, on again: only the last request runs, and
    // it shows the newly selected skin.
    data_->SetActive(false);
    EXPECT_EQ(manager_->PendingAction(), ActionUnskinAll);
    data_->SelectStoredSkin(store_->Items(), 0);
    EXPECT_EQ(manager_->PendingAction(), ActionReapply);
    data_->SetActive(true);
    EXPECT_EQ(manager_->PendingAction(), ActionSkinAll);
    EXPECT_TRUE(manager_->TimerEnabled());
    EXPECT_EQ(manager_->TimerInterval(), 250u);

    PumpFor(700);
    EXPECT_EQ(changed_, 1);
    EXPECT_TRUE(manager_->SkinningOn);
    EXPECT_FALSE(manager_->TimerEnabled());
    EXPECT_EQ(manager_->PendingSkinData(), nullptr);
    EXPECT_EQ(data_->SkinImage(), store_->Items().Item(0).Data());
}

TEST_F(SkinManagerTest, SwitchingOffRunsTheUnskinAction) {
    manager_->ActivityState = ActivityStarted;
    data_->SetActive(false);
    PumpFor(600);
    EXPECT_FALSE(manager_->SkinningOn);
    EXPECT_EQ(changed_, 1);
}

TEST_F(SkinManagerTest, BeforeAnyActivationOnlyTheSwitchMoves) {
    ASSERT_EQ(manager_->ActivityState, ActivityIdle);
    manager_->SetPendingSkinData(data_);
    manager_->Schedule(ActionUnskinAll, 250);
    EXPECT_FALSE(manager_->SkinningOn);
    EXPECT_FALSE(manager_->TimerEnabled());
    manager_->Schedule(ActionSkinAll, 250);
    EXPECT_TRUE(manager_->SkinningOn);
    PumpFor(400);
    EXPECT_EQ(changed_, 0);
}

TEST_F(SkinManagerTest, FirstActivationStartsActivityThroughTheHook) {
    ASSERT_EQ(manager_->ActivityState, ActivityIdle);
    HWND window = CreateWindowExW(0, L"STATIC", L"probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    SetActiveWindow(window);
    PumpFor(100);
    EXPECT_EQ(manager_->ActivityState, ActivityStarted);
    DestroyWindow(window);
}

TEST_F(SkinManagerTest, FreedManagerLeavesTheHookInert) {
    form_.reset();
    FreeSkinManager();
    HWND window = CreateWindowExW(0, L"STATIC", L"probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    SetActiveWindow(window);
    PumpFor(50);
    EXPECT_EQ(SendMessageW(window, SKINMSG_QUERY, 0, 0), 0);
    DestroyWindow(window);
}

} // namespace
