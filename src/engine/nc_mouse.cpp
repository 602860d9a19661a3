#include "core/skin_elements.h"
#include "engine/menus/win_skin_menu.h"
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
    if (handle_) ScreenToClient(handle_, &p);
    if (!(traits_.FormKind == fkMDIChild && windowState_ == wsMinimized)) {
        p.x += BorderLeft;
        p.y += BorderTop + MenuHeight;
    }
    return p;
}

TWinSysButton* TWinSkinForm::CaptionButton(TNCObject* object) const {
    for (const auto& button : sysButtons_)
        if (button.get() == object) return button.get();
    return nullptr;
}

TNCObject* TWinSkinForm::ButtonAt(POINT windowPoint) {
    for (const auto& button : sysButtons_)
        if (button->Visible && button->Element->Action >= 0 && !button->Image().Empty() &&
            PtInRect(&button->Rect, windowPoint))
            return button.get();
    return menuBar_ ? menuBar_->MenuButtonAt(windowPoint) : nullptr;
}

void TWinSkinForm::HandleNCHitTest(TMessage& m) {
    Default(m);
    if (m.Result != HTNOWHERE && m.Result != HTCAPTION) return;
    const POINT p = ScreenToWindow(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
    if (p.y > 3) m.Result = HTCAPTION;
    if (p.y > BorderTop && MenuHeight > 0) m.Result = HTMENU;
}

void TWinSkinForm::HandleNCMouseMove(TMessage& m) {
    if (!active_) {
        ConsumeMessage(m);
        return;
    }
    const POINT s = MessagePoint(m);
    if (TNCObject* button = ButtonAt(ScreenToWindow(s.x, s.y))) {
        button->MouseEnter();
        ConsumeMessage(m);
        return;
    }
    if (hotObject_) hotObject_->MouseLeave();
    hotObject_ = nullptr;
    Default(m);
}

void TWinSkinForm::HandleNCLButtonDown(TMessage& m) {
    const POINT s = MessagePoint(m);
    if (TNCObject* button = ButtonAt(ScreenToWindow(s.x, s.y))) {
        if (!active_ && handle_) SetForegroundWindow(handle_);
        button->MouseDown();
        if (IsMenuButton(button)) {
            OpenMenuButton(button);
            hotObject_ = button;
        }
        ConsumeMessage(m);
        return;
    }
    // A maximized window is not dragged by its caption.
    if (windowState_ == wsMaximized && active_ && m.WParam == HTCAPTION) m.WParam = HTMENU;
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
    if (CaptionButton(button) && button == hotObject_) {
        button->MouseUp();
        ExecuteButton();
    }
}

void TWinSkinForm::HandleNCLButtonDblClk(TMessage& m) {
    const POINT s = MessagePoint(m);
    if (TNCObject* button = ButtonAt(ScreenToWindow(s.x, s.y))) {
        TWinSysButton* caption = CaptionButton(button);
        if (caption && IsIconAction(caption->Element->Action)) {
            SetHoverTimer(false);
            PostMessageW(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        ConsumeMessage(m);
        return;
    }
    // Only the caption: a double click on a sizing edge must not maximize.
    if (m.WParam == HTCAPTION && windowState_ != wsNormal) {
        RestoreWindow();
        ConsumeMessage(m);
    } else if (m.WParam == HTCAPTION && (traits_.BorderIcons & biMaximizeBit)) {
        ToggleMaximize();
        ConsumeMessage(m);
    } else {
        Default(m);
    }
}

void TWinSkinForm::HandleNCRButtonDown(TMessage& m) {
    if (m.WParam == HTCAPTION && traits_.FormKind != fkMDIChild) {
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
    if (hotObject_) {
        const POINT p = ScreenToWindow(cursor.x, cursor.y);
        if (!PtInRect(&hotObject_->Rect, p)) {
            // A hot object that is no longer one of ours is only forgotten.
            TNCObject* hot = hotObject_;
            hotObject_ = nullptr;
            if (CaptionButton(hot) || IsMenuButton(hot)) hot->MouseLeave();
        }
    }
}

void TWinSkinForm::SetHoverTimer(bool enabled) {
    if (enabled && handle_) {
        HoverTimer =
            SetTimer(handle_, kHoverTimerId, kHoverIntervalMs, nullptr) ? kHoverTimerId : 0;
    } else {
        if (HoverTimer && handle_) KillTimer(handle_, kHoverTimerId);
        HoverTimer = 0;
    }
    HoverTimerEnabled = enabled && HoverTimer != 0;
}

void TWinSkinForm::ExecuteButton() {
    TWinSysButton* button = CaptionButton(hotObject_);
    if (!button) return;
    switch (button->Element->Action) {
    case caClose:
        if (CloseAllowed()) {
            SetHoverTimer(false);
            PostMessageW(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
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
        ShowSystemMenu(BelowButton(*button));
        break;
    case caHelp:
        PostMessageW(handle_, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
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
            PostMessageW(handle_, SKINMSG_ACTION, static_cast<WPARAM>(button->Element->Action), 0);
        break;
    }
}

POINT TWinSkinForm::BelowButton(const TWinSysButton& button) const {
    RECT window{};
    GetWindowRect(handle_, &window);
    return POINT{window.left + button.Rect.left, window.top + button.Rect.bottom};
}

void TWinSkinForm::ToggleMaximize() {
    if (windowState_ == wsMaximized) {
        RestoreWindow();
        return;
    }
    if (traits_.FormKind == fkMDIChild)
        if (TSkinManage* manager = SkinManager()) manager->SetMDIChildMaximized(true);
    windowState_ = wsMaximized;
    PostMessageW(handle_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    hotObject_ = nullptr;
}

void TWinSkinForm::RestoreWindow() {
    windowState_ = wsNormal;
    PostMessageW(handle_, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::ToggleMinimize() {
    if (windowState_ == wsMinimized) {
        RestoreWindow();
        return;
    }
    windowState_ = wsMinimized;
    SetSysMenuStyle(false);
    PostMessageW(handle_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::SendToActiveChild(UINT command) {
    if (traits_.FormKind != fkMDIFrame) return;
    if (HWND child = ActiveMDIChild(traits_.MDIClient))
        SendMessageW(child, WM_SYSCOMMAND, command, 0);
}
