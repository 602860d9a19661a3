#pragma once
// The frames of skin elements composed at the sizes a window's controls show
// them, and kept, for controls that paint the same few frames again and
// again (a button on every hover change): composing a nine-slice costs far
// more than putting the finished picture on the screen. One window's
// controls share them, so buttons of one size compose each frame once and a
// header's columns keep theirs. The owner clears them when the skin changes.
#include "engine/skin_draw.h"

#include <map>
#include <tuple>

class TElementFrames {
public:
    // What DrawElementFrame draws, from the kept picture.
    void Draw(HDC dc, const RECT& dest, const TDataSkinObject& element, int frame);
    void Clear();

private:
    struct TKey {
        const void* Pixels = nullptr;
        int Width = 0, Height = 0, Frame = 0;
        bool operator<(const TKey& o) const {
            return std::tie(Pixels, Width, Height, Frame) <
                   std::tie(o.Pixels, o.Width, o.Height, o.Frame);
        }
    };
    struct TPicture {
        TMaskedImage Masked;             // elements with see-through parts
        std::unique_ptr<TBitmap> Opaque; // the others
    };
    const TPicture& PictureOf(const TDataSkinObject& element, int frame, int width, int height);

    std::map<TKey, TPicture> pictures_;
};

// DrawElementFrame through `kept` when there is one.
void DrawElementFrame(HDC dc, const RECT& dest, const TDataSkinObject& element, int frame,
                      TElementFrames* kept);
