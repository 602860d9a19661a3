#pragma once
// TSkinManage: the program-wide coordinator of the skin engine. It learns
// about new windows through a CBT hook on the GUI thread, knows every
// registered skin data component, and carries out skin switches a short,
// fixed delay after they are asked for, through one timer whose single
// pending slot a later request overwrites.
#include "engine/engine_messages.h"
#include "engine/menus/popup_background.h"
#include "toolkit/gdi_objects.h"

#include <memory>
#include <string>
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

// How long after a request a switch is carried out: requests in quick
// succession (a menu click, then another) end in one switch.
constexpr UINT kSkinSwitchDelayMs = 250;

enum TActivityState { ActivityIdle = 0, ActivityStarted = 1, ActivityClosing = 4 };

// The kind of menu the next popup-menu window belongs to.
enum TMenuKind { mkPopup = 0, mkMenuBar = 1, mkSystemMenu = 2 };

class TWinSkinForm;
class TWinSkinPopMenu;
class TForm;

class TSkinManage {
public:
    TSkinManage() = default;
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
    void Schedule(TSkinAction action, UINT milliseconds = kSkinSwitchDelayMs);
    TSkinAction PendingAction() const { return pendingAction_; }
    TSkinData* PendingSkinData() const { return pendingSkinData_; }
    void SetPendingSkinData(TSkinData* skinData) { pendingSkinData_ = skinData; }
    bool TimerEnabled() const { return timerId_ != 0; }
    UINT TimerInterval() const { return interval_; }
    // Runs the pending action now (the timer calls this).
    void TimerTick();

    bool SkinningOn = false;
    bool SkinAllMode = false;
    TActivityState ActivityState = ActivityIdle;
    TMenuKind NextMenuKind = mkPopup;
    bool MDIChildMaximized = false;
    bool HideWhileSkinning = false;
    HWND ReskinTarget = nullptr;

    HWND MDIClient = nullptr;
    TForm* MDIFrame = nullptr;

    // --- the windows (skin_manager_windows.cpp) ---
    bool SkinWindow(HWND window);
    bool SkinForm(TForm* form);
    bool ShouldSkin(HWND window, const std::wstring& className);
    TSkinData* ChooseSkinData(HWND window) const;
    TWinSkinForm* FindSkinForm(HWND window) const;
    // Drops the entry without freeing it (the object's destructor calls this).
    void RemoveSkinForm(TWinSkinForm* form);
    void ReloadFramesOf(TSkinData* skinData);
    void Purge();
    void FreeDestroyed();
    void Shutdown();
    void SetMDIChildMaximized(bool value);
    const std::vector<TWinSkinForm*>& SkinForms() const { return skinForms_; }

    // --- popup-menu windows (skin_manager_menus.cpp) ---
    void SkinMenuWindow(HWND window);
    bool ReleaseMenuWindow(HWND window);
    bool IsMenuWindow(HWND window) const;
    // The skinned popup window showing `menu`, or null; menu items copy
    // their backgrounds from it.
    TWinSkinPopMenu* PopupShowing(HMENU menu) const;
    TKeptMenuBackgrounds& MenuBackgrounds() { return menuBackgrounds_; }

private:
    static LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);
    void StartTimer();
    void StopTimer();
    void OnHook(int code, WPARAM wParam, LPARAM lParam);
    // `onlyOwner`: the component skins its owner form only.
    void CarryOut(TSkinAction action, TSkinData& skinData, bool onlyOwner);
    void SkinAllForms();
    void SkinOwnerForm(TForm* owner);
    // Detaches, repaints and frees (or defers freeing while in dispatch).
    void UnskinAndFree(TWinSkinForm* form);
    // Frees now, or once the window's current message is done.
    void Release(TWinSkinForm* form);

    THookHandle hook_;
    UINT_PTR timerId_ = 0;
    UINT interval_ = 100;
    TSkinAction pendingAction_ = ActionNone;
    TSkinData* pendingSkinData_ = nullptr;
    TSkinData* mainSkinData_ = nullptr;
    std::vector<TSkinData*> skinDataList_;
    // Not owned by the list: a toolkit form owns its object; the list only
    // frees the objects of raw windows and those it removes itself.
    std::vector<TWinSkinForm*> skinForms_;
    std::vector<std::unique_ptr<TWinSkinPopMenu>> popupMenus_;
    TKeptMenuBackgrounds menuBackgrounds_;
};

// The program's one manager, or nullptr before the first skin component
// finished loading.
TSkinManage* SkinManager();
TSkinManage& CreateSkinManager();
// Frees the manager; its hook stays harmless afterwards.
void FreeSkinManager();
