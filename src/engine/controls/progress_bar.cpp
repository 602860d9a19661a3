#include "engine/controls/progress_bar.h"

#include "core/image_utils.h"
#include "core/skin_bars.h"
#include "core/skin_model.h"
#include "engine/skin_draw.h"

#include <commctrl.h>

#include <algorithm>

namespace {

constexpr int kEmptyFrame = 1, kFilledFrame = 2;
constexpr int kChunkInset = 2; // the chunks keep clear of the bar's edge

TColour ToColour(COLORREF c) {
    return static_cast<TColour>(c);
}

// The stretched chunk image needs a positive size; a bar lower than the two
// insets has no room for it.
bool RoomForChunks(int fill, int height) {
    return fill - 2 * kChunkInset > 0 && height - 2 * kChunkInset > 0;
}

} // namespace

int ProgressFillLength(int length, int min, int max, int pos) {
    if (max <= min || length <= 0) return 0;
    const int clamped = std::clamp(pos, min, max);
    return MulDiv(length, clamped - min, max - min);
}

void TProgressPainter::Paint(HDC dc, const RECT& rect, const TProgressLook& look) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0 || !look.Bar) return;
    // Lying down, a vertical bar's length is its height.
    const int length = look.Vertical ? h : w, breadth = look.Vertical ? w : h;
    Compose(length, breadth, look);
    if (look.Vertical) RotateLeft(picture_);
    const bool ready = screen_.Fit(w, h);
    if (!ready || !CopyIntoBitmap(screen_, picture_)) return;
    BitBlt(dc, rect.left, rect.top, w, h, screen_.DC(), 0, 0, SRCCOPY);
}

void TProgressPainter::Compose(int width, int height, const TProgressLook& look) {
    const TKey key{look.Bar, look.Chunk, width, height, look.Face};
    if (!(key == key_)) {
        key_ = key;
        ComposeBackground(width, height, look);
    }
    picture_ = background_;
    DrawFill(width, height, look);
}

// The face colour under the bar's empty frame (in the chunk style the
// whole image), its key colour showing the face.
void TProgressPainter::ComposeBackground(int width, int height, const TProgressLook& look) {
    const TDataSkinBorder& bar = *look.Bar;
    background_ = TPixelBitmap(width, height, ToColour(look.Face));
    const bool chunkStyle = bar.Style == 1;
    const TSkinFrame frame{&bar.Bitmap, kEmptyFrame, chunkStyle ? 1 : bar.FrameCount};
    const TCentreFill fill = chunkStyle ? TCentreFill::Stretch : bar.Fill();
    DrawTransparent(
        background_, 0, 0,
        BuildSkinBitmap(width, height, frame, bar.Margins(), TStripAxis::Horizontal, fill));
}

void TProgressPainter::DrawFill(int width, int height, const TProgressLook& look) {
    const TDataSkinBorder& bar = *look.Bar;
    const int fill = ProgressFillLength(width, look.Min, look.Max, look.Pos);
    if (fill <= 0) return;
    if (bar.Style != 1) {
        const TSkinFrame frame{&bar.Bitmap, kFilledFrame, bar.FrameCount};
        DrawTransparent(picture_, 0, 0,
                        BuildSkinBitmap(fill, height, frame, bar.Margins(), TStripAxis::Horizontal,
                                        bar.Fill()));
        return;
    }
    if (look.Chunk && !look.Chunk->Bitmap.Empty()) DrawChunks(fill, height, *look.Chunk);
}

// Tiled chunks repeat the image at its own size along a strip centred
// across the bar; otherwise one chunk bar is stretched over the filled
// part, its caps kept.
void TProgressPainter::DrawChunks(int fill, int height, const TDataSkinObject& chunk) {
    const TSkinFrame frame = chunk.Frame(1);
    if (chunk.Tile == 1) {
        const int left = chunk.LeftWidth + kChunkInset;
        const int length = std::min(fill, picture_.Width() - kChunkInset) - left;
        const TPixelRect piece = FrameRect(frame, TStripAxis::Horizontal);
        if (length <= 0 || piece.Width() <= 0 || piece.Height() <= 0) return;
        TPixelBitmap strip(length, piece.Height(), kKeyColour);
        TileBitmap(strip, {0, 0, length, piece.Height()}, chunk.Bitmap, piece);
        DrawTransparent(picture_, left, (height - piece.Height()) / 2, strip);
        return;
    }
    if (!RoomForChunks(fill, height)) return;
    const TPixelBitmap bar = BuildStretchedSkinBar(fill - 2 * kChunkInset, height - 2 * kChunkInset,
                                                   frame, chunk.Margins(), TStripAxis::Horizontal);
    DrawTransparent(picture_, kChunkInset, kChunkInset, bar);
}

void PaintProgress(HDC dc, const RECT& rect, const TProgressLook& look) {
    TProgressPainter painter;
    painter.Paint(dc, rect, look);
}

const TClassInfo& TSkinProgress::StaticClass() {
    static const TClassInfo info(L"TSkinProgress", &TSkinControl::StaticClass());
    return info;
}

bool TSkinProgress::HasBar() const {
    return Skin().Progress && !Skin().Progress->Bitmap.Empty();
}

bool TSkinProgress::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        if (!HasBar()) break;
        PaintMessage(m);
        return false;
    case WM_NCPAINT:
        // The platform frames the bar with an edge; the skin's image has its
        // own.
        if (!HasBar()) break;
        PaintWindow(nullptr);
        return false;
    case WM_ERASEBKGND:
        m.Result = 1;
        return false;
    default:
        break;
    }
    return TSkinControl::BeforeMessage(m);
}

TProgressLook TSkinProgress::Look() const {
    TProgressLook look;
    look.Bar = Skin().Progress.get();
    look.Chunk = Skin().ProgressChunk.get();
    look.Face = FaceColour();
    PBRANGE range{};
    SendMessageW(Handle(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    look.Min = range.iLow;
    look.Max = range.iHigh;
    look.Pos = static_cast<int>(SendMessageW(Handle(), PBM_GETPOS, 0, 0));
    look.Vertical = (GetWindowLongPtrW(Handle(), GWL_STYLE) & PBS_VERTICAL) != 0;
    return look;
}

void TSkinProgress::DrawSkin(HDC dc, const RECT& rect) {
    if (!HasBar()) return;
    painter_.Paint(dc, rect, Look());
}
