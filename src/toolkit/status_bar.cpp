#include "toolkit/status_bar.h"

#include <commctrl.h>

namespace {
const TEnumInfo kAlignments{{L"taLeftJustify", L"taRightJustify", L"taCenter"}};
const TEnumInfo kBevels{{L"pbNone", L"pbLowered", L"pbRaised"}};
const TEnumInfo kPanelStyles{{L"psText", L"psOwnerDraw"}};

// The status window's text drawing flags for a panel.
WPARAM PanelTextFlags(const TStatusPanel& panel, int index) {
    WPARAM flags = static_cast<WPARAM>(index);
    if (panel.Bevel() == pbNone) flags |= SBT_NOBORDERS;
    if (panel.Bevel() == pbRaised) flags |= SBT_POPOUT;
    if (panel.Style() == psOwnerDraw) flags |= SBT_OWNERDRAW;
    return flags;
}

// The status window aligns by tabs in the text: one before centres, two
// right-align.
std::wstring AlignedText(const TStatusPanel& panel) {
    switch (panel.Alignment()) {
    case taCenter:
        return L"\t" + panel.Text();
    case taRightJustify:
        return L"\t\t" + panel.Text();
    default:
        return panel.Text();
    }
}
} // namespace

const TClassInfo& TStatusPanel::StaticClass() {
    static const TClassInfo info(L"TStatusPanel", &TPersistent::StaticClass(), [](TClassInfo& c) {
        c.Str<TStatusPanel>(L"Text", &TStatusPanel::Text, &TStatusPanel::SetText);
        c.Int<TStatusPanel>(L"Width", &TStatusPanel::Width, &TStatusPanel::SetWidth);
        c.Enum<TStatusPanel>(L"Alignment", kAlignments, &TStatusPanel::Alignment,
                             &TStatusPanel::SetAlignment);
        c.Enum<TStatusPanel>(L"Bevel", kBevels, &TStatusPanel::Bevel, &TStatusPanel::SetBevel);
        c.Enum<TStatusPanel>(L"Style", kPanelStyles, &TStatusPanel::Style, &TStatusPanel::SetStyle);
    });
    return info;
}

void TStatusPanel::SetText(const std::wstring& v) {
    text_ = v;
    owner_->PanelsChanged();
}

void TStatusPanel::SetWidth(int v) {
    width_ = v;
    owner_->PanelsChanged();
}

void TStatusPanel::SetAlignment(int v) {
    alignment_ = v;
    owner_->PanelsChanged();
}

void TStatusPanel::SetBevel(int v) {
    bevel_ = v;
    owner_->PanelsChanged();
}

void TStatusPanel::SetStyle(int v) {
    style_ = v;
    owner_->PanelsChanged();
}

const TClassInfo& TStatusPanels::StaticClass() {
    static const TClassInfo info(L"TStatusPanels", &TCollection::StaticClass());
    return info;
}

TStatusPanel* TStatusPanels::Add() {
    panels_.push_back(std::make_unique<TStatusPanel>(owner_));
    owner_->PanelsChanged();
    return panels_.back().get();
}

void TStatusPanels::ClearItems() {
    panels_.clear();
    owner_->PanelsChanged();
}

const TClassInfo& TStatusBar::StaticClass() {
    static const TClassInfo info(
        L"TStatusBar", &TWinControl::StaticClass(),
        [](TClassInfo& c) {
            c.Obj<TStatusBar, TStatusPanels>(L"Panels", &TStatusBar::Panels);
            c.Bool<TStatusBar>(L"SimplePanel", &TStatusBar::SimplePanel,
                               &TStatusBar::SetSimplePanel);
            c.Str<TStatusBar>(L"SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText);
            c.Bool<TStatusBar>(L"SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip);
            c.Event(L"OnDrawPanel", &TStatusBar::OnDrawPanel);
        },
        [](TComponent* o) { return new TStatusBar(o); });
    return info;
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner), panels_(this) {}

void TStatusBar::SetSimplePanel(bool v) {
    simplePanel_ = v;
    PanelsChanged();
}

void TStatusBar::SetSimpleText(const std::wstring& v) {
    simpleText_ = v;
    PanelsChanged();
}

void TStatusBar::SetSizeGrip(bool v) {
    sizeGrip_ = v;
    SetStyleBit(SBARS_SIZEGRIP, v);
}

void TStatusBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.WinClassName = STATUSCLASSNAMEW;
    p.SystemClass = true;
    if (sizeGrip_) p.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::CreateWnd() {
    ApplyPanels();
}

void TStatusBar::PanelsChanged() {
    if (HandleAllocated()) ApplyPanels();
}

// Panel edges are right ends: each panel's width added to the last, and the
// last panel reaching the bar's end.
void TStatusBar::ApplyPanels() {
    SendMessageW(Handle(), SB_SIMPLE, simplePanel_ || panels_.Count() == 0, 0);
    if (simplePanel_ || panels_.Count() == 0) {
        SendMessageW(Handle(), SB_SETTEXTW, SB_SIMPLEID,
                     reinterpret_cast<LPARAM>(simpleText_.c_str()));
        return;
    }
    std::vector<int> edges;
    int right = 0;
    for (int i = 0; i < panels_.Count(); ++i)
        edges.push_back(right += panels_.Items(i)->Width());
    edges.back() = -1;
    SendMessageW(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < panels_.Count(); ++i) {
        const std::wstring text = AlignedText(*panels_.Items(i));
        SendMessageW(Handle(), SB_SETTEXTW, PanelTextFlags(*panels_.Items(i), i),
                     reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void TStatusBar::WndProc(TMessage& m) {
    if (m.Msg == CN_BASE + WM_DRAWITEM) {
        DrawPanel(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
        m.Result = TRUE;
        return;
    }
    TWinControl::WndProc(m);
}

void TStatusBar::DrawPanel(const DRAWITEMSTRUCT& item) {
    const int index = static_cast<int>(item.itemID);
    if (OnDrawPanel && index >= 0 && index < panels_.Count())
        OnDrawPanel(this, panels_.Items(index), item.hDC, item.rcItem);
}
