#include "toolkit/scroll_bar.h"

#include "toolkit/messages.h"

#include <algorithm>

namespace {
const TEnumInfo kKinds{{L"sbHorizontal", L"sbVertical"}};
} // namespace

const TClassInfo& TScrollBar::StaticClass() {
    static const TClassInfo info(
        L"TScrollBar", &TWinControl::StaticClass(),
        [](TClassInfo& c) {
            c.Enum<TScrollBar>(L"Kind", kKinds, &TScrollBar::Kind, &TScrollBar::SetKind);
            c.Int<TScrollBar>(L"Min", &TScrollBar::Min, &TScrollBar::SetMin);
            c.Int<TScrollBar>(L"Max", &TScrollBar::Max, &TScrollBar::SetMax);
            c.Int<TScrollBar>(L"Position", &TScrollBar::Position, &TScrollBar::SetPosition);
            c.Int<TScrollBar>(L"PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize);
            c.Event(L"OnChange", &TScrollBar::OnChange);
        },
        [](TComponent* o) { return new TScrollBar(o); });
    return info;
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {}

void TScrollBar::SetMin(int v) {
    min_ = v;
    position_ = Clamped(position_);
    SendScrollInfo();
}

void TScrollBar::SetMax(int v) {
    max_ = v;
    position_ = Clamped(position_);
    SendScrollInfo();
}

void TScrollBar::SetPageSize(int v) {
    pageSize_ = std::max(0, v);
    position_ = Clamped(position_);
    SendScrollInfo();
}

void TScrollBar::SetPosition(int v) {
    const int position = Clamped(v);
    if (position == position_) return;
    position_ = position;
    SendScrollInfo();
    if (OnChange) OnChange(this);
}

// The highest position leaves a whole page in view.
int TScrollBar::Clamped(int position) const {
    const int highest = std::max(min_, max_ - std::max(pageSize_ - 1, 0));
    return std::clamp(position, min_, highest);
}

void TScrollBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.WinClassName = L"SCROLLBAR";
    p.SystemClass = true;
    p.Style |= WS_TABSTOP | (kind_ == sbVertical ? SBS_VERT : SBS_HORZ);
}

void TScrollBar::CreateWnd() {
    SendScrollInfo();
}

// Sent as a message (not SetScrollInfo) so that whoever hooks the bar's
// window sees every change of its range and position.
void TScrollBar::SendScrollInfo() {
    if (!HandleAllocated()) return;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = min_;
    info.nMax = max_;
    info.nPage = static_cast<UINT>(pageSize_);
    info.nPos = position_;
    SendMessageW(Handle(), SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&info));
}

int TScrollBar::TrackPosition() const {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS;
    SendMessageW(Handle(), SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info.nTrackPos;
}

void TScrollBar::Scroll(int request) {
    const int page = std::max(pageSize_, 1);
    switch (request) {
    case SB_LINEUP:
        SetPosition(position_ - 1);
        break;
    case SB_LINEDOWN:
        SetPosition(position_ + 1);
        break;
    case SB_PAGEUP:
        SetPosition(position_ - page);
        break;
    case SB_PAGEDOWN:
        SetPosition(position_ + page);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        SetPosition(TrackPosition());
        break;
    case SB_TOP:
        SetPosition(min_);
        break;
    case SB_BOTTOM:
        SetPosition(max_);
        break;
    default:
        break;
    }
}

void TScrollBar::WndProc(TMessage& m) {
    if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
        Scroll(LOWORD(m.WParam));
        m.Result = 0;
        return;
    }
    TWinControl::WndProc(m);
}
