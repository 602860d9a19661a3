#include "engine/skin_manager.h"

#include "engine/skin_data.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace {

// A plain pointer, so that components freed during the program's exit
// still see "no manager" after the exit clean-up below has run.
TSkinManage* TheManager = nullptr;

struct TManagerExit {
    ~TManagerExit() { FreeSkinManager(); }
} ManagerExit;

// True once the manager is gone: a hook call that still arrives only
// passes the message on.
bool HookInert = false;

TWindowSkinner& NoSkinner() {
    static TWindowSkinner none;
    return none;
}

} // namespace

TSkinManage* SkinManager() {
    return TheManager;
}

TSkinManage& CreateSkinManager() {
    if (!TheManager) {
        TheManager = new TSkinManage();
        HookInert = false;
    }
    return *TheManager;
}

void FreeSkinManager() {
    delete std::exchange(TheManager, nullptr);
}

TSkinManage::TSkinManage(bool) : skinner_(&NoSkinner()) {}

TSkinManage::~TSkinManage() {
    ActivityState = ActivityClosing;
    SkinningOn = false;
    StopTimer();
    hook_.Reset();
    HookInert = true;
}

void TSkinManage::InstallHook() {
    if (hook_) return;
    hook_.Reset(SetWindowsHookExW(WH_CBT, &CbtHookProc, nullptr, GetCurrentThreadId()));
}

void TSkinManage::RegisterSkinData(TSkinData* skinData) {
    if (std::find(skinDataList_.begin(), skinDataList_.end(), skinData) != skinDataList_.end())
        return;
    skinDataList_.push_back(skinData);
    if (!mainSkinData_ && skinData->SkinFormtype() == sfMainform) mainSkinData_ = skinData;
}

void TSkinManage::UnregisterSkinData(TSkinData* skinData) {
    skinDataList_.erase(std::remove(skinDataList_.begin(), skinDataList_.end(), skinData),
                        skinDataList_.end());
    if (pendingSkinData_ == skinData) {
        pendingSkinData_ = nullptr;
        StopTimer();
    }
    if (mainSkinData_ == skinData) {
        auto next = std::find_if(skinDataList_.begin(), skinDataList_.end(),
                                 [](TSkinData* sd) { return sd->SkinFormtype() == sfMainform; });
        mainSkinData_ = next == skinDataList_.end() ? nullptr : *next;
    }
}

void TSkinManage::SetWindowSkinner(TWindowSkinner* skinner) {
    skinner_ = skinner ? skinner : &NoSkinner();
}

void TSkinManage::Schedule(int action, UINT milliseconds) {
    pendingAction_ = action;
    interval_ = milliseconds;
    if (ActivityState != ActivityIdle) {
        StartTimer();
        return;
    }
    if (action == ActionSkinAll) SkinningOn = true;
    if (action == ActionUnskinAll) SkinningOn = false;
}

void TSkinManage::StartTimer() {
    // SetTimer with the same id only resets the interval, so a pending
    // action is replaced rather than queued.
    timerId_ = SetTimer(nullptr, timerId_, interval_, &TimerProc);
}

void TSkinManage::StopTimer() {
    if (timerId_) KillTimer(nullptr, timerId_);
    timerId_ = 0;
}

void CALLBACK TSkinManage::TimerProc(HWND, UINT, UINT_PTR, DWORD) {
    if (TSkinManage* manager = SkinManager()) {
        try {
            manager->TimerTick();
        } catch (...) {
            // A failed switch leaves the windows as they were.
        }
    }
}

void TSkinManage::TimerTick() {
    StopTimer();
    TSkinData* sd = pendingSkinData_;
    if (!sd) return;
    const int action = std::exchange(pendingAction_, ActionNone);
    CarryOut(action, *sd);
    if (action == ActionReskinWindow) return;
    pendingSkinData_ = nullptr;
    sd->FireSkinChanged();
}

void TSkinManage::CarryOut(int action, TSkinData& sd) {
    switch (action) {
    case ActionSkinAll:
        SkinningOn = true;
        HideWhileSkinning = false;
        SkinAllMode = true;
        skinner_->Purge();
        skinner_->SkinAll(sd);
        SkinAllMode = false;
        break;
    case ActionUnskinAll:
        SkinningOn = false;
        skinner_->Purge();
        skinner_->UnskinAll(sd);
        break;
    case ActionReapply:
        skinner_->Purge();
        skinner_->Reapply(sd);
        break;
    case ActionPurge:
        skinner_->Purge();
        break;
    case ActionReskinWindow:
        skinner_->ReskinWindow(ReskinTarget);
        break;
    }
}

LRESULT CALLBACK TSkinManage::CbtHookProc(int code, WPARAM wParam, LPARAM lParam) {
    TSkinManage* manager = SkinManager();
    if (!HookInert && manager && code >= 0) {
        try {
            manager->OnHook(code, wParam, lParam);
        } catch (...) {
            // Never let a failure cross the hook; the window keeps its look.
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void TSkinManage::OnHook(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE) {
        if (ActivityState == ActivityIdle) ActivityState = ActivityStarted;
        if (SkinningOn) skinner_->WindowActivated(window);
    } else if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        if (SkinningOn && create && create->lpcs && (create->lpcs->dwExStyle & WS_EX_MDICHILD))
            skinner_->WindowActivated(window);
    }
}
