#pragma once
// A bitmap button's glyph piece put down around its see-through colour (the
// piece's bottom-left pixel), greyed when asked: each other pixel's channels
// replaced by their mean. The finished picture is kept between paints, since
// making it (a bitmap, a mask, the greying) costs far more than putting it
// down, and it is made again only when the piece's pixels or the grey choice
// change, so a program drawing on its glyph sees the new picture at once.
#include "engine/skin_draw.h"

#include <cstdint>
#include <vector>

class TGlyphPicture {
public:
    void Draw(HDC dc, POINT at, const TBitmap& glyph, const RECT& source, bool grey);

private:
    void Make(const TBitmap& glyph, const RECT& source, bool grey);

    std::vector<std::uint8_t> madeFrom_; // the piece's pixels when it was made
    SIZE size_{};
    bool grey_ = false;
    TMaskedImage image_;
};

// The same, keeping nothing.
void DrawGlyphPiece(HDC dc, POINT at, const TBitmap& glyph, const RECT& source, bool grey);
