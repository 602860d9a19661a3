#include "support/menu_driver.h"

#include <map>

namespace {

constexpr UINT kTickMs = 10;
// Generous: a Wine process under load can be slow to show a window.
constexpr int kStepTicks = 1000;
constexpr int kAfterDoneTicks = 500;

// Timer ids are per thread; so are the drivers.
std::map<UINT_PTR, TMenuDriver*>& Drivers() {
    static std::map<UINT_PTR, TMenuDriver*> drivers;
    return drivers;
}

BOOL CALLBACK FindMenuWindow(HWND window, LPARAM found) {
    wchar_t cls[16] = L"";
    GetClassNameW(window, cls, 16);
    if (lstrcmpW(cls, L"#32768") != 0 || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void PostKey(HWND window, UINT key) {
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(window, WM_KEYDOWN, key, scan | 1);
    PostMessageW(window, WM_KEYUP, key, scan | 1 | (LPARAM{3} << 30));
}

} // namespace

TMenuDriver::TMenuDriver(TStep step) : step_(std::move(step)) {
    timer_ = SetTimer(nullptr, 0, kTickMs, &Tick);
    if (timer_) Drivers()[timer_] = this;
}

TMenuDriver::~TMenuDriver() {
    if (!timer_) return;
    KillTimer(nullptr, timer_);
    Drivers().erase(timer_);
}

HWND TMenuDriver::OpenMenuWindow() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindMenuWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

bool TMenuDriver::ChooseItem(HWND openMenu, const std::wstring& text) {
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(openMenu, MN_GETHMENU, 0, 0));
    // Down from no selection goes to the first item, and on from there
    // over every item but separators.
    int downs = 0;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) continue;
        ++downs;
        wchar_t caption[128] = L"";
        GetMenuStringW(menu, static_cast<UINT>(i), caption, 128, MF_BYPOSITION);
        if (text != caption) continue;
        for (int k = 0; k < downs; ++k)
            PostKey(openMenu, VK_DOWN);
        PostKey(openMenu, VK_RETURN);
        return true;
    }
    return false;
}

void CALLBACK TMenuDriver::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    const auto it = Drivers().find(id);
    if (it != Drivers().end()) it->second->OnTick();
}

void TMenuDriver::OnTick() {
    HWND menu = OpenMenuWindow();
    if (!done_) {
        if (inStep_) return; // a step that runs a message loop of its own
        inStep_ = true;
        done_ = step_(menu);
        inStep_ = false;
        if (!done_ && ++ticks_ > kStepTicks) {
            timedOut_ = true;
            done_ = true;
            EndMenu();
        }
        return;
    }
    // Ticks after the step only come from a loop still running (the test's
    // call has not returned): end it rather than hang.
    if (++ticksSinceDone_ == kAfterDoneTicks) {
        timedOut_ = true;
        EndMenu();
    }
}
