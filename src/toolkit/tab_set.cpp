#include "toolkit/tab_set.h"

#include "toolkit/colours.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/tab_control.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <numeric>

namespace {

constexpr int kTabPadding = 9;
constexpr int kScrollerRoom = 12;
constexpr int kScrollerWidth = 26;

int Clamp(int v, int count) {
    return count == 0 ? 0 : std::clamp(v, 0, count - 1);
}

} // namespace

std::vector<TTabSetPlace> TabSetPlaces(const std::vector<int>& textWidths, int first, int start,
                                       int roomEnd, bool scroller, int height) {
    std::vector<TTabSetPlace> places;
    const int end = roomEnd - (scroller ? kScrollerRoom : 0);
    int x = start;
    for (int i = std::max(0, first); i < static_cast<int>(textWidths.size()); ++i) {
        const int w = textWidths[i] + kTabPadding;
        if (x + w > end) continue;
        places.push_back({i, RECT{x, 0, x + w, height}});
        x += w;
    }
    return places;
}

const TClassInfo& TTabSet::StaticClass() {
    static const TClassInfo info(
        L"TTabSet", &TCustomControl::StaticClass(),
        [](TClassInfo& c) {
            c.Str<TTabSet>(L"TabsText", &TTabSet::TabsText, &TTabSet::SetTabsText);
            c.Int<TTabSet>(L"TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex);
            c.Int<TTabSet>(L"StartMargin", &TTabSet::StartMargin, &TTabSet::SetStartMargin);
            c.Int<TTabSet>(L"EndMargin", &TTabSet::EndMargin, &TTabSet::SetEndMargin);
            c.Int<TTabSet>(L"FirstIndex", &TTabSet::FirstIndex, &TTabSet::SetFirstIndex);
            c.Event(L"OnChange", &TTabSet::OnChange);
        },
        [](TComponent* o) { return new TTabSet(o); });
    return info;
}

TTabSet::TTabSet(TComponent* owner) : TCustomControl(owner) {}

std::wstring TTabSet::TabsText() const {
    return JoinLines(tabs_);
}

void TTabSet::SetTabsText(const std::wstring& v) {
    tabs_ = SplitLines(v);
    index_ = Clamp(index_, static_cast<int>(tabs_.size()));
    first_ = Clamp(first_, static_cast<int>(tabs_.size()));
    UpdateScroller();
    Invalidate();
}

void TTabSet::SetTabIndex(int v) {
    index_ = Clamp(v, static_cast<int>(tabs_.size()));
    Invalidate();
}

void TTabSet::SetStartMargin(int v) {
    startMargin_ = std::max(0, v);
    UpdateScroller();
    Invalidate();
}

void TTabSet::SetEndMargin(int v) {
    endMargin_ = std::max(0, v);
    UpdateScroller();
    Invalidate();
}

void TTabSet::SetFirstIndex(int v) {
    first_ = Clamp(v, static_cast<int>(tabs_.size()));
    if (scroller_) SendMessageW(scroller_.Get(), UDM_SETPOS32, 0, first_);
    Invalidate();
}

bool TTabSet::ScrollerVisible() const {
    return scroller_ && (GetWindowLongPtrW(scroller_.Get(), GWL_STYLE) & WS_VISIBLE);
}

std::vector<int> TTabSet::TextWidths() const {
    std::vector<int> widths;
    TMemoryDC dc(CreateCompatibleDC(nullptr));
    if (!dc) return widths;
    TSelectObject font(dc.Get(), GetFont().Handle());
    for (const std::wstring& tab : tabs_) {
        SIZE size{};
        GetTextExtentPoint32W(dc.Get(), tab.c_str(), static_cast<int>(tab.size()), &size);
        widths.push_back(size.cx);
    }
    return widths;
}

std::vector<TTabSetPlace> TTabSet::Places() const {
    return TabSetPlaces(TextWidths(), first_, startMargin_, width_ - endMargin_, ScrollerVisible(),
                        height_);
}

void TTabSet::CreateWnd() {
    scroller_.Reset(CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | UDS_HORZ, 0, 0, 0, 0,
                                    Handle(), nullptr, GetModuleHandleW(nullptr), nullptr));
    UpdateScroller();
}

void TTabSet::BoundsChanged() {
    TCustomControl::BoundsChanged();
    UpdateScroller();
}

// The scroller shows when all the tabs together need more room than the
// strip has; it chooses the first tab shown among all of them.
void TTabSet::UpdateScroller() {
    if (!scroller_) return;
    const std::vector<int> widths = TextWidths();
    const int needed = std::accumulate(widths.begin(), widths.end(), 0) +
                       kTabPadding * static_cast<int>(widths.size());
    const bool show = startMargin_ + needed > width_ - endMargin_;
    SetWindowPos(scroller_.Get(), HWND_TOP, width_ - kScrollerWidth, 0, kScrollerWidth, height_,
                 SWP_NOACTIVATE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    SendMessageW(scroller_.Get(), UDM_SETRANGE32, 0,
                 std::max(0, static_cast<int>(tabs_.size()) - 1));
    SendMessageW(scroller_.Get(), UDM_SETPOS32, 0, first_);
    if (!show && first_ != 0) SetFirstIndex(0);
}

void TTabSet::Choose(int index) {
    if (index == index_ || index < 0 || index >= static_cast<int>(tabs_.size())) return;
    SetTabIndex(index);
    if (OnChange) OnChange(this);
}

bool TTabSet::Key(WPARAM key) {
    if (key != VK_LEFT && key != VK_RIGHT) return false;
    Choose(index_ + (key == VK_RIGHT ? 1 : -1));
    return true;
}

void TTabSet::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_HSCROLL:
        if (reinterpret_cast<HWND>(m.LParam) == scroller_.Get() && scroller_) {
            SetFirstIndex(static_cast<int>(SendMessageW(scroller_.Get(), UDM_GETPOS32, 0, 0)));
            return;
        }
        break;
    case WM_LBUTTONDOWN: {
        const POINT at{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        for (const TTabSetPlace& place : Places())
            if (PtInRect(&place.Rect, at)) Choose(place.Index);
        SetFocus();
        break;
    }
    case WM_GETDLGCODE:
        m.Result = DLGC_WANTARROWS;
        return;
    case WM_KEYDOWN:
        if (Key(m.WParam)) return;
        break;
    case WM_DESTROY:
        scroller_.Release(); // the system destroys it with its parent
        break;
    }
    TCustomControl::WndProc(m);
}

// The platform has no tab set: tabs as framed boxes, the chosen one in the
// window colour and joined to the strip's top edge.
void TTabSet::Paint(HDC dc) {
    const COLORREF edge = GetSysColor(COLOR_BTNSHADOW);
    TBrushHandle window(CreateSolidBrush(ColorToRGB(clWindow)));
    TBrushHandle frame(CreateSolidBrush(edge));
    TSelectObject font(dc, GetFont().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(clBtnText));
    RECT top{0, 0, width_, 1};
    FillRect(dc, &top, frame.Get());
    for (const TTabSetPlace& place : Places()) {
        RECT r = place.Rect;
        r.bottom -= 2;
        if (place.Index == index_) FillRect(dc, &r, window.Get());
        FrameRect(dc, &r, frame.Get());
        if (place.Index == index_) {
            RECT join{r.left + 1, 0, r.right - 1, 1};
            FillRect(dc, &join, window.Get());
        }
        const std::wstring& text = tabs_[place.Index];
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}
