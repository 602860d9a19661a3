#include "engine/controls/speed_button.h"

#include "engine/controls/control_props.h"
#include "toolkit/caught_errors.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/text_compare.h"
#include "toolkit/win_control.h"

#include <windowsx.h>

const TClassInfo& TSkinSpeedButton::StaticClass() {
    static const TClassInfo info(L"TSkinSpeedButton", &TSkinBitButton::StaticClass());
    return info;
}

TSkinSpeedButton::~TSkinSpeedButton() {
    RestoreControl();
}

bool TSkinSpeedButton::AttachGraphic(TWinSkinForm& form, TSkinData& data, TControl& control) {
    auto* graphic = dynamic_cast<TGraphicControl*>(&control);
    if (!graphic || target_) return false;
    target_ = graphic;
    saved_ = graphic->WindowProc;
    graphic->WindowProc = MakeWndMethod<&TSkinSpeedButton::SpeedProc>(this);
    if (!AttachWithoutWindow(form, data)) {
        Unhook();
        return false;
    }
    graphic->Invalidate();
    return true;
}

const TControl* TSkinSpeedButton::Graphic() const {
    return target_;
}

TControl* TSkinSpeedButton::Source() const {
    return target_;
}

void TSkinSpeedButton::OnRestore() {
    if (!target_) return;
    TGraphicControl* graphic = target_;
    Unhook();
    graphic->Invalidate();
}

// Only while the skin's handler is the one installed: a later hook that
// chained to it would otherwise be cut off.
void TSkinSpeedButton::Unhook() {
    if (target_ && target_->WindowProc == MakeWndMethod<&TSkinSpeedButton::SpeedProc>(this))
        target_->WindowProc = saved_;
    target_ = nullptr;
}

void TSkinSpeedButton::SkinChanged() {
    TSkinBitButton::SkinChanged(); // no window: the base repaints nothing here
    if (AttachState() == TControlAttach::Attached) PaintNow();
}

void TSkinSpeedButton::SpeedProc(TMessage& m) {
    THold hold(*this);
    const TWndMethod previous = saved_;
    try {
        if (AttachState() != TControlAttach::Attached) {
            previous(m);
            return;
        }
        switch (m.Msg) {
        case WM_PAINT:
            if (m.WParam && target_) {
                DrawSkin(reinterpret_cast<HDC>(m.WParam),
                         RECT{0, 0, target_->Width(), target_->Height()});
            }
            m.Result = 1;
            return;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            previous(m);
            if (hold.Alive()) SetBits(mbHot | mbPressed);
            return;
        case WM_LBUTTONUP:
            previous(m); // the speed button's own click
            if (hold.Alive() && target_) SetBits(MouseState & ~mbPressed);
            return;
        case CM_MOUSEENTER:
            previous(m);
            if (hold.Alive()) SetBits(MouseState | mbHot);
            return;
        case CM_MOUSELEAVE:
            previous(m);
            if (hold.Alive()) SetBits(0);
            return;
        case CM_RELEASE:
            Unhook();
            TargetGone();
            previous(m);
            return;
        default:
            previous(m);
            return;
        }
    } catch (...) {
        RecordCaughtError("speed button skin");
    }
}

void TSkinSpeedButton::SetBits(unsigned char bits) {
    if (bits == MouseState) return;
    MouseState = bits;
    PaintNow();
}

void TSkinSpeedButton::PaintNow() {
    if (!target_ || !target_->Visible()) return;
    TWinControl* parent = target_->Parent();
    if (!parent || !parent->HandleAllocated()) return;
    TWindowDC dc(parent->Handle());
    if (!dc) return;
    const RECT bounds = target_->BoundsRect();
    IntersectClipRect(dc.Get(), bounds.left, bounds.top, bounds.right, bounds.bottom);
    SetViewportOrgEx(dc.Get(), bounds.left, bounds.top, nullptr);
    DrawSkin(dc.Get(), RECT{0, 0, target_->Width(), target_->Height()});
}

TButtonFacts TSkinSpeedButton::ReadFacts() {
    TButtonFacts facts;
    facts.Enabled = target_ && target_->Enabled();
    facts.Down = SameTextNoCase(GetEnumPropByName(target_, L"Down"), L"True");
    facts.Hot = (MouseState & mbHot) != 0;
    facts.Pressed = (MouseState & mbPressed) != 0;
    Enabled = facts.Enabled;
    Focused = false;
    return facts;
}

void TSkinSpeedButton::DrawSkin(HDC dc, const RECT& rect) {
    if (painting_ || !target_ || !HasButtonStrip()) return;
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    painting_ = true;
    try {
        DrawFace(dc, rect, ReadFacts());
    } catch (...) {
        painting_ = false;
        throw;
    }
    painting_ = false;
}

void TSkinSpeedButton::DrawFace(HDC dc, const RECT& rect, const TButtonFacts& facts) {
    const int frame = FrameFor(facts);
    const bool flat = SameTextNoCase(GetEnumPropByName(target_, L"Flat"), L"True");
    const TGlyphSettings glyph = [&] {
        TGlyphSettings s = ReadGlyphSettings();
        s.AlignCentre = false; // only Margin -1 centres a speed button's glyph
        return s;
    }();
    const bool picture = !glyphProperty_.empty();
    const int piece = picture ? 1 : SpeedButtonGlyph(frame, facts.Down, glyph.NumGlyphs);
    TPushButtonLook face = CaptionLook(frame, !glyph.Glyph);
    face.ShowFrame = !flat || frame == bfPressed || frame == bfHot;
    face.FocusCue = false;
    PaintBuffered(dc, rect, [&](HDC buffer) {
        PaintBackground(buffer, rect);
        if (!glyph.Glyph) {
            PaintPushButton(buffer, rect, face);
            return;
        }
        TBitButtonLook look = LookIn(buffer, rect, glyph, face, piece, 1);
        look.GreyGlyph = !picture && frame == bfDisabled;
        PaintBitButton(buffer, rect, look);
    });
}
