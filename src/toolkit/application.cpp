#include "toolkit/application.h"

#include "toolkit/form.h"
#include "toolkit/screen.h"

#include <commctrl.h>
#include <ole2.h>

const TClassInfo& TApplication::StaticClass() {
    static const TClassInfo info(L"TApplication", &TComponent::StaticClass());
    return info;
}

TApplication& Application() {
    static TApplication app;
    return app;
}

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() {
    DestroyForms();
    if (handle_) DestroyWindow(handle_);
}

void TApplication::Initialize() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    OleInitialize(nullptr);
}

HWND TApplication::Handle() {
    if (!handle_) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TApplication";
        RegisterClassExW(&wc);
        handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"TApplication", title_.c_str(), WS_POPUP, 0, 0,
                                  0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    }
    return handle_;
}

void TApplication::SetTitle(const std::wstring& title) {
    title_ = title;
    if (handle_) SetWindowTextW(handle_, title.c_str());
}

HICON TApplication::Icon() const {
    if (!icon_)
        icon_.Reset(static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
    return icon_.Get();
}

void TApplication::Run() {
    if (mainForm_) mainForm_->Show();
    MSG msg;
    while (!terminated_) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) break;
        Dispatch(msg);
    }
    terminated_ = true;
    DestroyForms();
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        Dispatch(msg);
    }
}

void TApplication::Dispatch(const MSG& msg) {
    TForm* active = Screen().ActiveForm();
    if (active && active->DialogKey(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int TApplication::MessageBox(const std::wstring& text, const std::wstring& caption, UINT flags) {
    TForm* active = Screen().ActiveForm();
    HWND owner = active ? active->Handle() : (mainForm_ ? mainForm_->Handle() : nullptr);
    return ::MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

void TApplication::DestroyForms() {
    while (ComponentCount() > 0) {
        TComponent* c = Components(ComponentCount() - 1);
        if (auto* f = dynamic_cast<TForm*>(c)) f->BeforeDestruction();
        if (c == mainForm_) mainForm_ = nullptr;
        delete c;
    }
}
