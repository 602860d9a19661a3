#include "toolkit/list_box.h"

const TClassInfo& TListBox::StaticClass() {
    static const TClassInfo info(
        L"TListBox", &TWinControl::StaticClass(),
        [](TClassInfo& c) {
            c.Int<TListBox>(L"ScrollWidth", &TListBox::ScrollWidth, &TListBox::SetScrollWidth);
        },
        [](TComponent* o) { return new TListBox(o); });
    return info;
}

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
    color_ = clWindow;
}

void TListBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.WinClassName = L"LISTBOX";
    p.SystemClass = true;
    p.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP;
    p.Style &= ~WS_CLIPCHILDREN;
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

// The lines given before the window existed.
void TListBox::CreateWnd() {
    for (const std::wstring& text : items_)
        SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(Handle(), LB_SETHORIZONTALEXTENT, scrollWidth_, 0);
}

void TListBox::AddItem(const std::wstring& text) {
    items_.push_back(text);
    if (HandleAllocated())
        SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TListBox::SetScrollWidth(int v) {
    scrollWidth_ = v;
    if (HandleAllocated()) SendMessageW(Handle(), LB_SETHORIZONTALEXTENT, v, 0);
}
