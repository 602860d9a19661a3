#pragma once
// TSkinManage: the program-wide coordinator of the skin engine. It learns
// about new windows through a CBT hook on the GUI thread, knows every
// registered skin data component, and carries out skin switches a short,
// fixed delay after they are asked for, through one timer whose single
// pending slot a later request overwrites.
#include "engine/engine_messages.h"
#include "toolkit/gdi_objects.h"

#include <memory>

#include <vector>

class TSkinData;

using THookHandle = TUniqueHandle<HHOOK, UnhookWindowsHookEx>;

enum TSkinAction {
    ActionNone = 0,
    ActionSkinAll = 1,
    ActionUnskinAll = 2,
    ActionReapply = 3,
    ActionPurge = 6,
    ActionReskinWindow = 7,
};


enum TActivityState { ActivityIdle = 0, ActivityStarted = 1, ActivityClosing = 4 };

// Where the skinning of windows plugs in. The manager decides when and for
// which component; a window painter does the work. Until one is installed
// every call is a no-op.
class TWindowSkinner {
public:
    virtual ~TWindowSkinner() = default;
    virtual void SkinAll(TSkinData& skinData) {}
    virtual void UnskinAll(TSkinData& skinData) {}
    virtual void Reapply(TSkinData& skinData) {}
    virtual void Purge() {}
    virtual void ReskinWindow(HWND window) {}
    // A window of this thread was activated (or an MDI child created).
    virtual void WindowActivated(HWND window) {}
};

class TSkinManage {
public:
    explicit TSkinManage(bool libraryMode = false);
    ~TSkinManage();
    TSkinManage(const TSkinManage&) = delete;
    TSkinManage& operator=(const TSkinManage&) = delete;

    // WH_CBT hook for the current thread; installed once.
    void InstallHook();
    bool HookInstalled() const { return static_cast<bool>(hook_); }

    void RegisterSkinData(TSkinData* skinData);
    void UnregisterSkinData(TSkinData* skinData);
    const std::vector<TSkinData*>& SkinDataList() const { return skinDataList_; }
    // The first registered main-window component.
    TSkinData* MainSkinData() const { return mainSkinData_; }

    // Puts `action` into the pending slot, replacing one that has not run.
    // Before any window was activated no timer runs: skinning is simply
    // switched on or off and the hook skins windows as they activate.
    void Schedule(int action, UINT milliseconds);
    int PendingAction() const { return pendingAction_; }
    TSkinData* PendingSkinData() const { return pendingSkinData_; }
    void SetPendingSkinData(TSkinData* skinData) { pendingSkinData_ = skinData; }
    bool TimerEnabled() const { return timerId_ != 0; }
    UINT TimerInterval() const { return interval_; }
    // Runs the pending action now (the timer calls this).
    void TimerTick();

    bool SkinningOn = false;
    bool SkinAllMode = false;
    int ActivityState = ActivityIdle;
    int NextMenuKind = 0;
    bool MDIChildMaximized = false;
    bool HideWhileSkinning = false;
    HWND ReskinTarget = nullptr;
    const int ManagerId = 0;

    // The window painter; the manager does not own it. nullptr restores the
    // no-op one.
    void SetWindowSkinner(TWindowSkinner* skinner);

private:
    static LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);
    void StartTimer();
    void StopTimer();
    void OnHook(int code, WPARAM wParam, LPARAM lParam);
    void CarryOut(int action, TSkinData& skinData);

    THookHandle hook_;
    UINT_PTR timerId_ = 0;
    UINT interval_ = 100;
    int pendingAction_ = ActionNone;
    TSkinData* pendingSkinData_ = nullptr;
    TSkinData* mainSkinData_ = nullptr;
    std::vector<TSkinData*> skinDataList_;
    TWindowSkinner* skinner_;
};

// The program's one manager, or nullptr before the first skin component
// finished loading.
TSkinManage* SkinManager();
TSkinManage& CreateSkinManager();
// Frees the manager; its hook stays harmless afterwards.
void FreeSkinManager();
