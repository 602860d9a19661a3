#pragma once
// A 24-bit bitmap held as a DIB section: its pixels are reachable directly
// (rows bottom-up, each padded to 4 bytes) and it has a memory DC for GDI.
#include "toolkit/canvas.h"
#include "toolkit/colours.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/persistent.h"

#include <cstdint>
#include <memory>
#include <vector>

class TBitmap : public TPersistent {
    VELMORA_CLASS()
public:
    TBitmap() = default;
    TBitmap(int width, int height) { SetSize(width, height); }
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    // Recreates the pixels (black); false if the DIB section cannot be made.
    bool SetSize(int width, int height);
    // Of this size, keeping the pixels when it is already (a kept buffer).
    bool Fit(int width, int height) {
        return (!Empty() && width_ == width && height_ == height) || SetSize(width, height);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return !handle_; }

    // Reads a whole .bmp file (any bit depth GDI accepts); an unreadable or
    // inconsistent file leaves the bitmap empty and returns false.
    bool LoadFromBmpBytes(const std::vector<std::uint8_t>& bytes);
    void SetData(const std::vector<std::uint8_t>& bytes) { LoadFromBmpBytes(bytes); }
    // The pixels as a 24-bit .bmp file.
    std::vector<std::uint8_t> SaveToBmpBytes() const;

    HBITMAP Handle() const { return handle_.Get(); }
    std::uint8_t* Bits() const { return bits_; }
    int Stride() const { return (width_ * 3 + 3) & ~3; }
    COLORREF Pixel(int x, int y) const;
    // The colour drawn as transparent: the bottom-left pixel.
    COLORREF TransparentColor() const { return Pixel(0, height_ - 1); }

    HDC DC() const; // a memory DC with the bitmap selected, made on first use
    TCanvas& Canvas() const;

private:
    void Release();

    int width_ = 0;
    int height_ = 0;
    std::uint8_t* bits_ = nullptr;
    TBitmapHandle handle_;
    mutable TMemoryDC dc_;
    mutable HGDIOBJ oldBitmap_ = nullptr;
    mutable std::unique_ptr<TCanvas> canvas_;
};
