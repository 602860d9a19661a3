#include "engine/controls/edit.h"

#include "engine/controls/control_props.h"
#include "engine/controls/up_down.h"
#include "engine/engine_messages.h"
#include "engine/skin_data.h"
#include "engine/win_skin_form.h"
#include "engine/window_facts.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/win_control.h"
#include "core/ascii_text.h"

#include <memory>

namespace {

constexpr COLORREF kRingWhite = RGB(255, 255, 255);

void Ring(HDC dc, RECT& r, HBRUSH brush) {
    FrameRect(dc, &r, brush);
    InflateRect(&r, -1, -1);
}

bool IsUpDownClass(const std::wstring& cls) {
    const std::wstring lower = LowerAscii(cls);
    return lower == L"msctls_updown32" || lower.find(L"spin") != std::wstring::npos ||
           lower.find(L"updown") != std::wstring::npos;
}

// How much wider and higher the window is than its client area.
SIZE BorderSize(HWND edit) {
    RECT w{}, c{};
    if (!GetWindowRect(edit, &w) || !GetClientRect(edit, &c)) return SIZE{0, 0};
    return SIZE{(w.right - w.left) - c.right, (w.bottom - w.top) - c.bottom};
}

} // namespace

void PaintEditBorder(HDC dc, const RECT& rect, COLORREF shadow, int whiteRings) {
    TSavedDC saved(dc);
    TBrushHandle dark(CreateSolidBrush(shadow)), light(CreateSolidBrush(kRingWhite));
    RECT r = rect;
    Ring(dc, r, dark.Get());
    for (int i = 0; i < whiteRings; ++i)
        Ring(dc, r, light.Get());
}

void PaintPrintedEditBorder(HDC dc, const RECT& rect, COLORREF shadow) {
    TSavedDC saved(dc);
    TBrushHandle dark(CreateSolidBrush(shadow));
    RECT inner = rect;
    InflateRect(&inner, -1, -1);
    FrameRect(dc, &inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
    FrameRect(dc, &rect, dark.Get());
}

bool EditHasBorder(HWND edit) {
    const SIZE border = BorderSize(edit);
    return border.cx != 0 && border.cy != 0;
}

bool EditHasPrintedBorder(HWND edit) {
    const SIZE border = BorderSize(edit);
    return border.cx > 2 && border.cy > 2;
}

const TClassInfo& TSkinEdit::StaticClass() {
    static const TClassInfo info(L"TSkinEdit", &TSkinDrawnOver::StaticClass());
    return info;
}

// A DC handed in belongs to the caller, who gets it back as it came: the
// edit's own paint clips it and leaves it clipped.
void TSkinEdit::PaintIntoGivenDC(TMessage& m) {
    const HDC dc = reinterpret_cast<HDC>(m.WParam);
    {
        TSavedDC saved(dc);
        CallPrevious(m);
    }
    if (m.Msg == WM_PRINTCLIENT)
        PrintBorder(dc);
    else
        PaintWindow(dc);
}

bool TSkinEdit::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
        if (!m.WParam) break;
        PaintIntoGivenDC(m);
        return false;
    case SKINMSG_PAINTCONTENT:
        // The engine asks for the edit's own content in a DC of its choosing.
        if (m.LParam == kSkinMagic && m.WParam) {
            TMessage paint{WM_PAINT, m.WParam, 0, 0};
            TSavedDC saved(reinterpret_cast<HDC>(m.WParam));
            CallPrevious(paint);
            m.Result = kSkinMagic;
        }
        return false;
    default:
        break;
    }
    return TSkinControl::BeforeMessage(m);
}

// A print without a DC of its own goes to the window.
void TSkinEdit::AfterMessage(TMessage& m) {
    if (m.Msg == WM_PRINTCLIENT)
        PrintBorder(nullptr);
    else
        TSkinDrawnOver::AfterMessage(m);
}

void TSkinEdit::PrintBorder(HDC dc) {
    if (!EditHasPrintedBorder(Handle())) return;
    RECT r{};
    if (!GetWindowRect(Handle(), &r)) return;
    const RECT rect{0, 0, r.right - r.left, r.bottom - r.top};
    if (dc) {
        PaintPrintedEditBorder(dc, rect, ShadowColour());
        return;
    }
    TWindowDC window(Handle(), true);
    if (window) PaintPrintedEditBorder(window.Get(), rect, ShadowColour());
}

void TSkinEdit::DrawSkin(HDC dc, const RECT& rect) {
    if (InSet(SkinData().SkinControls(), xcSpin)) FindUpDown();
    if (!HasBorder()) return;
    PaintEditBorder(dc, rect, ShadowColour());
}

// A flat bevel is a line the edit draws inside its client area itself (the
// platform moves a plain border there), so only the toolkit can tell.
bool TSkinEdit::HasBorder() const {
    return EditHasBorder(Handle()) ||
           (Control() && GetEnumPropByName(Control(), L"BevelKind") == L"bkFlat");
}

// Once: the first child window of an up-down class. One skinned already
// (mapped on its own) is told it sits in an edit.
void TSkinEdit::FindUpDown() {
    if (upDown_ && IsWindow(upDown_)) return;
    upDown_ = nullptr;
    for (HWND child = GetTopWindow(Handle()); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsUpDownClass(WindowClassName(child))) continue;
        upDown_ = child;
        break;
    }
    if (!upDown_) return;
    if (auto* skinned = dynamic_cast<TSkinUpDown*>(Form().SkinControlOf(upDown_))) {
        skinned->SetInEdit(true);
        InvalidateRect(upDown_, nullptr, TRUE);
        return;
    }
    if (Form().SkinControlOf(upDown_)) return;
    auto skin = std::make_unique<TSkinUpDown>();
    skin->SetInEdit(true);
    if (skin->AttachWindow(Form(), SkinData(), upDown_)) Form().AdoptControl(std::move(skin));
}
