#include "core/skin_elements.h"
#include "engine/engine_messages.h"
#include "engine/skin_manager.h"
#include "engine/win_skin_form.h"

#include <windowsx.h>

namespace {

POINT MessagePoint(const TMessage& m) {
    return {GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
}

} // namespace

void TWinSkinForm::ConsumeMessage(TMessage& m) {
    m.Result = 0;
    m.Msg = 0;
}

POINT TWinSkinForm::ScreenToWindow(int x, int y) const {
    POINT p{x, y};
    if (Handle) ScreenToClient(Handle, &p);
    if (!(Traits.FormKind == fkMDIChild && WindowState == wsMinimized)) {
        p.x += BorderLeft;
        p.y += BorderTop + MenuHeight;
    }
    return p;
}

TWinSysButton* TWinSkinForm::CaptionButton(TNCObject* object) const {
    for (const auto& button : SysButtons)
        if (button.get() == object) return button.get();
    return nullptr;
}

TNCObject* TWinSkinForm::ButtonAt(POINT windowPoint) {
    for (const auto& button : SysButtons)
        if (button->Visible && button->Element->Action >= 0 && !button->Image().Empty() &&
            PtInRect(&button->Rect, windowPoint))
            return button.get();
    // The menu bar answers here once it exists.
    return nullptr;
}

void TWinSkinForm::HandleNCHitTest(TMessage& m) {
    Default(m);
    if (m.Result != HTNOWHERE && m.Result != HTCAPTION) return;
    const POINT p = ScreenToWindow(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
    if (p.y > 3) m.Result = HTCAPTION;
    if (p.y > BorderTop && MenuHeight > 0) m.Result = HTMENU;
}

void TWinSkinForm::HandleNCMouseMove(TMessage& m) {
    if (!Active) {
        ConsumeMessage(m);
        return;
    }
    const POINT s = MessagePoint(m);
    if (TNCObject* button = ButtonAt(ScreenToWindow(s.x, s.y))) {
        button->MouseEnter();
        ConsumeMessage(m);
        return;
    }
    if (HotObject) HotObject->MouseLeave();
    HotObject = nullptr;
    Default(m);
}

void TWinSkinForm::HandleNCLButtonDown(TMessage& m) {
    const POINT s = MessagePoint(m);
    if (TNCObject* button = ButtonAt(ScreenToWindow(s.x, s.y))) {
        if (!Active && Handle) SetForegroundWindow(Handle);
        button->MouseDown();
        if (IsMenuButton(button)) {
            OpenMenuButton(button);
            HotObject = button;
        }
        ConsumeMessage(m);
        return;
    }
    // A maximized window is not dragged by its caption.
    if (WindowState == wsMaximized && Active && m.WParam == HTCAPTION) m.WParam = HTMENU;
    Default(m);
}

void TWinSkinForm::HandleNCLButtonUp(TMessage& m) {
    const POINT s = MessagePoint(m);
    TNCObject* button = ButtonAt(ScreenToWindow(s.x, s.y));
    if (!button) {
        Default(m);
        return;
    }
    ConsumeMessage(m);
    if (CaptionButton(button) && button == HotObject) {
        button->MouseUp();
        ExecuteButton(s.x, s.y);
    }
}

void TWinSkinForm::HandleNCLButtonDblClk(TMessage& m) {
    const POINT s = MessagePoint(m);
    if (TNCObject* button = ButtonAt(ScreenToWindow(s.x, s.y))) {
        TWinSysButton* caption = CaptionButton(button);
        if (caption && IsIconAction(caption->Element->Action)) {
            SetHoverTimer(false);
            PostMessageW(Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        ConsumeMessage(m);
        return;
    }
    // Only the caption: a double click on a sizing edge must not maximize.
    if (m.WParam == HTCAPTION && WindowState != wsNormal) {
        RestoreWindow();
        ConsumeMessage(m);
    } else if (m.WParam == HTCAPTION && (Traits.BorderIcons & biMaximizeBit)) {
        ToggleMaximize();
        ConsumeMessage(m);
    } else {
        Default(m);
    }
}

void TWinSkinForm::HandleNCRButtonDown(TMessage& m) {
    if (m.WParam == HTCAPTION && Traits.FormKind != fkMDIChild && SkinnedMenuAllowed()) {
        ShowSystemMenu(MessagePoint(m));
        ConsumeMessage(m);
        return;
    }
    Default(m);
}

void TWinSkinForm::HoverTick() {
    if (MenuTracking) return;
    POINT cursor{};
    if (!GetCursorPos(&cursor)) return;
    if (HotObject) {
        const POINT p = ScreenToWindow(cursor.x, cursor.y);
        if (!PtInRect(&HotObject->Rect, p)) {
            // A hot object that is no longer one of ours is only forgotten.
            TNCObject* hot = HotObject;
            HotObject = nullptr;
            if (CaptionButton(hot) || IsMenuButton(hot)) hot->MouseLeave();
        }
    }
    if (HoverControl && !Form) {
        RECT r{};
        if (!HoverControl->Handle || !GetWindowRect(HoverControl->Handle, &r) ||
            !PtInRect(&r, cursor)) {
            TSkinControl* control = HoverControl;
            HoverControl = nullptr;
            control->MouseLeave();
        }
    }
}

void TWinSkinForm::SetHoverTimer(bool enabled) {
    if (enabled && Handle) {
        HoverTimer = SetTimer(Handle, kHoverTimerId, kHoverIntervalMs, nullptr) ? kHoverTimerId : 0;
    } else {
        if (HoverTimer && Handle) KillTimer(Handle, kHoverTimerId);
        HoverTimer = 0;
        HoverControl = nullptr;
    }
    HoverTimerEnabled = enabled && HoverTimer != 0;
}

void TWinSkinForm::ExecuteButton(int x, int y) {
    TWinSysButton* button = CaptionButton(HotObject);
    if (!button) return;
    switch (button->Element->Action) {
    case caClose:
        if (CloseAllowed()) {
            SetHoverTimer(false);
            PostMessageW(Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        break;
    case caMaximize:
    case caMaximizeToo:
        if (button->Enabled) ToggleMaximize();
        break;
    case caMinimize:
    case caMinimizeToo:
        if (button->Enabled) ToggleMinimize();
        break;
    case caIconMenu:
    case caIconMenuToo:
    case caMenu:
        ShowSystemMenu(POINT{x + 1, y + 1});
        break;
    case caHelp:
        PostMessageW(Handle, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
        break;
    case caChildMinimize:
    case caChildMinimizeToo:
        SendToActiveChild(SC_MINIMIZE);
        break;
    case caChildRestore:
    case caChildRestoreToo:
        SendToActiveChild(SC_RESTORE);
        break;
    case caChildClose:
    case caChildCloseToo:
        SendToActiveChild(SC_CLOSE);
        break;
    default:
        if (button->Element->Action >= 0)
            PostMessageW(Handle, SKINMSG_ACTION, static_cast<WPARAM>(button->Element->Action), 0);
        break;
    }
}

void TWinSkinForm::ToggleMaximize() {
    if (WindowState == wsMaximized) {
        RestoreWindow();
        return;
    }
    if (Traits.FormKind == fkMDIChild)
        if (TSkinManage* manager = SkinManager()) manager->SetMDIChildMaximized(true);
    WindowState = wsMaximized;
    PostMessageW(Handle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    HotObject = nullptr;
}

void TWinSkinForm::RestoreWindow() {
    WindowState = wsNormal;
    PostMessageW(Handle, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::ToggleMinimize() {
    if (WindowState == wsMinimized) {
        RestoreWindow();
        return;
    }
    WindowState = wsMinimized;
    SetSysMenuStyle(false);
    PostMessageW(Handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::SendToActiveChild(UINT command) {
    if (Traits.FormKind != fkMDIFrame) return;
    if (HWND child = ActiveMDIChild(Traits.MDIClient))
        SendMessageW(child, WM_SYSCOMMAND, command, 0);
}
