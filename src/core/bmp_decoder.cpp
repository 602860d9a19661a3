#include "core/bmp_decoder.h"

#include "core/little_endian.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::int32_t kMaxSide = 1 << 15;

// One colour channel described by a bit mask, scaled to 8 bits.
struct TChannel {
    std::uint32_t Mask = 0;
    int Shift = 0;
    int Bits = 0;

    explicit TChannel(std::uint32_t mask = 0) : Mask(mask) {
        if (mask == 0) return;
        while (!(mask & 1)) {
            mask >>= 1;
            ++Shift;
        }
        while (mask & 1) {
            mask >>= 1;
            ++Bits;
        }
    }

    int Extract(std::uint32_t value) const {
        if (Bits == 0) return 0;
        const std::uint32_t raw = (value & Mask) >> Shift;
        if (Bits >= 8) return static_cast<int>(raw >> (Bits - 8));
        const std::uint32_t max = (1u << Bits) - 1;
        return static_cast<int>((raw * 255 + max / 2) / max);
    }
};

struct THeader {
    std::int32_t Width = 0;
    std::int32_t Height = 0; // absolute value
    bool TopDown = false;
    int BitCount = 0;
    std::uint32_t Compression = kBiRgb;
    std::array<TChannel, 3> Masks; // red, green, blue
    std::vector<TColour> Palette;
    std::size_t PixelOffset = 0;
};

bool ReadPalette(const std::uint8_t* data, std::size_t size, std::size_t at, std::size_t count,
                 std::size_t entrySize, THeader& header) {
    if (count > 256 || at > size || count * entrySize > size - at) return false;
    header.Palette.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* p = data + at + i * entrySize;
        header.Palette[i] = MakeColour(p[2], p[1], p[0]);
    }
    return true;
}

bool ReadHeader(const std::uint8_t* data, std::size_t size, std::int64_t maxPixels,
                THeader& header) {
    if (size < kFileHeaderSize + 12 || data[0] != 'B' || data[1] != 'M') return false;
    header.PixelOffset = ReadU32(data + 10);
    const std::uint8_t* info = data + kFileHeaderSize;
    const std::uint32_t infoSize = ReadU32(info);
    if (infoSize < 12 || infoSize > size - kFileHeaderSize) return false;

    std::uint32_t colorsUsed = 0;
    std::size_t entrySize = 4;
    std::int32_t height = 0;
    if (infoSize == 12) { // OS/2 core header
        header.Width = static_cast<std::int32_t>(ReadU16(info + 4));
        height = static_cast<std::int32_t>(ReadU16(info + 6));
        if (ReadU16(info + 8) != 1) return false;
        header.BitCount = static_cast<int>(ReadU16(info + 10));
        entrySize = 3;
    } else {
        if (infoSize < 40) return false;
        header.Width = static_cast<std::int32_t>(ReadU32(info + 4));
        height = static_cast<std::int32_t>(ReadU32(info + 8));
        if (ReadU16(info + 12) != 1) return false;
        header.BitCount = static_cast<int>(ReadU16(info + 14));
        header.Compression = ReadU32(info + 16);
        colorsUsed = ReadU32(info + 32);
    }
    if (header.Width <= 0 || header.Width > kMaxSide || height == 0 || height < -kMaxSide ||
        height > kMaxSide)
        return false;
    header.TopDown = height < 0;
    header.Height = header.TopDown ? -height : height;
    if (static_cast<std::int64_t>(header.Width) * header.Height >
        std::min(maxPixels, kMaxBmpPixels))
        return false;

    std::size_t after = kFileHeaderSize + infoSize;
    switch (header.BitCount) {
    case 1:
    case 4:
    case 8: {
        const std::uint32_t compression = header.Compression;
        const bool ok = compression == kBiRgb || (compression == kBiRle8 && header.BitCount == 8) ||
                        (compression == kBiRle4 && header.BitCount == 4);
        if (!ok) return false;
        if (compression != kBiRgb && header.TopDown) return false;
        const std::size_t maxEntries = std::size_t{1} << header.BitCount;
        const std::size_t count = colorsUsed == 0 ? maxEntries : colorsUsed;
        if (count > maxEntries) return false;
        return ReadPalette(data, size, after, count, entrySize, header);
    }
    case 16:
    case 24:
    case 32:
        break;
    default:
        return false;
    }

    if (header.Compression == kBiBitfields) {
        if (header.BitCount == 24) return false;
        // Version 4 and 5 headers hold the masks themselves; a plain info
        // header is followed by them.
        const std::size_t maskAt = infoSize >= 52 ? kFileHeaderSize + 40 : after;
        if (maskAt > size || size - maskAt < 12) return false;
        for (int i = 0; i < 3; ++i)
            header.Masks[static_cast<std::size_t>(i)] = TChannel(ReadU32(data + maskAt + 4 * i));
    } else if (header.Compression != kBiRgb) {
        return false;
    } else if (header.BitCount == 16) {
        header.Masks = {TChannel(0x7C00), TChannel(0x03E0), TChannel(0x001F)};
    } else if (header.BitCount == 32) {
        header.Masks = {TChannel(0xFF0000), TChannel(0xFF00), TChannel(0xFF)};
    }
    return true;
}

