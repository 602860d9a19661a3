#include "toolkit/check_box.h"

#include <algorithm>

namespace {
const TEnumInfo kLeftRight{{L"taLeftJustify", L"taRightJustify"}};
const TEnumInfo kCheckBoxStates{{L"cbUnchecked", L"cbChecked", L"cbGrayed"}};
} // namespace

const TClassInfo& TCheckControl::StaticClass() {
    static const TClassInfo info(L"TCheckControl", &TWinControl::StaticClass(), [](TClassInfo& c) {
        c.Bool<TCheckControl>(L"Checked", &TCheckControl::Checked, &TCheckControl::SetChecked);
        c.Enum<TCheckControl>(L"Alignment", kLeftRight, &TCheckControl::Alignment,
                              &TCheckControl::SetAlignment);
    });
    return info;
}

void TCheckControl::SetChecked(bool v) {
    SetCheckState(v ? cbChecked : cbUnchecked);
}

void TCheckControl::SetAlignment(int v) {
    alignment_ = v == taLeftJustify ? taLeftJustify : taRightJustify;
    SetStyleBit(BS_LEFTTEXT, alignment_ == taLeftJustify);
    Invalidate();
}

void TCheckControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.WinClassName = L"BUTTON";
    p.SystemClass = true;
    p.Style |= ButtonType() | WS_TABSTOP;
    p.Style &= ~WS_CLIPCHILDREN;
    // BS_LEFTTEXT and BS_RIGHTBUTTON are one bit: the box goes right.
    if (alignment_ == taLeftJustify) p.Style |= BS_LEFTTEXT;
}

void TCheckControl::CreateWnd() {
    SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

void TCheckControl::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
        Clicked();
        return;
    }
    TWinControl::WndProc(m);
}

int TCheckControl::CheckState() const {
    if (!HandleAllocated()) return state_;
    switch (SendMessageW(Handle(), BM_GETCHECK, 0, 0)) {
    case BST_CHECKED:
        return cbChecked;
    case BST_INDETERMINATE:
        return cbGrayed;
    default:
        return cbUnchecked;
    }
}

void TCheckControl::SetCheckState(int v) {
    state_ = std::clamp(v, static_cast<int>(cbUnchecked), static_cast<int>(cbGrayed));
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

const TClassInfo& TCheckBox::StaticClass() {
    static const TClassInfo info(
        L"TCheckBox", &TCheckControl::StaticClass(),
        [](TClassInfo& c) {
            c.Enum<TCheckBox>(L"State", kCheckBoxStates, &TCheckBox::State, &TCheckBox::SetState);
            c.Bool<TCheckBox>(L"AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed);
        },
        [](TComponent* o) { return new TCheckBox(o); });
    return info;
}

DWORD TCheckBox::ButtonType() const {
    return allowGrayed_ ? BS_AUTO3STATE : BS_AUTOCHECKBOX;
}

void TCheckBox::SetAllowGrayed(bool v) {
    allowGrayed_ = v;
    if (!HandleAllocated()) return;
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
    SendMessageW(Handle(), BM_SETSTYLE, (style & 0xFFFF & ~BS_TYPEMASK) | ButtonType(), TRUE);
}

const TClassInfo& TRadioButton::StaticClass() {
    static const TClassInfo info(L"TRadioButton", &TCheckControl::StaticClass(), {},
                                 [](TComponent* o) { return new TRadioButton(o); });
    return info;
}

void TRadioButton::SetChecked(bool v) {
    TCheckControl::SetChecked(v);
    if (v) UncheckSiblings();
}

void TRadioButton::Clicked() {
    SetChecked(true);
    Click();
}

void TRadioButton::UncheckSiblings() {
    TWinControl* parent = Parent();
    if (!parent) return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i));
        if (other && other != this && other->Checked()) other->SetChecked(false);
    }
}
