#include "support/stray_box_guard.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// The id the platform gives a message box's text.
constexpr int kMessageTextId = 0xFFFF;

std::wstring TextOf(HWND window) {
    wchar_t text[512] = L"";
    GetWindowTextW(window, text, 512);
    return text;
}

bool IsMessageBox(HWND window) {
    wchar_t cls[16] = L"";
    GetClassNameW(window, cls, 16);
    if (lstrcmpW(cls, L"#32770") != 0 || !IsWindowVisible(window)) return false;
    HWND text = GetDlgItem(window, kMessageTextId);
    if (!text) return false;
    GetClassNameW(text, cls, 16);
    return lstrcmpiW(cls, L"Static") == 0;
}

BOOL CALLBACK CollectBoxes(HWND window, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsMessageBox(window))
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

void Answer(HWND box) {
    for (int id : {IDCANCEL, IDNO, IDOK}) {
        if (HWND button = GetDlgItem(box, id)) {
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
            return;
        }
    }
    PostMessageW(box, WM_CLOSE, 0, 0);
}

} // namespace

TStrayBoxGuard::TStrayBoxGuard(DWORD unansweredMs)
    : unansweredMs_(unansweredMs), thread_([this] { Watch(); }) {}

TStrayBoxGuard::~TStrayBoxGuard() {
    stop_ = true;
    thread_.join();
}

void TStrayBoxGuard::Watch() {
    while (!stop_) {
        Look();
        Sleep(250);
    }
}

void TStrayBoxGuard::Look() {
    std::vector<HWND> boxes;
    EnumWindows(&CollectBoxes, reinterpret_cast<LPARAM>(&boxes));
    // Forget the boxes that went; a new box may reuse a handle.
    seen_.erase(std::remove_if(seen_.begin(), seen_.end(),
                               [&](const TSeen& s) {
                                   return std::find(boxes.begin(), boxes.end(), s.Box) ==
                                          boxes.end();
                               }),
                seen_.end());
    const DWORD now = GetTickCount();
    for (HWND box : boxes) {
        auto it = std::find_if(seen_.begin(), seen_.end(),
                               [box](const TSeen& s) { return s.Box == box; });
        if (it == seen_.end()) {
            seen_.push_back({box, now});
            continue;
        }
        if (now - it->Since < unansweredMs_) continue;
        ADD_FAILURE() << "a message box nobody answered: \"" << Narrow(TextOf(box)) << "\" ("
                      << Narrow(TextOf(GetDlgItem(box, kMessageTextId))) << ")";
        Answer(box);
        it->Since = now; // asked again only if it stays up as long once more
    }
}
