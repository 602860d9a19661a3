// The platform names its built-in bitmaps only when asked to.
#define OEMRESOURCE
#include "engine/menus/menu_paint_tools.h"

namespace {

// An 8x8 checkerboard of the face and highlight colours, as the platform
// shows a pressed-in glyph box.
TBitmapHandle DitherPattern() {
    TMemoryDC dc(CreateCompatibleDC(nullptr));
    TWindowDC screen(nullptr);
    TBitmapHandle pattern(CreateCompatibleBitmap(screen.Get(), 8, 8));
    if (!dc || !pattern) return pattern;
    TSelectObject keep(dc.Get(), pattern.Get());
    const COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            SetPixel(dc.Get(), x, y, ((x + y) & 1) ? light : face);
    return pattern;
}

} // namespace

LOGFONTW MenuLogFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return metrics.lfMenuFont;
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    return font;
}

TMenuPaintTools::TMenuPaintTools() {
    LOGFONTW font = MenuLogFont();
    font_.Reset(CreateFontIndirectW(&font));
    font.lfWeight = FW_BOLD;
    bold_.Reset(CreateFontIndirectW(&font));
    check_.Reset(LoadBitmapW(nullptr, MAKEINTRESOURCEW(OBM_CHECK)));
    BITMAP info{};
    if (check_ && GetObjectW(check_.Get(), sizeof(info), &info))
        checkSize_ = SIZE{info.bmWidth, info.bmHeight};
    ditherPattern_ = DitherPattern();
    if (ditherPattern_) dither_.Reset(CreatePatternBrush(ditherPattern_.Get()));
}
