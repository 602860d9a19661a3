#include "toolkit/page_control.h"

#include <commctrl.h>

#include <algorithm>

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
        L"TPageControl", &TCustomTabControl::StaticClass(),
        [](TClassInfo& c) {
            c.Int<TPageControl>(L"ActivePageIndex", &TPageControl::ActivePageIndex,
                                &TPageControl::SetActivePageIndex);
            c.Bool<TPageControl>(L"ShowCloseBoxes", &TPageControl::ShowCloseBoxes,
                                 &TPageControl::SetShowCloseBoxes);
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

// The tabs exist before the sheets' windows, which measure the display
// area from them.
void TPageControl::CreateWnd() {
    for (int i = 0; i < PageCount(); ++i)
        InsertTab(Handle(), i, Pages(i)->Caption());
    TabCtrl_SetCurSel(Handle(), active_);
}

namespace {

// The controls on a page are owned by the form, not by the page: they go
// first, innermost first, so that none is left with a destroyed window.
void FreeChildControls(TWinControl& parent) {
    while (parent.ControlCount() > 0) {
        TControl* child = parent.Controls(parent.ControlCount() - 1);
        if (auto* windowed = dynamic_cast<TWinControl*>(child)) FreeChildControls(*windowed);
        delete child;
    }
}

} // namespace

void TPageControl::ClosePage(int index) {
    TTabSheet* sheet = Pages(index);
    if (!sheet) return;
    FreeChildControls(*sheet);
    delete sheet;
    if (HandleAllocated()) TabCtrl_DeleteItem(Handle(), index);
    const int count = PageCount();
    if (count == 0) return;
    SetActivePageIndex(active_ > index || active_ >= count ? std::max(0, active_ - 1) : active_);
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
