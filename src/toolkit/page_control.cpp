#include "toolkit/page_control.h"

#include <commctrl.h>

const TClassInfo& TTabSheet::StaticClass() {
    static const TClassInfo info(L"TTabSheet", &TCustomControl::StaticClass(), {},
                                 [](TComponent* o) { return new TTabSheet(o); });
    return info;
}

TPageControl* TTabSheet::PageControl() const {
    return dynamic_cast<TPageControl*>(Parent());
}

int TTabSheet::PageIndex() const {
    const TPageControl* pages = PageControl();
    if (!pages) return -1;
    for (int i = 0; i < pages->PageCount(); ++i)
        if (pages->Pages(i) == this) return i;
    return -1;
}

// A sheet takes its place and visibility from its page control.
void TTabSheet::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    const TPageControl* pages = PageControl();
    if (!pages) return;
    const RECT area = pages->DisplayRect();
    p.X = area.left;
    p.Y = area.top;
    p.Width = area.right - area.left;
    p.Height = area.bottom - area.top;
    left_ = p.X;
    top_ = p.Y;
    width_ = p.Width;
    height_ = p.Height;
    visible_ = PageIndex() == pages->ActivePageIndex();
    p.Style = visible_ ? p.Style | WS_VISIBLE : p.Style & ~WS_VISIBLE;
}

const TClassInfo& TPageControl::StaticClass() {
    static const TClassInfo info(
        L"TPageControl", &TWinControl::StaticClass(),
        [](TClassInfo& c) {
            c.Int<TPageControl>(L"ActivePageIndex", &TPageControl::ActivePageIndex,
                                &TPageControl::SetActivePageIndex);
        },
        [](TComponent* o) { return new TPageControl(o); });
    return info;
}

int TPageControl::PageCount() const {
    int count = 0;
    for (int i = 0; i < ControlCount(); ++i)
        if (dynamic_cast<TTabSheet*>(Controls(i))) ++count;
    return count;
}

TTabSheet* TPageControl::Pages(int index) const {
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* sheet = dynamic_cast<TTabSheet*>(Controls(i)); sheet && index-- == 0)
            return sheet;
    return nullptr;
}

void TPageControl::SetActivePageIndex(int index) {
    if (index < 0 || index >= PageCount()) index = 0;
    active_ = index;
    if (!HandleAllocated()) return;
    TabCtrl_SetCurSel(Handle(), index);
    for (int i = 0; i < PageCount(); ++i)
        Pages(i)->SetVisible(i == active_);
}

RECT TPageControl::DisplayRect() const {
    RECT area{0, 0, width_, height_};
    if (HandleAllocated()) {
        GetClientRect(Handle(), &area);
        TabCtrl_AdjustRect(Handle(), FALSE, &area);
    }
    return area;
}

void TPageControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.WinClassName = WC_TABCONTROLW;
    p.SystemClass = true;
    p.Style |= WS_TABSTOP;
}

// The tabs exist before the sheets' windows, which measure the display
// area from them.
void TPageControl::CreateWnd() {
    for (int i = 0; i < PageCount(); ++i) {
        std::wstring caption = Pages(i)->Caption();
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        TabCtrl_InsertItem(Handle(), i, &item);
    }
    TabCtrl_SetCurSel(Handle(), active_);
}

void TPageControl::BoundsChanged() {
    TWinControl::BoundsChanged();
    PlaceSheets();
}

void TPageControl::PlaceSheets() {
    if (!HandleAllocated()) return;
    const RECT area = DisplayRect();
    for (int i = 0; i < PageCount(); ++i)
        Pages(i)->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
}

void TPageControl::WndProc(TMessage& m) {
    if (m.Msg == CN_BASE + WM_NOTIFY &&
        reinterpret_cast<const NMHDR*>(m.LParam)->code == static_cast<UINT>(TCN_SELCHANGE)) {
        SetActivePageIndex(TabCtrl_GetCurSel(Handle()));
        return;
    }
    TWinControl::WndProc(m);
}
