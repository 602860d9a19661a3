#include "engine/skin_helpers.h"

#include "toolkit/win_control.h"

const std::wstring& ControlAtomName() {
    return TWinControl::ControlAtomName();
}

ATOM ControlAtom() {
    return TWinControl::ControlAtom();
}

TWinControl* ControlOf(HWND window) {
    return TWinControl::FindControl(window);
}

std::wstring AnsiToWide(const std::string& text) {
    if (text.empty()) return {};
    const int n =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(n > 0 ? n : 0, L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
    return wide;
}

std::wstring WideCopy(const std::wstring& text, int count) {
    if (count < 0 || static_cast<size_t>(count) >= text.size()) return text;
    return text.substr(0, count);
}

int DrawSkinText(HDC dc, const std::wstring& text, RECT& rect, UINT format) {
    return DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}
