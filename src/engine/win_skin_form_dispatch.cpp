#include "engine/win_skin_form.h"

// Placeholder bodies; the window procedure is being built.
void TWinSkinForm::Default(TMessage& m) {
    // Outside our subclass (not attached) the platform's default stands in.
    m.Result = current_ ? current_->CallNext(m.Msg, m.WParam, m.LParam)
                        : DefWindowProcW(Handle, m.Msg, m.WParam, m.LParam);
}
void TWinSkinForm::SkinFormWndProc(TMessage&) {}
void TWinSkinForm::FormWindowProc(TMessage&) {}
void TWinSkinForm::MDIClientWndProc(TMessage&) {}
LRESULT TWinSkinForm::WindowHandler(void*, HWND, UINT, WPARAM, LPARAM) { return 0; }
LRESULT TWinSkinForm::MDIClientHandler(void*, HWND, UINT, WPARAM, LPARAM) { return 0; }
