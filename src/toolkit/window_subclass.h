#pragma once
// A window's messages routed to an object through the platform's subclass
// chain (SetWindowSubclass). Removing ours never cuts a chain that someone
// else extended after us, and the platform itself defers the removal while a
// message is still being dispatched through it. Owning one of these is
// being subclassed; destroying it unsubclasses.
#include <windows.h>

class TWindowSubclass {
public:
    using THandler = LRESULT (*)(void* object, HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    // Subclasses `window`; Installed() tells whether the platform agreed.
    TWindowSubclass(HWND window, void* object, THandler handler);
    ~TWindowSubclass();
    TWindowSubclass(const TWindowSubclass&) = delete;
    TWindowSubclass& operator=(const TWindowSubclass&) = delete;

    bool Installed() const { return installed_; }
    HWND Window() const { return window_; }
    // Takes ours out of the chain now (also done by the destructor).
    void Remove();

    // How many subclasses are installed at this moment, program-wide.
    static int LiveCount();

private:
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                 DWORD_PTR data);

    HWND window_;
    void* object_;
    THandler handler_;
    bool installed_ = false;
};
