#include "engine/menus/menu_bar_tracking.h"
#include "engine/menus/shown_menus.h"
#include "engine/skin_data.h"
#include "engine/skin_manager.h"
#include "engine/win_skin_form.h"
#include "toolkit/caught_errors.h"
#include "toolkit/form.h"

#include <commctrl.h>

#include <memory>
#include <utility>

namespace {

// The undocumented message with which themed windows draw their caption.
constexpr UINT WM_THEMED_CAPTION = 0x00AE;

bool IsSysMenuCommand(WORD id) {
    switch (id & 0xFFF0) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
        return (id & 0x000F) == 0;
    default:
        return false;
    }
}

} // namespace

void TWinSkinForm::Default(TMessage& m) {
    // Inside our subclass handler the next procedure of the window's chain
    // answers; outside, the platform's default stands in.
    if (!PassOn(m)) m.Result = DefWindowProcW(handle_, m.Msg, m.WParam, m.LParam);
}

LRESULT TWinSkinForm::WindowHandler(void* object, HWND window, UINT msg, WPARAM wParam,
                                    LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    return Dispatch(static_cast<TWinSkinForm*>(object), window, m, &TWinSkinForm::SkinFormWndProc,
                    "skinned window procedure");
}

LRESULT TWinSkinForm::MDIClientHandler(void* object, HWND window, UINT msg, WPARAM wParam,
                                       LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    return Dispatch(static_cast<TWinSkinForm*>(object), window, m, &TWinSkinForm::MDIClientWndProc,
                    "skinned MDI client procedure");
}

bool TWinSkinForm::AnswerEngineMessage(TMessage& m) {
    switch (m.Msg) {
    case SKINMSG_QUERY:
        m.Result = 1;
        PostMessageW(handle_, SKINMSG_SKINNED, 0, kSkinMagic);
        return true;
    case SKINMSG_PING:
        m.Result = m.LParam == kSkinMagic ? kSkinMagic : 1;
        return true;
    case SKINMSG_PAINTNC:
        if (m.LParam != kSkinMagic) return false;
        if (m.WParam) PaintFrame(reinterpret_cast<HDC>(m.WParam));
        m.Result = kSkinMagic;
        return true;
    case SKINMSG_SKINNED:
        m.Result = 0;
        return true;
    default:
        return false;
    }
}

void TWinSkinForm::SkinFormWndProc(TMessage& m) {
    const bool raw = Form == nullptr;
    switch (m.Msg) {
    case WM_NCPAINT:
        if (skinState_ == ssAttached) {
            m.Result = 0; // no standard frame flashes before skinning starts
            return;
        }
        break;
    case WM_CTLCOLORBTN:
        Default(m);
        if (raw) SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
        return;
    case WM_CTLCOLORSTATIC:
        Default(m);
        if (raw && BackgroundBrush) {
            SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
            m.Result = reinterpret_cast<LRESULT>(BackgroundBrush.Get());
        }
        return;
    case WM_NCACTIVATE:
        if (skinState_ == ssAttached && traits_.FormKind != fkMDIChild) {
            // Nothing painted before skinning starts, but the change of
            // activation is allowed: answering FALSE would keep the window
            // from being deactivated.
            m.Result = TRUE;
            return;
        }
        break;
    case WM_ERASEBKGND:
        if (raw && BackgroundBrush) {
            RECT r{};
            GetClientRect(handle_, &r);
            FillRect(reinterpret_cast<HDC>(m.WParam), &r, BackgroundBrush.Get());
            m.Result = 1;
        } else {
            Default(m);
        }
        return;
    case WM_NCDESTROY:
        skinState_ = ssDetaching;
        DetachOnDestroy();
        Default(m);
        skinState_ = ssDestroyed;
        return;
    case WM_THEMED_CAPTION:
        m.Result = 0;
        return;
    case WM_MEASUREITEM:
        if (HandleMeasureItem(m)) return;
        break;
    case WM_DRAWITEM:
        if (HandleDrawItem(m)) return;
        break;
    case WM_MENUSELECT:
        TMenuBarTracking::MenuSelect(m.WParam, m.LParam);
        break;
    case WM_INITMENUPOPUP:
        if (TSkinManage* manager = SkinManager())
            manager->NextMenuKind =
                reinterpret_cast<HMENU>(m.WParam) == SystemMenuHandle ? mkSystemMenu : mkMenuBar;
        Default(m);
        // After the window filled the menu in: its items as they will show.
        ShowRawMenu(reinterpret_cast<HMENU>(m.WParam));
        return;
    case WM_EXITMENULOOP:
        rawMenus_.clear();
        Default(m);
        return;
    case WM_TIMER:
        if (m.WParam == kHoverTimerId) {
            HoverTick();
            m.Result = 0;
            return;
        }
        break;
    case SKINMSG_START:
        Start();
        return;
    case SKINMSG_RESKINSCROLL:
        // The scrollbar skins arrive with the control skins.
        return;
    case WM_SETTEXT:
        captionTextRead_ = false;
        PassOnFromStageOne(m);
        // A paint inside the change may have read the text before it was set.
        captionTextRead_ = false;
        return;
    default:
        if (AnswerEngineMessage(m)) return;
        break;
    }
    PassOnFromStageOne(m);
}

