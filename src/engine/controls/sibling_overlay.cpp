#include "engine/controls/sibling_overlay.h"

#include "engine/controls/child_window_class.h"

namespace {

void SetClipSiblings(HWND window, bool on) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    SetWindowLongPtrW(window, GWL_STYLE, on ? style | WS_CLIPSIBLINGS : style & ~WS_CLIPSIBLINGS);
}

} // namespace

void TClipSiblings::Add(HWND host) {
    if (added_ || !IsWindow(host) || (GetWindowLongPtrW(host, GWL_STYLE) & WS_CLIPSIBLINGS)) return;
    SetClipSiblings(host, true);
    added_ = host;
}

void TClipSiblings::Remove() {
    if (added_ && IsWindow(added_)) SetClipSiblings(added_, false);
    added_ = nullptr;
}

TSiblingOverlay::TSiblingOverlay(const wchar_t* windowClass, HWND host) : host_(host) {
    RegisterChildClass(windowClass, &DefWindowProcW);
    window_.Reset(CreateWindowExW(WS_EX_NOPARENTNOTIFY, windowClass, L"",
                                  WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, GetParent(host), nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    if (window_) subclass_ = std::make_unique<TWindowSubclass>(window_.Get(), this, &Handler);
}

LRESULT TSiblingOverlay::Handler(void* object, HWND window, UINT msg, WPARAM wParam,
                                 LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    return Dispatch(static_cast<TSiblingOverlay*>(object), window, m, &TSiblingOverlay::Route,
                    "control overlay");
}

void TSiblingOverlay::Route(TMessage& m) {
    switch (m.Msg) {
    case WM_ERASEBKGND:
        m.Result = 1;
        return;
    case WM_PAINT:
        Paint();
        return;
    default:
        OnMessage(m);
    }
}
