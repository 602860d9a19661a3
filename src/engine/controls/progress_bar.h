#pragma once
// Progress bars painted from the skin's bar: the whole bar its background
// and the filled part its second frame, or (in the chunk style both stored
// skins use) the chunk image stretched or tiled over the filled part. A
// vertical bar is composed lying down and turned a quarter, so one set of
// images serves both.
#include "core/pixel_bitmap.h"
#include "engine/controls/skin_control.h"
#include "toolkit/bitmap.h"

class TDataSkinBorder;
class TDataSkinObject;

// Everything a progress bar's picture depends on.
struct TProgressLook {
    const TDataSkinBorder* Bar = nullptr;   // "Progress"; nothing is drawn without it
    const TDataSkinObject* Chunk = nullptr; // "Progress.Chunk", for the chunk style
    COLORREF Face = 0;
    int Min = 0, Max = 100, Pos = 0;
    bool Vertical = false;
};

// How many of `length` pixels the position fills: the part of the range
// below the position, the position held inside the range; none for an
// empty range.
int ProgressFillLength(int length, int min, int max, int pos);

// Paints progress bars and keeps what a step of the position leaves as it
// was: the background composed at the bar's size and the bitmap that
// reaches the screen. Stepping a bar allocates no bitmap.
class TProgressPainter {
public:
    void Paint(HDC dc, const RECT& rect, const TProgressLook& look);

private:
    // The picture lying down: width along the bar.
    void Compose(int width, int height, const TProgressLook& look);
    void ComposeBackground(int width, int height, const TProgressLook& look);
    void DrawFill(int width, int height, const TProgressLook& look);
    void DrawChunks(int fill, int height, const TDataSkinObject& chunk);

    struct TKey {
        const void* Bar = nullptr;
        const void* Chunk = nullptr;
        int Width = 0, Height = 0;
        COLORREF Face = 0;
        bool operator==(const TKey& o) const {
            return Bar == o.Bar && Chunk == o.Chunk && Width == o.Width && Height == o.Height &&
                   Face == o.Face;
        }
    };
    TKey key_;
    TPixelBitmap background_;
    TPixelBitmap picture_;
    TBitmap screen_;
};

void PaintProgress(HDC dc, const RECT& rect, const TProgressLook& look);

class TSkinProgress : public TSkinControl {
    VELMORA_CLASS()
protected:
    bool BeforeMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    TProgressLook Look() const;
    bool HasBar() const;

    TProgressPainter painter_;
};
