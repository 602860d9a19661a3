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

std::vector<COLORREF> ButtonStripProbe(const TDataSkinButton& strip, int frame) {
    const int width = strip.Bitmap.Width() / strip.Frames(), height = strip.Bitmap.Height();
    const auto at = [&](int x, int y) {
        return static_cast<COLORREF>(strip.Bitmap.Pixel((frame - 1) * width + x, y));
    };
    return {at(width / 2, 1), at(width / 2, height - 2)};
}

std::vector<COLORREF> ButtonProbe(const std::vector<COLORREF>& pixels, int stride,
                                  const RECT& button) {
    const auto at = [&](int x, int y) { return pixels[static_cast<size_t>(y) * stride + x]; };
    const int middle = (button.left + button.right) / 2;
    return {at(middle, button.top + 1), at(middle, button.bottom - 2)};
}

TCanvasBitmap::TCanvasBitmap(int w, int h) : w_(w), h_(h), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    old_ = SelectObject(dc_.Get(), bitmap_.Get());
}

TCanvasBitmap::TCanvasBitmap(int w, int h, COLORREF fill) : TCanvasBitmap(w, h) {
    TBrushHandle brush(CreateSolidBrush(fill));
    const RECT all = Rect();
    FillRect(dc_.Get(), &all, brush.Get());
}

TCanvasBitmap::~TCanvasBitmap() {
    SelectObject(dc_.Get(), old_);
}

std::vector<COLORREF> TCanvasBitmap::Pixels() const {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x)
            pixels.push_back(At(x, y));
    return pixels;
}
