#include "engine/window_facts.h"

#include "toolkit/text_compare.h"

#include <cstddef>

TWindowState WindowStateOf(HWND window) {
    WINDOWPLACEMENT p{};
    p.length = sizeof(p);
    GetWindowPlacement(window, &p);
    if (p.showCmd == SW_SHOWMINIMIZED || p.showCmd == SW_MINIMIZE ||
        p.showCmd == SW_SHOWMINNOACTIVE)
        return wsMinimized;
    return p.showCmd == SW_SHOWMAXIMIZED ? wsMaximized : wsNormal;
}

std::wstring WindowClassName(HWND window) {
    // Class names are at most 256 characters.
    wchar_t name[257] = L"";
    const int length = window ? GetClassNameW(window, name, 257) : 0;
    return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

bool IsWindowOfClass(HWND window, const wchar_t* name) {
    return SameTextNoCase(WindowClassName(window), name);
}

std::wstring WindowTextOf(HWND window) {
    if (IsWindowUnicode(window)) {
        const int len = GetWindowTextLengthW(window);
        if (len <= 0) return {};
        std::wstring text(static_cast<size_t>(len) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), len + 1)));
        return text;
    }
    char buffer[1001] = {};
    SendMessageA(window, WM_GETTEXT, sizeof buffer - 1, reinterpret_cast<LPARAM>(buffer));
    const int len = MultiByteToWideChar(CP_ACP, 0, buffer, -1, nullptr, 0);
    if (len <= 1) return {};
    std::wstring text(static_cast<size_t>(len), L'\0');
    MultiByteToWideChar(CP_ACP, 0, buffer, -1, text.data(), len);
    text.resize(static_cast<size_t>(len) - 1);
    return text;
}

HWND FindMDIClient(HWND window) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowOfClass(child, L"MDIClient")) return child;
    return nullptr;
}

HWND ActiveMDIChild(HWND mdiClient, bool* maximized) {
    BOOL zoomed = FALSE;
    HWND child = mdiClient ? reinterpret_cast<HWND>(SendMessageW(mdiClient, WM_MDIGETACTIVE, 0,
                                                                 reinterpret_cast<LPARAM>(&zoomed)))
                           : nullptr;
    if (maximized) *maximized = child && zoomed;
    return child;
}

TFontHandle CreateSystemCaptionFont() {
    NONCLIENTMETRICSW metrics{};
    // The size without iPaddedBorderWidth is understood by every version.
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return {};
    return TFontHandle(CreateFontIndirectW(&metrics.lfCaptionFont));
}
