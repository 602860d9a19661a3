#include "toolkit/bitmap.h"

#include "core/dib_layout.h"

#include <cstring>

// The portable check speaks of the same structures GDI reads.
static_assert(sizeof(BITMAPFILEHEADER) == kDibFileHeaderSize);
static_assert(sizeof(BITMAPINFOHEADER) == kDibInfoHeaderSize);
static_assert(sizeof(RGBQUAD) == kDibPaletteEntrySize);

const TClassInfo& TBitmap::StaticClass() {
    static const TClassInfo info(L"TBitmap", &TPersistent::StaticClass(), [](TClassInfo& c) {
        c.Binary<TBitmap>(L"Data", &TBitmap::SaveToBmpBytes, &TBitmap::SetData);
    });
    return info;
}

void TBitmap::Release() {
    canvas_.reset();
    if (dc_ && oldBitmap_) SelectObject(dc_.Get(), oldBitmap_);
    oldBitmap_ = nullptr;
    dc_.Reset();
    handle_.Reset();
    bits_ = nullptr;
    width_ = height_ = 0;
}

bool TBitmap::SetSize(int width, int height) {
    Release();
    if (width <= 0 || height <= 0) return false;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    handle_.Reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!handle_) return false;
    bits_ = static_cast<std::uint8_t*>(bits);
    width_ = width;
    height_ = height;
    return true;
}

bool TBitmap::LoadFromBmpBytes(const std::vector<std::uint8_t>& bytes) {
    Release();
    const std::optional<TDibLayout> layout = CheckDibLayout(bytes.data(), bytes.size());
    if (!layout) return false;
    // GDI reads the header and palette from a buffer of exactly that shape.
    const size_t paletteBytes = layout->PaletteEntries * sizeof(RGBQUAD);
    std::vector<std::uint8_t> info(sizeof(BITMAPINFOHEADER) + paletteBytes);
    std::memcpy(info.data(), bytes.data() + kDibFileHeaderSize, sizeof(BITMAPINFOHEADER));
    reinterpret_cast<BITMAPINFOHEADER*>(info.data())->biSize = sizeof(BITMAPINFOHEADER);
    std::memcpy(info.data() + sizeof(BITMAPINFOHEADER), bytes.data() + layout->PaletteAt,
                paletteBytes);
    if (!SetSize(layout->Width, layout->Height)) return false;
    TWindowDC screen(nullptr);
    int rows = SetDIBits(screen.Get(), handle_.Get(), 0, static_cast<UINT>(layout->Height),
                         bytes.data() + layout->PixelsAt,
                         reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
    if (rows <= 0) {
        Release();
        return false;
    }
    return true;
}

std::vector<std::uint8_t> TBitmap::SaveToBmpBytes() const {
    if (!handle_) return {};
    size_t pixels = static_cast<size_t>(Stride()) * height_;
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(ih);
    fh.bfSize = static_cast<DWORD>(fh.bfOffBits + pixels);
    ih.biSize = sizeof(ih);
    ih.biWidth = width_;
    ih.biHeight = height_;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    ih.biSizeImage = static_cast<DWORD>(pixels);
    GdiFlush();
    std::vector<std::uint8_t> out(fh.bfSize);
    std::memcpy(out.data(), &fh, sizeof(fh));
    std::memcpy(out.data() + sizeof(fh), &ih, sizeof(ih));
    std::memcpy(out.data() + fh.bfOffBits, bits_, pixels);
    return out;
}

COLORREF TBitmap::Pixel(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    GdiFlush();
    const std::uint8_t* p = bits_ + static_cast<size_t>(height_ - 1 - y) * Stride() + x * 3;
    return RGB(p[2], p[1], p[0]);
}

HDC TBitmap::DC() const {
    if (!dc_ && handle_) {
        dc_.Reset(CreateCompatibleDC(nullptr));
        if (dc_) oldBitmap_ = SelectObject(dc_.Get(), handle_.Get());
    }
    return dc_.Get();
}

TCanvas& TBitmap::Canvas() const {
    if (!canvas_) canvas_ = std::make_unique<TCanvas>(DC());
    return *canvas_;
}
