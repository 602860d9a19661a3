#include "toolkit/edit.h"

namespace {
const TEnumInfo kBorderStyles{{L"bsNone", L"bsSingle"}};
const TEnumInfo kBevelKinds{{L"bkNone", L"bkTile", L"bkSoft", L"bkFlat"}};
const TEnumInfo kBiDiModes{
    {L"bdLeftToRight", L"bdRightToLeft", L"bdRightToLeftNoAlign", L"bdRightToLeftReadingOnly"}};
} // namespace

const TClassInfo& TEdit::StaticClass() {
    static const TClassInfo info(
        L"TEdit", &TWinControl::StaticClass(),
        [](TClassInfo& c) {
            c.Str<TEdit>(L"Text", &TEdit::Text, &TEdit::SetTextProp);
            c.Enum<TEdit>(L"BorderStyle", kBorderStyles, &TEdit::BorderStyle,
                          &TEdit::SetBorderStyle);
            c.Enum<TEdit>(L"BevelKind", kBevelKinds, &TEdit::BevelKind, &TEdit::SetBevelKind);
            c.Bool<TEdit>(L"AutoSize", &TEdit::AutoSize, &TEdit::SetAutoSize);
            c.Enum<TEdit>(L"BiDiMode", kBiDiModes, &TEdit::BiDiMode, &TEdit::SetBiDiMode);
        },
        [](TComponent* o) { return new TEdit(o); });
    return info;
}

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
    color_ = clWindow;
}

void TEdit::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.WinClassName = L"EDIT";
    p.SystemClass = true;
    p.Style |= ES_AUTOHSCROLL | WS_TABSTOP;
    p.Style &= ~WS_CLIPCHILDREN;
    // A flat bevel is one plain line; otherwise the sunken client edge.
    if (bevelKind_ == static_cast<int>(TBevelKind::bkFlat))
        p.Style |= WS_BORDER;
    else if (borderStyle_ == bsSingleBorder)
        p.ExStyle |= WS_EX_CLIENTEDGE;
    if (biDiMode_ != bdLeftToRight) p.ExStyle |= WS_EX_RTLREADING;
}
