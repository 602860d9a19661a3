#include "engine/controls/bit_button.h"

#include "core/ascii_text.h"
#include "engine/controls/control_props.h"
#include "engine/skin_draw.h"
#include "toolkit/bitmap.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/win_control.h"

namespace {

constexpr int kCaptionInset = 2;
constexpr int kGlyphGap = 2;

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

SIZE MeasureCaption(HDC dc, const std::wstring& caption, RECT box) {
    if (caption.empty()) return SIZE{0, 0};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &box,
              DT_CALCRECT | DT_WORDBREAK);
    return SIZE{Width(box), Height(box)};
}

} // namespace

void PaintBitButton(HDC dc, const RECT& rect, const TBitButtonLook& look) {
    const TPushButtonLook& face = look.Face;
    if (!face.Buttons) return;
    DrawButtonFrame(dc, rect, face);
    if (look.Glyph) {
        TGlyphPicture once;
        (look.KeptGlyph ? *look.KeptGlyph : once)
            .Draw(dc, look.GlyphAt, *look.Glyph, look.GlyphSource, look.GreyGlyph);
    }
    if (face.Caption.empty()) return;
    TSavedDC saved(dc);
    if (face.Font) SelectObject(dc, face.Font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, face.TextColour);
    RECT box = look.TextBox;
    UINT flags = look.TextFlags;
    if (face.RightToLeft) flags |= DT_RTLREADING;
    if (face.HidePrefix) flags |= DT_HIDEPREFIX;
    DrawTextW(dc, face.Caption.c_str(), static_cast<int>(face.Caption.size()), &box, flags);
    if (face.FocusCue) DrawCaptionFocus(dc, look.TextBox);
}

const TClassInfo& TSkinBitButton::StaticClass() {
    static const TClassInfo info(L"TSkinBitButton", &TSkinButton::StaticClass());
    return info;
}

TGlyphSettings TSkinBitButton::ReadGlyphSettings() const {
    TGlyphSettings s;
    const TControl* control = Source();
    const std::wstring glyphName = glyphProperty_.empty() ? L"Glyph" : glyphProperty_;
    s.Glyph = dynamic_cast<const TBitmap*>(GetObjectPropByName(control, glyphName));
    if (s.Glyph && s.Glyph->Empty()) s.Glyph = nullptr;
    // A picture is one piece; a glyph strip is divided by its count.
    s.NumGlyphs = glyphProperty_.empty()
                      ? GlyphCount(static_cast<int>(GetOrdPropByName(control, L"NumGlyphs")))
                      : 1;
    s.Layout = GlyphLayoutFromName(GetEnumPropByName(control, L"Layout"));
    s.Margin = static_cast<int>(GetOrdPropByName(control, L"Margin"));
    s.Spacing = static_cast<int>(GetOrdPropByName(control, L"Spacing"));
    s.AlignCentre = LowerAscii(GetEnumPropByName(control, L"Alignment")) == L"tacenter";
    return s;
}

TBitButtonLook TSkinBitButton::LookIn(HDC dc, const RECT& rect, const TGlyphSettings& glyph,
                                      const TPushButtonLook& face, int piece,
                                      int centreNudge) const {
    TBitButtonLook look;
    look.Face = face;
    SIZE glyphSize{0, 0};
    if (glyph.Glyph) {
        glyphSize = SIZE{glyph.Glyph->Width() / glyph.NumGlyphs, glyph.Glyph->Height()};
        look.Glyph = glyph.Glyph;
        look.KeptGlyph = &keptGlyph_;
        look.GlyphSource = RECT{(piece - 1) * glyphSize.cx, 0, piece * glyphSize.cx, glyphSize.cy};
    }
    const bool across = glyph.Layout == TGlyphLayout::Left || glyph.Layout == TGlyphLayout::Right;
    RECT box = rect;
    InflateRect(&box, -kCaptionInset, -kCaptionInset);
    if (across)
        box.right -= glyphSize.cx + kGlyphGap;
    else
        box.bottom -= glyphSize.cy + kGlyphGap;
    SIZE text{};
    {
        TSavedDC saved(dc);
        if (face.Font) SelectObject(dc, face.Font);
        text = MeasureCaption(dc, face.Caption, box);
    }
    TGlyphPlacementIn in;
    in.Client = SIZE{Width(rect), Height(rect)};
    in.Glyph = glyphSize;
    in.Text = text;
    in.Layout = glyph.Layout;
    in.Margin = glyph.Margin;
    in.Spacing = glyph.Spacing;
    in.Centre = glyph.AlignCentre;
    in.CentreNudge = centreNudge;
    const TGlyphPlacement place = PlaceGlyphAndText(in);
    look.GlyphAt = place.Glyph;
    look.TextBox = RECT{place.Text.x, place.Text.y, place.Text.x + text.cx, place.Text.y + text.cy};
    look.TextFlags = place.TextFlags;
    return look;
}

void TSkinBitButton::DrawSkin(HDC dc, const RECT& rect) {
    if (!HasButtonStrip()) return;
    const bool picture = !glyphProperty_.empty();
    TButtonFacts facts = ReadFacts();
    if (picture) facts.Default = false; // a picture button shows the focus frame only when focused
    const int frame = FrameFor(facts);
    const TPushButtonLook face = CaptionLook(frame, !picture);
    const TGlyphSettings glyph = ReadGlyphSettings();
    const int piece = picture ? 1 : BitButtonGlyph(frame, glyph.NumGlyphs);
    PaintBuffered(dc, rect, [&](HDC buffer) {
        PaintBackground(buffer, rect);
        TBitButtonLook look = LookIn(buffer, rect, glyph, face, piece, 0);
        look.GreyGlyph = !picture && frame == bfDisabled;
        PaintBitButton(buffer, rect, look);
    });
}
