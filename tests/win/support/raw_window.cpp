#include "support/skin_form_fixture.h"

TRawWindow::TRawWindow(const wchar_t* cls, DWORD style, int width, int height, HINSTANCE instance,
                       HWND parent) {
    HINSTANCE self = GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    if (!GetClassInfoW(self, cls, &wc)) {
        wc = WNDCLASSW{};
        wc.lpfnWndProc = &Proc;
        wc.hInstance = self;
        wc.lpszClassName = cls;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        RegisterClassW(&wc);
    }
    handle_ = CreateWindowExW(0, cls, L"probe", style, 50, 50, width, height, parent, nullptr,
                              instance ? instance : self, this);
}

TRawWindow::~TRawWindow() {
    if (IsWindow(handle_)) DestroyWindow(handle_);
}

LRESULT CALLBACK TRawWindow::Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE)
        SetPropW(w, L"VelmoraRawProbe",
                 static_cast<HANDLE>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
    auto* self = static_cast<TRawWindow*>(GetPropW(w, L"VelmoraRawProbe"));
    if (self && self->OnMessage) self->OnMessage(w, msg);
    if (msg == WM_NCDESTROY) {
        RemovePropW(w, L"VelmoraRawProbe");
        if (self) self->handle_ = nullptr;
    }
    return DefWindowProcW(w, msg, wp, lp);
}
