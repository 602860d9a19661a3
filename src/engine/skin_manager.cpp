#include "engine/skin_manager.h"

#include "engine/menus/toolkit_popups.h"
#include "engine/skin_data.h"
#include "engine/skin_popup_menu.h"
#include "engine/win_skin_form.h"
#include "engine/window_facts.h"
#include "toolkit/caught_errors.h"
#include "toolkit/text_compare.h"
#include "toolkit/screen.h"
#include "toolkit/form.h"

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

} // namespace

TSkinManage* SkinManager() {
    return TheManager;
}

TSkinManage& CreateSkinManager() {
    if (!TheManager) {
        TheManager = new TSkinManage();
        InstallPopupMenuSkin();
        HookInert = false;
    }
    return *TheManager;
}

void FreeSkinManager() {
    delete std::exchange(TheManager, nullptr);
}

TSkinManage::~TSkinManage() {
    ActivityState = ActivityClosing;
    SkinningOn = false;
    StopTimer();
    if (!skinForms_.empty()) Shutdown();
    popupMenus_.clear();
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

void TSkinManage::Schedule(TSkinAction action, UINT milliseconds) {
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
            RecordCaughtError("skin manager timer");
        }
    }
}

void TSkinManage::TimerTick() {
    StopTimer();
    TSkinData* sd = pendingSkinData_;
    if (!sd) return;
    const TSkinAction action = std::exchange(pendingAction_, ActionNone);
    const bool onlyOwner = sd->SkinFormtype() == sfOnlyThisForm;
    CarryOut(action, *sd, onlyOwner);
    if (action == ActionReskinWindow && !onlyOwner) return;
    pendingSkinData_ = nullptr;
    sd->FireSkinChanged();
}

void TSkinManage::CarryOut(TSkinAction action, TSkinData& sd, bool onlyOwner) {
    // The objects of this component's windows, as they stand now: applying
    // a skin runs window code that may add or drop entries.
    auto formsOf = [&] {
        std::vector<TWinSkinForm*> forms;
        for (TWinSkinForm* f : skinForms_)
            if (f->SkinData() == &sd) forms.push_back(f);
        // Its owner form has one object; the first is the one that counts.
        if (onlyOwner && forms.size() > 1) forms.resize(1);
        return forms;
    };
    auto stillListed = [&](TWinSkinForm* f) { return FindSkinForm(f->Handle()) == f; };
    switch (action) {
    case ActionSkinAll:
        SkinningOn = true;
        if (onlyOwner) {
            SkinOwnerForm(dynamic_cast<TForm*>(sd.Owner()));
        } else {
            HideWhileSkinning = false;
            Purge();
            SkinAllForms();
        }
        break;
    case ActionUnskinAll:
        SkinningOn = false;
        Purge();
        if (!onlyOwner) {
            while (!skinForms_.empty())
                UnskinAndFree(skinForms_.front());
        } else if (auto it = std::find_if(skinForms_.rbegin(), skinForms_.rend(),
                                          [&](TWinSkinForm* f) { return f->SkinData() == &sd; });
                   it != skinForms_.rend()) {
            UnskinAndFree(*it);
        }
        break;
    case ActionReapply: {
        Purge();
        const std::vector<TWinSkinForm*> forms = formsOf();
        for (TWinSkinForm* f : forms)
            if (stillListed(f)) f->ReloadFrameMetrics();
        for (TWinSkinForm* f : forms)
            if (stillListed(f)) f->ApplySkinChange();
        break;
    }
    case ActionPurge:
        FreeDestroyed();
        break;
    case ActionReskinWindow:
        if (onlyOwner) break;
        if (TWinSkinForm* f = FindSkinForm(ReskinTarget)) {
            f->Detach();
            f->MarkDestroyed();
            Purge();
        }
        SkinWindow(ReskinTarget);
        break;
    case ActionNone:
        break;
    }
}

// Every form of the screen, from the last to the first.
void TSkinManage::SkinAllForms() {
    SkinAllMode = true;
    for (int i = Screen().FormCount() - 1; i >= 0; --i)
        if (i < Screen().FormCount()) SkinForm(Screen().Forms(i));
    SkinAllMode = false;
}

// The component's owner form, when it is one of the screen's.
void TSkinManage::SkinOwnerForm(TForm* owner) {
    SkinAllMode = true;
    for (int i = Screen().FormCount() - 1; i >= 0; --i)
        if (Screen().Forms(i) == owner) {
            SkinForm(owner);
            break;
        }
    SkinAllMode = false;
}

LRESULT CALLBACK TSkinManage::CbtHookProc(int code, WPARAM wParam, LPARAM lParam) {
    TSkinManage* manager = SkinManager();
    if (!HookInert && manager && code >= 0) {
        try {
            manager->OnHook(code, wParam, lParam);
        } catch (...) {
            // Never let a failure cross the hook; the window keeps its look.
            RecordCaughtError("skin manager hook");
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void TSkinManage::OnHook(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE) {
        if (ActivityState == ActivityIdle) ActivityState = ActivityStarted;
        SkinWindow(window);
    } else if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        if (!create || !create->lpcs) return;
        const CREATESTRUCTW& cs = *create->lpcs;
        const std::wstring cls = WindowClassName(window);
        if (SameTextNoCase(cls, L"ScrollBar") && (cs.style & SBS_SIZEGRIP)) {
            if (TWinSkinForm* parent = FindSkinForm(cs.hwndParent)) parent->SkinSizeGrip(window);
        }
        if (!(cs.style & WS_CHILD) && cls == L"#32768") SkinMenuWindow(window);
        if (cs.dwExStyle & WS_EX_MDICHILD) SkinWindow(window);
    } else if (code == HCBT_DESTROYWND) {
        ReleaseMenuWindow(window);
    }
}
