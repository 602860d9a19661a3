#include "toolkit/web_browser.h"

#include "toolkit/platform.h"

#include <exdisp.h>
#include <oleauto.h>

namespace {

using TAtlAxWinInit = BOOL(WINAPI*)();
using TAtlAxGetControl = HRESULT(WINAPI*)(HWND, IUnknown**);

// BSTR and VARIANT owners for one Navigate call.
struct TBstr {
    explicit TBstr(const std::wstring& s) : Value(SysAllocString(s.c_str())) {}
    ~TBstr() { SysFreeString(Value); }
    TBstr(const TBstr&) = delete;
    TBstr& operator=(const TBstr&) = delete;
    BSTR Value;
};

} // namespace

const TClassInfo& TWebBrowser::StaticClass() {
    static const TClassInfo info(L"TWebBrowser", &TCustomControl::StaticClass(), {},
                                 [](TComponent* o) { return new TWebBrowser(o); });
    return info;
}

TWebBrowser::TWebBrowser(TComponent* owner) : TCustomControl(owner) {
    color_ = clWindow;
}

TWebBrowser::~TWebBrowser() {
    ReleaseBrowser();
}

void TWebBrowser::CreateWnd() {
    TCustomControl::CreateWnd();
    CreateBrowser();
}

// The browser comes through ATL's control host window; any missing piece
// (no atl.dll, no browser engine, a refused interface) leaves the plain panel.
void TWebBrowser::CreateBrowser() {
    HMODULE atl = LoadSystemLibrary(L"atl.dll");
    if (!atl) return;
    auto init = reinterpret_cast<TAtlAxWinInit>(GetProcAddress(atl, "AtlAxWinInit"));
    auto getControl = reinterpret_cast<TAtlAxGetControl>(GetProcAddress(atl, "AtlAxGetControl"));
    if (!init || !getControl || !init()) return;
    RECT r;
    GetClientRect(Handle(), &r);
    host_ =
        CreateWindowExW(0, L"AtlAxWin", L"Shell.Explorer.2", WS_CHILD | WS_VISIBLE, 0, 0, r.right,
                        r.bottom, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!host_) return;
    IUnknown* unknown = nullptr;
    if (SUCCEEDED(getControl(host_, &unknown)) && unknown) {
        void* browser = nullptr;
        if (SUCCEEDED(unknown->QueryInterface(IID_IWebBrowser2, &browser)))
            browser_ = static_cast<IWebBrowser2*>(browser);
        unknown->Release();
    }
    if (!browser_) {
        DestroyWindow(host_);
        host_ = nullptr;
    }
}

void TWebBrowser::ReleaseBrowser() {
    if (browser_) {
        browser_->Release();
        browser_ = nullptr;
    }
    if (host_ && IsWindow(host_)) DestroyWindow(host_);
    host_ = nullptr;
}

void TWebBrowser::Navigate(const std::wstring& url) {
    lastUrl_ = url;
    if (!browser_) return;
    TBstr address(url);
    VARIANT empty;
    VariantInit(&empty);
    browser_->Navigate(address.Value, &empty, &empty, &empty, &empty);
}

void TWebBrowser::WndProc(TMessage& m) {
    if (m.Msg == WM_SIZE && host_)
        MoveWindow(host_, 0, 0, LOWORD(m.LParam), HIWORD(m.LParam), TRUE);
    if (m.Msg == WM_DESTROY) ReleaseBrowser();
    TCustomControl::WndProc(m);
}
