#include "engine/element_frames.h"

void TElementFrames::Clear() {
    key_ = TKey{};
    pictures_.clear();
}

const TElementFrames::TPicture& TElementFrames::PictureOf(const TDataSkinObject& element, int frame,
                                                          int width, int height) {
    const TKey key{element.Bitmap.Empty() ? nullptr : element.Bitmap.Row(0), width, height};
    if (!(key == key_)) {
        Clear();
        key_ = key;
    }
    auto found = pictures_.find(frame);
    if (found != pictures_.end()) return found->second;
    TPicture picture;
    const RECT size{0, 0, width, height};
    if (element.Trans == 1)
        picture.Masked = MaskedSkinRect(width, height, element.Frame(frame), element.Margins(),
                                        TStripAxis::Horizontal, element.Fill());
    else
        picture.Opaque = BuildSkinBitmap(size, element.Frame(frame), element.Margins(),
                                         TStripAxis::Horizontal, element.Fill());
    return pictures_.emplace(frame, std::move(picture)).first->second;
}

void TElementFrames::Draw(HDC dc, const RECT& dest, const TDataSkinObject& element, int frame) {
    const int w = dest.right - dest.left, h = dest.bottom - dest.top;
    if (w <= 0 || h <= 0) return;
    const TPicture& picture = PictureOf(element, frame, w, h);
    if (picture.Opaque) {
        BitBlt(dc, dest.left, dest.top, w, h, picture.Opaque->DC(), 0, 0, SRCCOPY);
        return;
    }
    DrawMasked(dc, dest.left, dest.top, picture.Masked);
}
