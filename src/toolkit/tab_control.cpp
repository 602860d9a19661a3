#include "toolkit/tab_control.h"

#include "toolkit/messages.h"

#include <commctrl.h>

#include <sstream>

namespace {

const TEnumInfo kTabPositions{{L"tpTop", L"tpBottom", L"tpLeft", L"tpRight"}};
const TEnumInfo kTabStyles{{L"tsTabs", L"tsButtons", L"tsFlatButtons"}};
constexpr DWORD kAllTabBits =
    TCS_BOTTOM | TCS_VERTICAL | TCS_BUTTONS | TCS_FLATBUTTONS | TCS_MULTILINE;

} // namespace

std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::wistringstream in(text);
    for (std::wstring line; std::getline(in, line);) {
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::wstring JoinLines(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const std::wstring& line : lines)
        text += line + L"\r\n";
    return text;
}

void InsertTab(HWND tabs, int index, const std::wstring& caption) {
    std::wstring text = caption;
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(tabs, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
}

const TClassInfo& TCustomTabControl::StaticClass() {
    static const TClassInfo info(
        L"TCustomTabControl", &TWinControl::StaticClass(), [](TClassInfo& c) {
            c.Enum<TCustomTabControl>(L"TabPosition", kTabPositions,
                                      &TCustomTabControl::TabPosition,
                                      &TCustomTabControl::SetTabPosition);
            c.Enum<TCustomTabControl>(L"Style", kTabStyles, &TCustomTabControl::Style,
                                      &TCustomTabControl::SetStyle);
            c.Bool<TCustomTabControl>(L"MultiLine", &TCustomTabControl::MultiLine,
                                      &TCustomTabControl::SetMultiLine);
        });
    return info;
}

// Tabs standing on the left or right only come on several lines.
DWORD TCustomTabControl::TabStyleBits() const {
    DWORD bits = multiLine_ ? TCS_MULTILINE : 0;
    if (position_ == tpBottom) bits |= TCS_BOTTOM;
    if (position_ == tpLeft) bits |= TCS_VERTICAL | TCS_MULTILINE;
    if (position_ == tpRight) bits |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
    if (style_ == tsButtons) bits |= TCS_BUTTONS;
    if (style_ == tsFlatButtons) bits |= TCS_BUTTONS | TCS_FLATBUTTONS;
    return bits;
}

void TCustomTabControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.WinClassName = WC_TABCONTROLW;
    p.SystemClass = true;
    p.Style |= WS_TABSTOP | TabStyleBits();
}

void TCustomTabControl::ApplyStyleBits() {
    if (!HandleAllocated()) return;
    SetStyleBit(kAllTabBits, false);
    SetStyleBit(TabStyleBits(), true);
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    TabsMoved();
    Invalidate();
}

void TCustomTabControl::SetTabPosition(int v) {
    position_ = v < tpTop || v > tpRight ? tpTop : v;
    ApplyStyleBits();
}

void TCustomTabControl::SetStyle(int v) {
    style_ = v < tsTabs || v > tsFlatButtons ? tsTabs : v;
    ApplyStyleBits();
}

void TCustomTabControl::SetMultiLine(bool v) {
    multiLine_ = v;
    ApplyStyleBits();
}

const TClassInfo& TTabControl::StaticClass() {
    static const TClassInfo info(
        L"TTabControl", &TCustomTabControl::StaticClass(),
        [](TClassInfo& c) {
            c.Str<TTabControl>(L"TabsText", &TTabControl::TabsText, &TTabControl::SetTabsText);
            c.Int<TTabControl>(L"TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex);
            c.Event(L"OnChange", &TTabControl::OnChange);
        },
        [](TComponent* o) { return new TTabControl(o); });
    return info;
}

std::wstring TTabControl::TabsText() const {
    return JoinLines(tabs_);
}

void TTabControl::SetTabsText(const std::wstring& v) {
    tabs_ = SplitLines(v);
    if (HandleAllocated()) FillTabs();
}

// Until the window exists the tabs may still come: the index is kept as
// given and checked when they are put in.
void TTabControl::SetTabIndex(int v) {
    index_ = v;
    if (!HandleAllocated()) return;
    if (index_ < 0 || index_ >= TabCount()) index_ = TabCount() ? 0 : -1;
    SendMessageW(Handle(), TCM_SETCURSEL, index_, 0);
}

void TTabControl::CreateWnd() {
    FillTabs();
}

void TTabControl::FillTabs() {
    SendMessageW(Handle(), TCM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < TabCount(); ++i)
        InsertTab(Handle(), i, tabs_[i]);
    SetTabIndex(index_);
}

void TTabControl::WndProc(TMessage& m) {
    if (m.Msg == CN_BASE + WM_NOTIFY &&
        reinterpret_cast<const NMHDR*>(m.LParam)->code == static_cast<UINT>(TCN_SELCHANGE)) {
        index_ = static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
        if (OnChange) OnChange(this);
        return;
    }
    TCustomTabControl::WndProc(m);
}
