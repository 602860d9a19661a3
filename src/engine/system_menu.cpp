#include "engine/menus/menu_item_text.h"
#include "engine/menus/toolkit_popups.h"
#include "engine/skin_data.h"
#include "engine/skin_manager.h"
#include "engine/win_skin_form.h"
#include "toolkit/menus.h"

#include <windowsx.h>

namespace {

// Image in the menu glyphs for a system command: 0 restore, 1 maximize,
// 2 minimize, 3 close.
int GlyphForCommand(UINT command) {
    switch (command) {
    case SC_RESTORE:
        return 0;
    case SC_MAXIMIZE:
        return 1;
    case SC_MINIMIZE:
        return 2;
    case SC_CLOSE:
        return 3;
    default:
        return -1;
    }
}

} // namespace

void TWinSkinForm::HandleSysCommand(TMessage& m) {
    const UINT command = static_cast<UINT>(m.WParam & 0xFFF0);
    if (!MenuTracking && command == SC_KEYMENU) {
        const wchar_t character = static_cast<wchar_t>(LOWORD(m.LParam));
        if (character == L' ') {
            POINT origin{0, 0};
            ClientToScreen(handle_, &origin);
            ShowSystemMenu(origin);
            // The skinned menu replaces the system one; letting the default
            // run as well would open a second menu.
            m.Result = 0;
            return;
        } else if (character != L'-' && !GetCapture()) {
            TNCObject* button = character ? FindAccelButton(character) : FirstMenuButton();
            if (character == 0 || button) {
                OpenMenuButton(button);
                m.Result = 1;
                return;
            }
        }
    }
    switch (command) {
    case SC_MINIMIZE:
        windowState_ = wsMinimized;
        break;
    case SC_MAXIMIZE:
        windowState_ = wsMaximized;
        break;
    case SC_RESTORE:
        windowState_ = wsNormal;
        if (traits_.FormKind == fkMDIChild)
            if (TSkinManage* manager = SkinManager()) manager->SetMDIChildMaximized(false);
        break;
    default:
        break;
    }
    Default(m);
    // The window may refuse the command (or run another in its place): what
    // it really did decides the caption buttons, not what was asked.
    if (command == SC_MINIMIZE || command == SC_MAXIMIZE || command == SC_RESTORE)
        windowState_ = WindowStateOf(handle_);
}

void TWinSkinForm::HandleMenuAt(TMessage& m) {
    const POINT p = ScreenToWindow(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
    TNCObject* button = ButtonAt(p);
    if (IsMenuButton(button)) OpenMenuButton(button);
    ConsumeMessage(m);
}

void TWinSkinForm::HandleDialogChar(TMessage& m) {
    m.Result = 0;
    TNCObject* button = FindAccelButton(static_cast<wchar_t>(m.WParam));
    const bool altOnly = (GetKeyState(VK_MENU) < 0) && (GetKeyState(VK_SHIFT) >= 0) &&
                         (GetKeyState(VK_CONTROL) >= 0);
    if (button && altOnly) {
        PressMenuButton(button);
        m.Result = 1;
    }
}

void TWinSkinForm::ShowSystemMenu(POINT screenPoint) {
    if (!handle_) return;
    const DWORD now = GetTickCount();
    const DWORD doubleClick = GetDoubleClickTime();
    if (LastRightClick == 0 || now - LastRightClick > doubleClick) {
        if (TSkinManage* manager = SkinManager()) manager->NextMenuKind = mkSystemMenu;
        LastRightClick = now ? now : 1;
        BuildSystemMenu();
        TrackSystemMenu(screenPoint);
    } else if (hotObject_) {
        // The icon button clicked twice closes the window.
        SetHoverTimer(false);
        PostMessageW(handle_, WM_CLOSE, 0, 0);
    }
}

void TWinSkinForm::TrackSystemMenu(POINT screenPoint) {
    // The loop runs the program's other work: the manager's timer may
    // unskin the window, a posted WM_CLOSE destroy it, its form free this
    // object. The menu and its items stay alive here until the loop is over,
    // each item holds only its command and the window's handle, and this
    // object is touched afterwards only if it still exists.
    const std::shared_ptr<TPopupMenu> menu = SystemMenuPopup;
    const std::shared_ptr<const bool> alive = AliveFlag();
    MenuTracking = true;
    menu->Popup(screenPoint.x, screenPoint.y);
    if (*alive) MenuTracking = false;
}

void TWinSkinForm::BuildSystemMenu() {
    SystemMenuPopup = std::make_shared<TPopupMenu>(nullptr);
    SystemMenuPopup->SetTag(kSystemMenuTag);
    systemMenuImages_.clear();
    if (handle_) SystemMenuHandle = GetSystemMenu(handle_, FALSE);
    if (!SystemMenuHandle) return;
    const bool maximized = windowState_ == wsMaximized;
    const bool minimized = windowState_ == wsMinimized;
    const int count = GetMenuItemCount(SystemMenuHandle);
    for (int i = 0; i < count; ++i) {
        TMenuItemFacts info;
        if (!ReadMenuItem(SystemMenuHandle, static_cast<UINT>(i), true, info)) continue;
        auto* item = new TMenuItem(SystemMenuPopup.get());
        item->SetCaption(info.Separator() ? std::wstring(L"-") : info.Text);
        item->SetTag(static_cast<int>(info.Id));
        bool enabled = (info.State & (MFS_GRAYED | MFS_DISABLED)) != (MFS_GRAYED | MFS_DISABLED);
        // The system keeps these states up to date only while its own menu
        // opens, so the window's state decides them here.
        switch (info.Id) {
        case SC_SIZE:
            // A window without a sizing border is not resized from its menu.
            enabled = !maximized && traits_.Sizeable;
            break;
        case SC_MOVE:
            enabled = !maximized;
            break;
        case SC_MINIMIZE:
            enabled = !minimized && (traits_.BorderIcons & biMinimizeBit);
            break;
        case SC_MAXIMIZE:
            enabled = !maximized && (traits_.BorderIcons & biMaximizeBit);
            break;
        case SC_RESTORE:
            enabled = windowState_ != wsNormal;
            break;
        default:
            break;
        }
        item->SetEnabled(enabled);
        item->SetChecked((info.State & MFS_CHECKED) != 0);
        const HWND window = handle_;
        const WPARAM command = info.Id;
        item->OnClick = [window, command](TPersistent*) {
            PostMessageW(window, WM_SYSCOMMAND, command, 0);
        };
        item->SetImageIndex(GlyphForCommand(info.Id));
        SystemMenuPopup->Items()->Add(item);
        systemMenuImages_.push_back(GlyphForCommand(info.Id));
    }
}

bool TWinSkinForm::CloseAllowed() const {
    HMENU menu = handle_ ? GetSystemMenu(handle_, FALSE) : SystemMenuHandle;
    if (!menu) return false;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID;
    return GetMenuItemInfoW(menu, SC_CLOSE, FALSE, &info) != FALSE;
}

void TWinSkinForm::PressMenuButton(TNCObject* button) {
    if (!button || !handle_) return;
    RECT window{};
    GetWindowRect(handle_, &window);
    const int x = button->Rect.left + window.left + 1;
    const int y = button->Rect.top + window.top + 1;
    PostMessageW(handle_, WM_NCLBUTTONDOWN, HTCLIENT, MAKELPARAM(x, y));
}
