#include "core/bmp_writer.h"

namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

} // namespace

std::vector<std::uint8_t> EncodeBmp24(const TPixelBitmap& bitmap) {
    const std::uint32_t width = static_cast<std::uint32_t>(bitmap.Width());
    const std::uint32_t height = static_cast<std::uint32_t>(bitmap.Height());
    const std::uint32_t stride = (width * 3 + 3) & ~3u;
    const std::uint32_t imageSize = stride * height;
    const std::uint32_t offset = 14 + 40;

    std::vector<std::uint8_t> out;
    out.reserve(offset + imageSize);
    out.push_back('B');
    out.push_back('M');
    PutU32(out, offset + imageSize);
    PutU32(out, 0);
    PutU32(out, offset);

    PutU32(out, 40);
    PutU32(out, width);
    PutU32(out, height);
    PutU16(out, 1);  // planes
    PutU16(out, 24); // bits per pixel
    PutU32(out, 0);  // BI_RGB
    PutU32(out, imageSize);
    PutU32(out, 2835); // 72 dpi
    PutU32(out, 2835);
    PutU32(out, 0);
    PutU32(out, 0);

    for (std::uint32_t row = height; row-- > 0;) {
        const std::uint8_t* pixels = bitmap.Row(static_cast<int>(row));
        out.insert(out.end(), pixels, pixels + width * 3);
        out.resize(out.size() + (stride - width * 3), 0);
    }
    return out;
}
