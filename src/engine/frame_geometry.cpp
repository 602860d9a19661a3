#include "engine/win_skin_form.h"

#include "engine/skin_data.h"
#include "toolkit/form.h"

#include <algorithm>
#include <string>

namespace {

// A record that claims no frames still holds one image.
int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

} // namespace

void TWinSkinForm::ReloadFrameMetrics() {
    if (!SkinData || SkinData->SkinNotLoaded()) return;
    DropBorderCache();
    RegionWidth = RegionHeight = 0;
    // The model the window shows from now on; the buttons of the old one go
    // before it may.
    SysButtons.clear();
    model_ = SkinData->SharedSkin();
    if (Traits.BorderKind == bkNone) {
        BorderLeft = BorderTop = BorderRight = BorderBottom = 0;
        MenuHeight = 0;
    } else {
        const TSkinModel& skin = *Skin();
        BorderTop = skin.Top.Bitmap.Height() / skin.Top.Frames();
        BorderLeft = skin.Left.Bitmap.Width() / skin.Left.Frames();
        BorderRight = skin.Right.Bitmap.Width() / skin.Right.Frames();
        BorderBottom = skin.Bottom.Bitmap.Height() / skin.Bottom.Frames();
    }
    CreateSysButtons();
}

void TWinSkinForm::HandleNCCalcSize(TMessage& m) {
    Default(m);
    if (m.WParam == 0) {
        m.Result = 0;
        return;
    }
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
    if (!params) return;
    const bool mdiChildNotNormal = Traits.FormKind == fkMDIChild && WindowState != wsNormal;
    if (mdiChildNotNormal || Traits.BorderKind == bkNone) {
        params->rgrc[1] = params->rgrc[0];
    } else if (const WINDOWPOS* pos = params->lppos) {
        const RECT client{pos->x + BorderLeft, pos->y + BorderTop + MenuHeight,
                          pos->x + pos->cx - BorderRight, pos->y + pos->cy - BorderBottom};
        params->rgrc[0] = client;
        params->rgrc[1] = client;
    }
    m.Result = WVR_VALIDRECTS;
}

void TWinSkinForm::RefreshFrame() {
    SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinSkinForm::FitWindow(bool keepClient) {
    if (!Handle) return;
    if (WindowState == wsMaximized || IsZoomed(Handle)) {
        RefreshFrame();
        return;
    }
    if (Traits.SystemDialog || SkinState == ssReapplying) GetClientRect(Handle, &ClientRect);
    int width = Width(ClientRect) + BorderLeft + BorderRight;
    int clientHeight = Height(ClientRect);
    if (keepClient) {
        GetClientRect(Handle, &ClientRect);
        clientHeight = Height(ClientRect);
    } else if (Form) {
        width = Form->ClientWidth() + BorderLeft + BorderRight;
        clientHeight = Form->ClientHeight() - (Traits.FormKind == fkMDIChild ? 0 : MenuHeight);
    }
    const int height = clientHeight + BorderTop + BorderBottom + MenuHeight;
    if (Traits.SystemDialog && !keepClient && SkinData) width = WidenToCaption(width);
    // The client area stays where it is on the screen: the window grows or
    // shrinks around it, so switching frames never moves the contents.
    POINT topLeft = ClientOrigin();
    topLeft.x -= BorderLeft;
    topLeft.y -= BorderTop + MenuHeight;
    if (Traits.FormKind == fkMDIChild || Traits.ChildWindow)
        MapWindowPoints(nullptr, GetParent(Handle), &topLeft, 1);
    SetWindowPos(Handle, nullptr, topLeft.x, topLeft.y, width, height,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
}

int TWinSkinForm::WidenToCaption(int width) {
    const std::wstring& text = WindowCaption();
    TWindowDC dc(Handle, true);
    SIZE size{};
    if (dc) {
        TSelectObject keep(dc.Get(), CaptionFontHandle());
        GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    }
    const TDataSkinTitle& title = Skin()->Title;
    const int needed = title.LeftWidth + size.cx + title.RightWidth;
    if (width >= needed) return width;
    // The controls keep their place in the middle of the wider window.
    const int shift = (needed - width) / 2;
    for (HWND child = GetWindow(Handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        POINT origin{r.left, r.top};
        ScreenToClient(Handle, &origin);
        SetWindowPos(child, nullptr, origin.x + shift, origin.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING |
                         SWP_NOOWNERZORDER);
    }
    return needed;
}

POINT TWinSkinForm::ClientOrigin() const {
    POINT origin{0, 0};
    ClientToScreen(Handle, &origin);
    return origin;
}

void TWinSkinForm::SetSysMenuStyle(bool remove) {
    if ((Traits.BorderIcons & biKeepSysMenuBit) || !Handle) return;
    const LONG current = GetWindowLongW(Handle, GWL_STYLE);
    LONG style = current;
    if (remove)
        style &= ~WS_SYSMENU;
    else if (Traits.BorderIcons & biSystemMenuBit)
        style |= WS_SYSMENU;
    // Every frame paint asks for the style again; writing an unchanged one
    // would still send the style-change messages each time.
    if (style != current) SetWindowLongW(Handle, GWL_STYLE, style);
}
