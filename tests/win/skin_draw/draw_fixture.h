#pragma once
// Small pictures to draw from and a DIB-section target to read back.
#include "core/pixel_bitmap.h"
#include "toolkit/bitmap.h"

#include <string>
#include <vector>

// Colours by letter, so expected rows read like pictures.
inline COLORREF Letter(char c) {
    switch (c) {
    case 'M':
        return RGB(255, 0, 255); // the key
    case 'r':
        return RGB(200, 0, 0);
    case 'g':
        return RGB(0, 200, 0);
    case 'b':
        return RGB(0, 0, 200);
    case 'w':
        return RGB(255, 255, 255);
    case 'y':
        return RGB(200, 200, 0);
    case 'c':
        return RGB(0, 200, 200);
    case '.':
        return RGB(90, 90, 90); // the target's background
    default:
        return RGB(1, 2, 3);
    }
}

inline TColour ToColour(COLORREF c) {
    return MakeColour(GetRValue(c), GetGValue(c), GetBValue(c));
}

// A picture from rows of letters.
inline TPixelBitmap Picture(const std::vector<std::string>& rows) {
    TPixelBitmap p(static_cast<int>(rows.at(0).size()), static_cast<int>(rows.size()));
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x)
            p.SetPixel(x, y, ToColour(Letter(rows[y][x])));
    return p;
}

// A target filled with the background colour '.'.
struct TTarget {
    TBitmap bitmap;
    TTarget(int width, int height) : bitmap(width, height) {
        RECT all{0, 0, width, height};
        TBrushHandle brush(CreateSolidBrush(Letter('.')));
        FillRect(bitmap.DC(), &all, brush.Get());
    }
    HDC DC() const { return bitmap.DC(); }
    // One row of the target as letters ('?' for a colour without one).
    std::string Row(int y, int from = 0, int to = -1) const {
        if (to < 0) to = bitmap.Width();
        std::string out;
        for (int x = from; x < to; ++x)
            out += Name(bitmap.Pixel(x, y));
        return out;
    }
    std::string Column(int x) const {
        std::string out;
        for (int y = 0; y < bitmap.Height(); ++y)
            out += Name(bitmap.Pixel(x, y));
        return out;
    }
    static char Name(COLORREF c) {
        for (char l : std::string("Mrgbwyc."))
            if (Letter(l) == c) return l;
        return '?';
    }
};