void TWinSkinForm::PassOnFromStageOne(TMessage& m) {
    if (!SkinFrame) {
        Default(m);
        return;
    }
    StageTwo(m);
}

void TWinSkinForm::StageTwo(TMessage& m) {
    if (traits_.ChildWindow && traits_.FormKind != fkMDIChild) {
        Default(m);
        return;
    }
    switch (m.Msg) {
    case WM_COMMAND:
        if (HIWORD(m.WParam) == 0 && IsSysMenuCommand(LOWORD(m.WParam))) {
            PostMessageW(handle_, WM_SYSCOMMAND, LOWORD(m.WParam), 0);
            return;
        }
        Default(m);
        return;
    case WM_WINDOWPOSCHANGED:
        windowState_ = WindowStateOf(handle_);
        Default(m);
        return;
    case WM_SIZE: {
        Default(m);
        windowState_ = m.WParam == SIZE_MINIMIZED   ? wsMinimized
                       : m.WParam == SIZE_MAXIMIZED ? wsMaximized
                                                    : wsNormal;
        RegionAfterResize();
        return;
    }
    case WM_ENTERSIZEMOVE:
        BeginSizing();
        Default(m);
        return;
    case WM_EXITSIZEMOVE:
        Default(m);
        EndSizing();
        return;
    case WM_ACTIVATE:
        active_ = LOBYTE(m.WParam) != 0;
        break;
    case WM_NCACTIVATE:
        active_ = LOBYTE(m.WParam) != 0;
        break;
    case WM_GETMINMAXINFO:
        Default(m);
        windowState_ = WindowStateOf(handle_);
        return;
    case WM_SETICON:
        Default(m);
        BuildIconBitmap();
        return;
    case WM_SYSCOMMAND:
        HandleSysCommand(m);
        return;
    case SKINMSG_MENUAT:
        HandleMenuAt(m);
        return;
    case CM_MENUCHANGED:
        // The menu bar skin takes the new menu over once it exists; until
        // then the window keeps its own menu.
        Default(m);
        return;
    default:
        break;
    }
    StageThree(m);
}

