#include "engine/menus/menu_bar_tracking.h"

namespace {
TMenuBarTracking* Current = nullptr;
}

int BarKeyTarget(UINT key, int open, int count, bool itemSelected, bool selectedHasSubMenu,
                 bool selectedInDropDown) {
    if (count <= 0 || open < 0) return -1;
    if (key == VK_LEFT && (!itemSelected || selectedInDropDown)) return (open + count - 1) % count;
    if (key == VK_RIGHT && (!itemSelected || !selectedHasSubMenu)) return (open + 1) % count;
    return -1;
}

TMenuBarTracking::TMenuBarTracking(HMENU dropDown, int open, int count,
                                   std::function<int(POINT)> buttonAt)
    : dropDown_(dropDown), open_(open), count_(count), buttonAt_(std::move(buttonAt)) {
    GetCursorPos(&lastMouse_);
    Current = this;
    hook_ = SetWindowsHookExW(WH_MSGFILTER, &FilterProc, nullptr, GetCurrentThreadId());
}

TMenuBarTracking::~TMenuBarTracking() {
    if (hook_) UnhookWindowsHookEx(hook_);
    if (Current == this) Current = nullptr;
}

void TMenuBarTracking::MenuSelect(WPARAM wParam, LPARAM lParam) {
    if (!Current) return;
    const UINT flags = HIWORD(wParam);
    if (flags == 0xFFFF && lParam == 0) return; // the menu closes
    Current->selectedMenu_ = reinterpret_cast<HMENU>(lParam);
    Current->selectedHasSubMenu_ = (flags & MF_POPUP) != 0;
}

LRESULT CALLBACK TMenuBarTracking::FilterProc(int code, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
    if (code == MSGF_MENU && Current && lParam) Current->Filter(*reinterpret_cast<MSG*>(lParam));
    return result;
}

void TMenuBarTracking::SwitchTo(int index) {
    if (index < 0 || index == open_ || next_ >= 0) return;
    next_ = index;
    EndMenu();
}

void TMenuBarTracking::Filter(const MSG& msg) {
    if (first_) {
        first_ = false;
        // Opened from the bar, the drop-down starts with its first item
        // selected, as the platform's bar does.
        if (msg.hwnd) PostMessageW(msg.hwnd, WM_KEYDOWN, VK_DOWN, 0);
    }
    switch (msg.message) {
    case WM_KEYDOWN:
        SwitchTo(BarKeyTarget(static_cast<UINT>(msg.wParam), open_, count_,
                              selectedMenu_ != nullptr, selectedHasSubMenu_,
                              selectedMenu_ == dropDown_));
        break;
    case WM_MOUSEMOVE:
        if (msg.pt.x != lastMouse_.x || msg.pt.y != lastMouse_.y) {
            lastMouse_ = msg.pt;
            SwitchTo(buttonAt_(msg.pt));
        }
        break;
    default:
        break;
    }
}
