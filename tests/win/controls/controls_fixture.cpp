#include "controls_fixture.h"

std::vector<COLORREF> BitmapPixels(HDC dc, HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<COLORREF> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    for (COLORREF& p : pixels)
        p = RGB(GetBValue(p), GetGValue(p), GetRValue(p)); // 0x00RRGGBB to COLORREF
    return pixels;
}

namespace {

std::vector<COLORREF> ScreenPixels(HWND window, bool whole) {
    RECT area{};
    if (whole) {
        GetWindowRect(window, &area);
        OffsetRect(&area, -area.left, -area.top);
    } else {
        GetClientRect(window, &area);
    }
    TWindowDC screen(window, whole);
    TMemoryDC dc(CreateCompatibleDC(screen.Get()));
    TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), area.right, area.bottom));
    {
        TSelectObject keep(dc.Get(), bitmap.Get());
        BitBlt(dc.Get(), 0, 0, area.right, area.bottom, screen.Get(), 0, 0, SRCCOPY);
    }
    return BitmapPixels(dc.Get(), bitmap.Get(), area.right, area.bottom);
}

} // namespace

std::vector<COLORREF> ClientPixels(HWND window) {
    return ScreenPixels(window, false);
}

std::vector<COLORREF> WindowPixels(HWND window) {
    return ScreenPixels(window, true);
}
