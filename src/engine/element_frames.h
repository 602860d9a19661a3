#pragma once
// The frames of one skin element composed at one size and kept, for a
// control that paints the same few frames again and again (a button on
// every hover change): composing a nine-slice costs far more than putting
// the finished picture on the screen. Another size, another element or new
// pixels in the element start afresh.
#include "engine/skin_draw.h"

#include <map>

class TElementFrames {
public:
    // What DrawElementFrame draws, from the kept picture.
    void Draw(HDC dc, const RECT& dest, const TDataSkinObject& element, int frame);
    void Clear();

private:
    struct TKey {
        const void* Pixels = nullptr;
        int Width = 0, Height = 0;
        bool operator==(const TKey& o) const {
            return Pixels == o.Pixels && Width == o.Width && Height == o.Height;
        }
    };
    struct TPicture {
        TMaskedImage Masked;             // elements with see-through parts
        std::unique_ptr<TBitmap> Opaque; // the others
    };
    const TPicture& PictureOf(const TDataSkinObject& element, int frame, int width, int height);

    TKey key_;
    std::map<int, TPicture> pictures_;
};
