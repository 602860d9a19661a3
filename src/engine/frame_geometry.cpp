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
    if (!skinData_ || skinData_->SkinNotLoaded()) return;
    DropBorderCache();
    RegionWidth = RegionHeight = 0;
    // The model the window shows from now on; the buttons of the old one go
    // before it may.
    sysButtons_.clear();
    model_ = skinData_->SharedSkin();
    if (traits_.BorderKind == bkNone) {
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
    const bool mdiChildNotNormal = traits_.FormKind == fkMDIChild && windowState_ != wsNormal;
    if (mdiChildNotNormal || traits_.BorderKind == bkNone) {
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
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinSkinForm::FitWindow(bool keepClient) {
    if (!handle_) return;
    if (windowState_ == wsMaximized || IsZoomed(handle_)) {
        RefreshFrame();
        return;
    }
    if (traits_.SystemDialog || skinState_ == ssReapplying) GetClientRect(handle_, &ClientRect);
    int width = Width(ClientRect) + BorderLeft + BorderRight;
    int clientHeight = Height(ClientRect);
    if (keepClient) {
        GetClientRect(handle_, &ClientRect);
        clientHeight = Height(ClientRect);
    } else if (Form) {
        width = Form->ClientWidth() + BorderLeft + BorderRight;
        clientHeight = Form->ClientHeight() - (traits_.FormKind == fkMDIChild ? 0 : MenuHeight);
    }
    const int height = clientHeight + BorderTop + BorderBottom + MenuHeight;
    if (traits_.SystemDialog && !keepClient && skinData_) width = WidenToCaption(width);
    // The client area stays where it is on the screen: the window grows or
    // shrinks around it, so switching frames never moves the contents.
    POINT topLeft = ClientOrigin();
    topLeft.x -= BorderLeft;
    topLeft.y -= BorderTop + MenuHeight;
    if (traits_.FormKind == fkMDIChild || traits_.ChildWindow)
        MapWindowPoints(nullptr, GetParent(handle_), &topLeft, 1);
    SetWindowPos(handle_, nullptr, topLeft.x, topLeft.y, width, height,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
}

int TWinSkinForm::WidenToCaption(int width) {
    const std::wstring& text = WindowCaption();
    TWindowDC dc(handle_, true);
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
    for (HWND child = GetWindow(handle_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        POINT origin{r.left, r.top};
        ScreenToClient(handle_, &origin);
        SetWindowPos(child, nullptr, origin.x + shift, origin.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING |
                         SWP_NOOWNERZORDER);
    }
    return needed;
}

POINT TWinSkinForm::ClientOrigin() const {
    POINT origin{0, 0};
    ClientToScreen(handle_, &origin);
    return origin;
}

void TWinSkinForm::SetSysMenuStyle(bool remove) {
    if ((traits_.BorderIcons & biKeepSysMenuBit) || !handle_) return;
    const LONG current = GetWindowLongW(handle_, GWL_STYLE);
    LONG style = current;
    if (remove)
        style &= ~WS_SYSMENU;
    else if (traits_.BorderIcons & biSystemMenuBit)
        style |= WS_SYSMENU;
    // Every frame paint asks for the style again; writing an unchanged one
    // would still send the style-change messages each time.
    if (style != current) SetWindowLongW(handle_, GWL_STYLE, style);
}
