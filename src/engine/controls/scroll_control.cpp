#include "engine/controls/scroll_control.h"

const TClassInfo& TSkinScControl::StaticClass() {
    static const TClassInfo info(L"TSkinScControl", &TSkinControl::StaticClass());
    return info;
}

// The overlay goes with the skin even when the base's restore already ran.
TSkinScControl::~TSkinScControl() {
    RestoreControl();
    TWScrollbar::Discard(std::move(bar_));
}

void TSkinScControl::OnAttach() {
    clipSiblings_.Add(Handle());
    bar_ = std::make_unique<TWScrollbar>(SkinData(), Handle(), TBarKind::Control);
    bar_->SetEnabled(IsWindowEnabled(Handle()) != FALSE);
}

void TSkinScControl::OnRestore() {
    TWScrollbar::Discard(std::move(bar_));
    clipSiblings_.Remove();
}

void TSkinScControl::SkinChanged() {
    if (AttachState() != TControlAttach::Attached || !bar_) return;
    bar_->SyncPosition();
    InvalidateRect(bar_->Handle(), nullptr, FALSE);
}

// The control paints unseen under the overlay; whatever moves, shows,
// hides or scrolls it reaches the overlay.
void TSkinScControl::AfterMessage(TMessage& m) {
    if (!bar_) return;
    switch (m.Msg) {
    case WM_WINDOWPOSCHANGED:
    case WM_NCPAINT:
        bar_->SyncPosition();
        break;
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case WM_PAINT:
        bar_->Refresh();
        break;
    case WM_ENABLE:
        bar_->SetEnabled(m.WParam != 0);
        break;
    default:
        break;
    }
}

void TSkinScControl::DrawSkin(HDC, const RECT&) {
    if (bar_) bar_->Refresh();
}