void TWinSkinForm::StageThree(TMessage& m) {
    TSkinManage* manager = SkinManager();
    const bool maximizedChild = traits_.FormKind == fkMDIChild && windowState_ == wsMaximized;
    if (skinState_ == ssAttached || maximizedChild) {
        Default(m);
        return;
    }
    switch (m.Msg) {
    case WM_NCACTIVATE:
        active_ = m.WParam != 0;
        SetHoverTimer(active_);
        if (traits_.FormKind == fkMDIFrame && traits_.MDIClient)
            SendMessageW(traits_.MDIClient, WM_NCACTIVATE, m.WParam, 0);
        if (traits_.FormKind == fkMDIChild) Default(m);
        if (!maximizedChild) PaintFrame(nullptr);
        m.Result = 1;
        return;
    case WM_NCCALCSIZE:
        HandleNCCalcSize(m);
        return;
    case WM_NCHITTEST:
        HandleNCHitTest(m);
        return;
    case WM_NCPAINT:
        HandleNCPaint(m);
        return;
    case WM_NCMOUSEMOVE:
        HandleNCMouseMove(m);
        return;
    case WM_NCLBUTTONDOWN:
        HandleNCLButtonDown(m);
        return;
    case WM_NCLBUTTONUP:
        HandleNCLButtonUp(m);
        return;
    case WM_NCLBUTTONDBLCLK:
        HandleNCLButtonDblClk(m);
        return;
    case WM_NCRBUTTONDOWN:
        HandleNCRButtonDown(m);
        return;
    case SKINMSG_PAINTFRAME:
        PaintFrame(nullptr);
        m.Result = 0;
        return;
    default:
        (void)manager;
        Default(m);
        return;
    }
}

void TWinSkinForm::FormWindowProc(TMessage& m) {
    // Messages may reach the toolkit form without passing the window (a
    // Perform), so they count as dispatch here as well, and this is an entry
    // point of its own: nothing crosses it, and an object the manager let go
    // of meanwhile is freed on the way out whatever the handler did.
    THold hold(*this);
    const HWND window = handle_; // the object may be gone when the handler fails
    try {
        HandleFormMessage(m);
    } catch (...) {
        RecordCaughtError("form skin handler");
        // The platform answers, as at the toolkit's window procedure.
        m.Result = m.Msg == WM_NCDESTROY ? 0 : DefWindowProcW(window, m.Msg, m.WParam, m.LParam);
    }
}

void TWinSkinForm::HandleFormMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_SETTEXT: {
        SavedWindowProc(m);
        if (!IsWindowVisible(handle_)) return;
        TSkinManage* manager = SkinManager();
        if (windowState_ == wsMaximized && traits_.FormKind == fkMDIChild) {
            if (manager && manager->MDIClient)
                PostMessageW(manager->MDIClient, SKINMSG_REDRAW, 0, 0);
        } else if (windowState_ == wsMinimized) {
            PaintFrame(nullptr);
        } else {
            RefreshFrame();
        }
        return;
    }
    case SKINMSG_SKINCHANGED:
        ApplySkinChange();
        return;
    case CM_DIALOGCHAR:
        HandleDialogChar(m);
        return;
    case SKINMSG_PAINTNC:
    case SKINMSG_PING:
        if (AnswerEngineMessage(m)) return;
        break;
    default:
        break;
    }
    if (SavedWindowProc)
        SavedWindowProc(m);
    else
        Default(m);
}

void TWinSkinForm::MDIClientWndProc(TMessage& m) {
    TSkinManage* manager = SkinManager();
    switch (m.Msg) {
    case WM_NCDESTROY:
        Default(m);
        MDIClientThunk.reset();
        return;
    case WM_NCCALCSIZE:
        if (SkinFrame && !(skinData_ && InSet(skinData_->Options(), xoMDIScrollbar))) {
            const auto style = GetWindowLongPtrW(DispatchWindow(), GWL_STYLE);
            SetWindowLongPtrW(DispatchWindow(), GWL_STYLE, style & ~(WS_VSCROLL | WS_HSCROLL));
        }
        Default(m);
        return;
    case WM_MDICREATE:
        if (skinData_) skinData_->SetMenuUpdate(false);
        Default(m);
        return;
    case WM_MDIDESTROY: {
        Default(m);
        if (SkinFrame && manager) {
            bool maximized = false;
            HWND active = ActiveMDIChild(DispatchWindow(), &maximized);
            manager->SetMDIChildMaximized(maximized);
            if (!active && skinData_) skinData_->SetMenuUpdate(MenuUpdate);
        }
        return;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
        if (SkinFrame && manager && manager->MDIChildMaximized)
            manager->SetMDIChildMaximized(false);
        Default(m);
        return;
    case WM_MDISETMENU:
        Default(m);
        return;
    case SKINMSG_REDRAW:
        RedrawWindow(DispatchWindow(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return;
    default:
        Default(m);
        return;
    }
}