TColour PaletteColour(const THeader& header, std::uint32_t index) {
    return index < header.Palette.size() ? header.Palette[index] : kBlack;
}

int TargetRow(const THeader& header, int fileRow) {
    return header.TopDown ? fileRow : header.Height - 1 - fileRow;
}

TPixelBitmap DecodeUncompressed(const std::uint8_t* data, std::size_t size, const THeader& header) {
    const std::size_t stride =
        ((static_cast<std::size_t>(header.Width) * header.BitCount + 31) / 32) * 4;
    const std::size_t needed = stride * static_cast<std::size_t>(header.Height);
    if (header.PixelOffset > size || size - header.PixelOffset < needed) return {};

    TPixelBitmap bitmap(header.Width, header.Height);
    for (int fileRow = 0; fileRow < header.Height; ++fileRow) {
        const std::uint8_t* src = data + header.PixelOffset + stride * fileRow;
        std::uint8_t* dst = bitmap.Row(TargetRow(header, fileRow));
        for (int x = 0; x < header.Width; ++x, dst += 3) {
            TColour colour = kBlack;
            switch (header.BitCount) {
            case 1:
                colour = PaletteColour(header, (src[x >> 3] >> (7 - (x & 7))) & 1);
                break;
            case 4:
                colour = PaletteColour(header, (src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF);
                break;
            case 8:
                colour = PaletteColour(header, src[x]);
                break;
            case 24:
                colour = MakeColour(src[x * 3 + 2], src[x * 3 + 1], src[x * 3]);
                break;
            default: {
                const std::uint32_t value =
                    header.BitCount == 16 ? ReadU16(src + x * 2) : ReadU32(src + x * 4);
                colour = MakeColour(header.Masks[0].Extract(value), header.Masks[1].Extract(value),
                                    header.Masks[2].Extract(value));
            }
            }
            dst[0] = static_cast<std::uint8_t>(BlueOf(colour));
            dst[1] = static_cast<std::uint8_t>(GreenOf(colour));
            dst[2] = static_cast<std::uint8_t>(RedOf(colour));
        }
    }
    return bitmap;
}

// Run-length decoding. Rows are bottom-up; pixels the stream never sets stay
// palette entry 0. A stream that stops early keeps what it decoded.
class TRleDecoder {
public:
    TRleDecoder(const std::uint8_t* data, std::size_t end, const THeader& header)
        : data_(data), end_(end), header_(header),
          bitmap_(header.Width, header.Height, PaletteColour(header, 0)) {}

    TPixelBitmap Run(std::size_t at) {
        at_ = at;
        const bool four = header_.Compression == kBiRle4;
        while (at_ + 2 <= end_ && row_ < header_.Height) {
            const std::uint8_t count = data_[at_];
            const std::uint8_t value = data_[at_ + 1];
            at_ += 2;
            if (count > 0) {
                for (int i = 0; i < count; ++i)
                    Put(four ? ((i & 1) ? value & 0xF : value >> 4) : value);
            } else if (value == 0) {
                ++row_;
                column_ = 0;
            } else if (value == 1) {
                break;
            } else if (value == 2) {
                if (at_ + 2 > end_) break;
                column_ = std::min(column_ + data_[at_], header_.Width);
                row_ += data_[at_ + 1];
                at_ += 2;
            } else if (!Absolute(value, four)) {
                break;
            }
        }
        return std::move(bitmap_);
    }

private:
    bool Absolute(int count, bool four) {
        const std::size_t bytes = four ? (count + 1) / 2 : count;
        const std::size_t padded = (bytes + 1) & ~std::size_t{1};
        if (end_ - at_ < bytes) return false;
        for (int i = 0; i < count; ++i) {
            const std::uint8_t byte = data_[at_ + (four ? i / 2 : i)];
            Put(four ? ((i & 1) ? byte & 0xF : byte >> 4) : byte);
        }
        at_ += std::min(padded, end_ - at_);
        return true;
    }

    void Put(std::uint32_t index) {
        const int y = header_.Height - 1 - row_;
        if (column_ >= header_.Width) return; // runs past the row end are dropped
        bitmap_.SetPixel(column_, y, PaletteColour(header_, index));
        ++column_;
    }

    const std::uint8_t* data_;
    std::size_t end_;
    std::size_t at_ = 0;
    const THeader& header_;
    TPixelBitmap bitmap_;
    int row_ = 0;
    int column_ = 0;
};

} // namespace

TPixelBitmap DecodeBmp(const std::uint8_t* data, std::size_t size, std::int64_t maxPixels) {
    if (data == nullptr) return {};
    THeader header;
    if (!ReadHeader(data, size, maxPixels, header)) return {};
    if (header.Compression == kBiRle8 || header.Compression == kBiRle4) {
        if (header.PixelOffset >= size) return {};
        return TRleDecoder(data, size, header).Run(header.PixelOffset);
    }
    return DecodeUncompressed(data, size, header);
}
