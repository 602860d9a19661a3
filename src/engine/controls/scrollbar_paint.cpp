#include "engine/controls/scrollbar_paint.h"

#include "core/nine_slice.h"
#include "core/skin_model.h"
#include "engine/skin_draw.h"

#include <algorithm>

namespace {

// A rectangle along the bar's axis: `from`..`to` along it, 0..`thickness`
// across.
TPixelRect AlongAxis(bool vertical, int from, int to, int thickness) {
    return vertical ? TPixelRect{0, from, thickness, to} : TPixelRect{from, 0, to, thickness};
}

// A nine-sliced element frame put on `target`, see-through where the element
// says so.
void PutElement(TPixelBitmap& target, const TPixelRect& at, const TDataSkinObject& element,
                int frame, TCentreFill fill) {
    if (at.Width() <= 0 || at.Height() <= 0 || element.Bitmap.Empty()) return;
    const TPixelBitmap piece = BuildSkinBitmap(at.Width(), at.Height(), element.Frame(frame),
                                               element.Margins(), TStripAxis::Horizontal, fill);
    if (element.Trans == 1)
        DrawTransparent(target, at.Left, at.Top, piece);
    else
        CopyBitmap(target, at.Left, at.Top, piece);
}

// A frame of the arrow strip stretched into `at`, its key colour left out.
void PutStripFrame(TPixelBitmap& target, const TPixelRect& at, const TPixelBitmap& strip,
                   int frame) {
    if (at.Width() <= 0 || at.Height() <= 0) return;
    TPixelBitmap piece(at.Width(), at.Height(), kKeyColour);
    StretchCopy(piece, {0, 0, at.Width(), at.Height()}, strip,
                FrameRect({&strip, frame, kArrowStripFrames}, TStripAxis::Horizontal));
    DrawTransparent(target, at.Left, at.Top, piece);
}

bool Hot(const TScrollBarLook& look, TScrollPart part) {
    return look.HotPart == part && !look.Pressed;
}
bool Pressed(const TScrollBarLook& look, TScrollPart part) {
    return look.HotPart == part && look.Pressed;
}

void PutArrows(TPixelBitmap& target, const TScrollBarLook& look, const TPixelBitmap& strip,
               int thickness) {
    const int length = look.Length();
    const int arrow = ArrowLength(length, look.ArrowSize);
    const bool v = look.Vertical;
    PutStripFrame(target, AlongAxis(v, 0, arrow, thickness), strip,
                  ArrowFrame(v, false, Hot(look, spFirstArrow), Pressed(look, spFirstArrow)));
    PutStripFrame(target, AlongAxis(v, length - arrow, length, thickness), strip,
                  ArrowFrame(v, true, Hot(look, spSecondArrow), Pressed(look, spSecondArrow)));
}

// The thumb and, when the thumb is long enough, the grip centred on it;
// pieces reaching past the picture are left out.
void PutThumb(TPixelBitmap& target, const TScrollBarLook& look, const TSkinModel& skin,
              int thickness) {
    const bool v = look.Vertical;
    const int extent = v ? target.Height() : target.Width();
    const TThumbSpan& t = look.Thumb;
    if (t.Start >= extent || t.End >= extent) return;
    const TDataSkinObject* thumb = v ? skin.VertScrollThumb.get() : skin.HorzScrollThumb.get();
    if (thumb)
        PutElement(target, AlongAxis(v, t.Start, t.End, thickness), *thumb,
                   ThumbFrame(Hot(look, spThumb), Pressed(look, spThumb)), TCentreFill::Stretch);
    const TPixelBitmap& strip = skin.Scrollbar->Bitmap;
    const int grip = strip.Height();
    if (grip >= t.Size() + 2) return;
    const int start = t.Start + (t.Size() - grip) / 2;
    if (start >= extent || start + grip >= extent) return;
    PutStripFrame(target, AlongAxis(v, start, start + grip, thickness), strip,
                  GripFrame(v, Hot(look, spThumb), Pressed(look, spThumb)));
}

} // namespace

bool TScrollBarLook::operator==(const TScrollBarLook& o) const {
    return Vertical == o.Vertical && Width == o.Width && Height == o.Height &&
           ArrowSize == o.ArrowSize && Thumb == o.Thumb && Enabled == o.Enabled &&
           HotPart == o.HotPart && Pressed == o.Pressed && Face == o.Face;
}

bool HasScrollBarSkin(const TSkinModel& skin) {
    return skin.Scrollbar && !skin.Scrollbar->Bitmap.Empty();
}

TPixelBitmap ComposeScrollBar(const TScrollBarLook& look, const TSkinModel& skin) {
    if (!HasScrollBarSkin(skin) || look.Width <= 0 || look.Height <= 0) return {};
    TPixelBitmap bar(look.Width, look.Height, look.Face);
    const TPixelBitmap& strip = skin.Scrollbar->Bitmap;
    const int thickness = BarThickness(strip.Height(), look.ArrowSize);
    const bool v = look.Vertical;
    const TDataSkinObject* track = v ? skin.VertScroll.get() : skin.HorzScroll.get();
    if (track)
        PutElement(bar, AlongAxis(v, look.ArrowSize, look.Length() - look.ArrowSize, thickness),
                   *track, TrackFrame(look.Enabled), track->Fill());
    PutArrows(bar, look, strip, thickness);
    if (look.Enabled) PutThumb(bar, look, skin, thickness);
    return bar;
}

void BlitScrollBar(HDC dc, int x, int y, const TPixelBitmap& pixels, TBitmap& buffer) {
    if (pixels.Empty()) return;
    const bool fits = buffer.Width() >= pixels.Width() && buffer.Height() >= pixels.Height();
    if (!fits && !buffer.SetSize(std::max(buffer.Width(), pixels.Width()),
                                 std::max(buffer.Height(), pixels.Height())))
        return;
    CopyIntoBitmap(buffer, pixels);
    BitBlt(dc, x, y, pixels.Width(), pixels.Height(), buffer.DC(), 0, 0, SRCCOPY);
}
