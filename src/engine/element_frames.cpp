#include "engine/element_frames.h"

namespace {

// Controls resized step by step (a form's anchored buttons in a live
// resize) leave their old sizes behind; past this many pictures the kept
// ones go and the sizes still shown are composed again.
constexpr size_t kMostPictures = 48;

} // namespace

void TElementFrames::Clear() {
    pictures_.clear();
}

const TElementFrames::TPicture& TElementFrames::PictureOf(const TDataSkinObject& element, int frame,
                                                          int width, int height) {
    const TKey key{element.Bitmap.Empty() ? nullptr : element.Bitmap.Row(0), width, height, frame};
    auto found = pictures_.find(key);
    if (found != pictures_.end()) return found->second;
    if (pictures_.size() >= kMostPictures) Clear();
    TPicture picture;
    const RECT size{0, 0, width, height};
    if (element.Trans == 1)
        picture.Masked = MaskedSkinRect(width, height, element.Frame(frame), element.Margins(),
                                        TStripAxis::Horizontal, element.Fill());
    else
        picture.Opaque = BuildSkinBitmap(size, element.Frame(frame), element.Margins(),
                                         TStripAxis::Horizontal, element.Fill());
    return pictures_.emplace(key, std::move(picture)).first->second;
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

void DrawElementFrame(HDC dc, const RECT& dest, const TDataSkinObject& element, int frame,
                      TElementFrames* kept) {
    if (kept)
        kept->Draw(dc, dest, element, frame);
    else
        DrawElementFrame(dc, dest, element, frame);
}
