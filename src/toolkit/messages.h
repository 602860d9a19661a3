#pragma once
// The toolkit's message record, its replaceable message handler and the
// message numbers that the skin engine relies on.
#include <windows.h>

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// An object and one of its members taking a TMessage: what a control calls
// for every message. A skin object saves the current one, installs its own
// and chains to the saved one; two handlers compare equal when they name the
// same object and member.
struct TWndMethod {
    void* Object = nullptr;
    void (*Thunk)(void* object, TMessage& message) = nullptr;

    explicit operator bool() const { return Thunk != nullptr; }
    void operator()(TMessage& message) const {
        if (Thunk) Thunk(Object, message);
    }
    bool operator==(const TWndMethod& o) const { return Object == o.Object && Thunk == o.Thunk; }
    bool operator!=(const TWndMethod& o) const { return !(*this == o); }
};

// MakeWndMethod<&TMyHook::WndProc>(hook)
template <auto Member, class T> TWndMethod MakeWndMethod(T* object) {
    return TWndMethod{object, [](void* o, TMessage& m) { (static_cast<T*>(o)->*Member)(m); }};
}

// Component messages.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_GOTFOCUS = CM_BASE + 2;
constexpr UINT CM_LOSTFOCUS = CM_BASE + 3;
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
constexpr UINT CM_HITTEST = CM_BASE + 10;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_RELEASE = CM_BASE + 33; // a control without a window is being freed
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 34;
constexpr UINT CM_MENUCHANGED = CM_BASE + 49;

// Notifications a parent reflects back to the child control they concern.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
