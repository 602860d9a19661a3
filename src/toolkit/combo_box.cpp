#include "toolkit/combo_box.h"

#include <commctrl.h>

#include <sstream>

namespace {
const TEnumInfo kComboStyles{{L"csDropDown", L"csSimple", L"csDropDownList"}};
constexpr int kItemHeight = 16; // a list row in the toolkit's default font
} // namespace

const TClassInfo& TComboBox::StaticClass() {
    static const TClassInfo info(
        L"TComboBox", &TWinControl::StaticClass(),
        [](TClassInfo& c) {
            c.Enum<TComboBox>(L"Style", kComboStyles, &TComboBox::Style, &TComboBox::SetStyle);
            c.Str<TComboBox>(L"ItemsText", &TComboBox::ItemsText, &TComboBox::SetItemsText);
            c.Int<TComboBox>(L"ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex);
            c.Int<TComboBox>(L"DropDownCount", &TComboBox::DropDownCount,
                             &TComboBox::SetDropDownCount);
            c.Str<TComboBox>(L"Text", &TComboBox::Text, &TComboBox::SetTextProp);
        },
        [](TComponent* o) { return new TComboBox(o); });
    return info;
}

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
    color_ = clWindow;
}

std::wstring TComboBox::ItemsText() const {
    std::wstring text;
    for (const std::wstring& item : items_)
        text += item + L"\r\n";
    return text;
}

void TComboBox::SetItemsText(const std::wstring& v) {
    items_.clear();
    std::wistringstream lines(v);
    for (std::wstring line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        items_.push_back(line);
    }
    if (HandleAllocated()) FillItems();
}

int TComboBox::ItemIndex() const {
    return HandleAllocated() ? static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0))
                             : itemIndex_;
}

void TComboBox::SetItemIndex(int v) {
    itemIndex_ = v;
    if (HandleAllocated()) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(v), 0);
}

int TComboBox::ListHeight() const {
    return style_ == csSimple ? 0 : dropDownCount_ * kItemHeight + 2;
}

// The window's height holds the dropped list too.
void TComboBox::SetBounds(int left, int top, int width, int height) {
    TControl::SetBounds(left, top, width, height);
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, left, top, width, height + ListHeight(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.WinClassName = L"COMBOBOX";
    p.SystemClass = true;
    p.Style |= WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL;
    p.Style &= ~WS_CLIPCHILDREN;
    static const DWORD kStyles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST};
    p.Style |= kStyles[style_ % 3];
    p.Height += ListHeight();
}

// The text given before the window existed, unless an item is chosen.
void TComboBox::CreateWnd() {
    SendMessageW(Handle(), CB_SETMINVISIBLE, static_cast<WPARAM>(dropDownCount_), 0);
    FillItems();
    if (itemIndex_ < 0 && !text_.empty()) SetWindowTextW(Handle(), text_.c_str());
}

void TComboBox::FillItems() {
    SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
    for (const std::wstring& item : items_)
        SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (itemIndex_ >= 0) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}
