#pragma once
// Windows the skin lays over a control as siblings just above it (scroll
// bar overlays, a media player's button bar): each paints every pixel of
// its own and hands presses on to the control beneath. The control must
// clip its siblings while one lies over it, or its own painting would show
// through.
#include "engine/message_dispatch.h"
#include "toolkit/messages.h"
#include "toolkit/unique_handle.h"
#include "toolkit/window_subclass.h"

#include <windows.h>

#include <memory>

// WS_CLIPSIBLINGS on a host for as long as an overlay lies over it: added
// when the host lacks it, and only then taken away again.
class TClipSiblings {
public:
    void Add(HWND host);
    void Remove();

private:
    HWND added_ = nullptr;
};

class TSiblingOverlay : public TDispatchTarget {
public:
    HWND Handle() const { return window_.Get(); }
    HWND Host() const { return host_; }

protected:
    // Makes the window (hidden until placed), of the child class
    // `windowClass`, a child of `host`'s parent, hooked through the
    // subclass chain.
    TSiblingOverlay(const wchar_t* windowClass, HWND host);
    // Paints the whole overlay; it never erases.
    virtual void Paint() = 0;
    // Every other message; the overlay passes on what it leaves alone.
    virtual void OnMessage(TMessage& m) = 0;

    HWND host_;

private:
    static LRESULT Handler(void* object, HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void Route(TMessage& m);

    TWindowHandle window_;
    std::unique_ptr<TWindowSubclass> subclass_; // after the window: unhooked first
};
