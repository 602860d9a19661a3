#pragma once
// Owners of GDI and USER handles. None can be copied; each frees its handle
// exactly once, on every path. Creation failure leaves an empty owner that
// callers test with operator bool.
#include <windows.h>
#include <commctrl.h>

#include "toolkit/unique_handle.h"

namespace gdi_detail {
inline BOOL WINAPI DeleteGdi(HGDIOBJ h) {
    return DeleteObject(h);
}
template <class H> inline BOOL WINAPI DeleteTyped(H h) {
    return DeleteObject(h);
}
inline BOOL WINAPI DestroyImageList(HIMAGELIST h) {
    return ImageList_Destroy(h);
}
} // namespace gdi_detail

using TBitmapHandle = TUniqueHandle<HBITMAP, gdi_detail::DeleteTyped<HBITMAP>>;
using TBrushHandle = TUniqueHandle<HBRUSH, gdi_detail::DeleteTyped<HBRUSH>>;
using TPenHandle = TUniqueHandle<HPEN, gdi_detail::DeleteTyped<HPEN>>;
using TFontHandle = TUniqueHandle<HFONT, gdi_detail::DeleteTyped<HFONT>>;
using TRegionHandle = TUniqueHandle<HRGN, gdi_detail::DeleteTyped<HRGN>>;
using TMemoryDC = TUniqueHandle<HDC, DeleteDC>;
using TMenuHandle = TUniqueHandle<HMENU, DestroyMenu>;
using TIconHandle = TUniqueHandle<HICON, DestroyIcon>;
using TImageListHandle = TUniqueHandle<HIMAGELIST, gdi_detail::DestroyImageList>;

// A window's DC from GetDC/GetWindowDC, released to that window.
class TWindowDC {
public:
    explicit TWindowDC(HWND wnd, bool whole = false)
        : wnd_(wnd), dc_(whole ? GetWindowDC(wnd) : GetDC(wnd)) {}
    ~TWindowDC() {
        if (dc_) ReleaseDC(wnd_, dc_);
    }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND wnd_;
    HDC dc_;
};

// BeginPaint/EndPaint as a pair.
class TPaintDC {
public:
    explicit TPaintDC(HWND wnd) : wnd_(wnd) { dc_ = BeginPaint(wnd, &ps_); }
    ~TPaintDC() { EndPaint(wnd_, &ps_); }
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;
    HDC Get() const { return dc_; }
    const RECT& Area() const { return ps_.rcPaint; }

private:
    HWND wnd_;
    HDC dc_;
    PAINTSTRUCT ps_{};
};

// Selects an object into a DC and puts the previous one back.
class TSelectObject {
public:
    TSelectObject(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
    ~TSelectObject() {
        if (old_) SelectObject(dc_, old_);
    }
    TSelectObject(const TSelectObject&) = delete;
    TSelectObject& operator=(const TSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// SaveDC/RestoreDC as a pair.
class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
    ~TSavedDC() {
        if (id_) RestoreDC(dc_, id_);
    }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

private:
    HDC dc_;
    int id_;
};
