#include "engine/controls/scrollbar.h"

#include "engine/controls/control_props.h"
#include "engine/engine_messages.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/messages.h"
#include "toolkit/text_compare.h"
#include "toolkit/win_control.h"

#include <algorithm>
#include <string>

namespace {

// How far the client area lies inside the window: the real frame, not an
// assumed one.
POINT ClientOffset(HWND window) {
    RECT w{};
    POINT origin{0, 0};
    if (!GetWindowRect(window, &w) || !ClientToScreen(window, &origin)) return {0, 0};
    return {origin.x - w.left, origin.y - w.top};
}

} // namespace

const TClassInfo& TSkinScrollbar::StaticClass() {
    static const TClassInfo info(L"TSkinScrollbar", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TSkinScrollbarH::StaticClass() {
    static const TClassInfo info(L"TSkinScrollbarH", &TSkinScrollbar::StaticClass());
    return info;
}

// The overlays go with the skin even when the base's restore already ran.
TSkinScrollbar::~TSkinScrollbar() {
    RestoreControl();
    TWScrollbar::Discard(std::move(horz_));
    TWScrollbar::Discard(std::move(vert_));
}

bool TSkinScrollbar::WantsBorder() const {
    if (Mode() == 1 || !Control()) return false;
    if (SameTextNoCase(Control()->ClassName(), L"TImageScrollBox")) return false;
    return !SameTextNoCase(GetEnumPropByName(Control(), L"BorderStyle"), L"bsNone");
}

// The host must not draw its native bars over the overlays: it clips its
// siblings for as long as it is skinned.
void TSkinScrollbar::OnAttach() {
    border_ = WantsBorder();
    const HWND host = Handle();
    clipSiblings_.Add(host);
    ShowFaceInFixedColour();
    horz_ = std::make_unique<TWScrollbar>(SkinData(), host, TBarKind::Horizontal);
    vert_ = std::make_unique<TWScrollbar>(SkinData(), host, TBarKind::Vertical);
    const bool enabled = IsWindowEnabled(host) != FALSE;
    horz_->SetEnabled(enabled);
    vert_->SetEnabled(enabled);
    if (border_) RedrawWindow(host, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TSkinScrollbar::OnRestore() {
    TWScrollbar::Discard(std::move(horz_));
    TWScrollbar::Discard(std::move(vert_));
    clipSiblings_.Remove();
}

// Grids and similar controls paint their fixed cells in FixedColor: the
// skin's face while skinned (restoring puts the application's back).
void TSkinScrollbar::ShowFaceInFixedColour() {
    if (!Control() || GetOrdPropByName(Control(), L"FixedColor") == -1) return;
    SetControlProp(L"FixedColor", std::to_wstring(FaceColour()));
}

void TSkinScrollbar::SkinChanged() {
    if (AttachState() != TControlAttach::Attached) return;
    ShowFaceInFixedColour();
    SyncBars();
    if (horz_) InvalidateRect(horz_->Handle(), nullptr, FALSE);
    if (vert_) InvalidateRect(vert_->Handle(), nullptr, FALSE);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

bool TSkinScrollbar::BeforeMessage(TMessage& m) {
    if (m.Msg != WM_NCPAINT || !border_) return TSkinControl::BeforeMessage(m);
    CallPrevious(m);
    TWindowDC dc(Handle(), true);
    if (dc) PaintBorder(dc.Get());
    return false;
}

// The control paints itself; the skin only follows what changes its bars.
void TSkinScrollbar::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
        SyncBars();
        break;
    case WM_HSCROLL:
        NoteRequest(horz_.get(), m.WParam);
        break;
    case WM_VSCROLL:
        NoteRequest(vert_.get(), m.WParam);
        break;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_KEYDOWN:
        RefreshBars();
        break;
    case CM_VISIBLECHANGED:
        if (m.WParam)
            SyncBars();
        else
            HideBars();
        break;
    case WM_ENABLE:
    case CM_ENABLEDCHANGED: {
        const bool enabled = IsWindowEnabled(Handle()) != FALSE;
        if (horz_) horz_->SetEnabled(enabled);
        if (vert_) vert_->SetEnabled(enabled);
        break;
    }
    case SKINMSG_PAINTNC:
        if (m.LParam != kSkinMagic) break;
        if (m.WParam && border_) PaintBorder(reinterpret_cast<HDC>(m.WParam));
        m.Result = kSkinMagic;
        break;
    case WM_PAINT:
        TSkinControl::AfterMessage(m);
        break;
    default:
        break;
    }
}

void TSkinScrollbar::SyncBars() {
    if (horz_) horz_->SyncPosition();
    if (vert_) vert_->SyncPosition();
}

void TSkinScrollbar::HideBars() {
    if (horz_) horz_->HideBar();
    if (vert_) vert_->HideBar();
}

void TSkinScrollbar::RefreshBars() {
    if (horz_) horz_->Refresh();
    if (vert_) vert_->Refresh();
}

void TSkinScrollbar::NoteRequest(TWScrollbar* bar, WPARAM wParam) {
    if (bar) bar->NoteScrollRequest(LOWORD(wParam));
}

// Every paint of the control may follow a scroll: bars that changed are
// repainted, bars that came or went are placed.
void TSkinScrollbar::DrawSkin(HDC dc, const RECT&) {
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    for (auto [bar, bit] :
         {std::pair{vert_.get(), WS_VSCROLL}, std::pair{horz_.get(), WS_HSCROLL}}) {
        if (!bar) continue;
        if (bar->Shown() != ((style & bit) != 0))
            bar->SyncPosition();
        else
            bar->Refresh();
    }
    FillCorner(dc);
}

// The size box between two bars, in window coordinates.
void TSkinScrollbar::FillCorner(HDC dc) const {
    if (!horz_ || !vert_ || !horz_->Shown() || !vert_->Shown()) return;
    const POINT offset = ClientOffset(Handle());
    RECT corner{vert_->ClientBox().left, horz_->ClientBox().top, vert_->ClientBox().right,
                horz_->ClientBox().bottom};
    OffsetRect(&corner, offset.x, offset.y);
    FillFace(dc, corner);
}

// A shadow line outside a face line, where the sunken edge was; a frame
// thinner than two lines gets only as many as it has room for, so the
// client's own pixels are never painted over.
void TSkinScrollbar::PaintBorder(HDC dc) const {
    RECT r{};
    if (!GetWindowRect(Handle(), &r)) return;
    OffsetRect(&r, -r.left, -r.top);
    const POINT offset = ClientOffset(Handle());
    const int lines = std::min<int>({2, offset.x, offset.y});
    const COLORREF colours[] = {ShadowColour(), FaceColour()};
    for (int i = 0; i < lines; ++i) {
        TBrushHandle brush(CreateSolidBrush(colours[i]));
        FrameRect(dc, &r, brush.Get());
        InflateRect(&r, -1, -1);
    }
}
