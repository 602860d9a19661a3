#include "bmp_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace skinart {
namespace {

void Put16(std::vector<unsigned char>& out, unsigned value) {
    out.push_back(value & 0xFF);
    out.push_back((value >> 8) & 0xFF);
}

void Put32(std::vector<unsigned char>& out, unsigned value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

unsigned char Channel(double v) {
    return static_cast<unsigned char>(std::clamp(std::lround(v), 0L, 255L));
}

} // namespace

std::vector<unsigned char> EncodeBmp(const Image& image) {
    const unsigned rowBytes = (unsigned(image.Width()) * 3 + 3) & ~3u;
    const unsigned pixelBytes = rowBytes * unsigned(image.Height());
    std::vector<unsigned char> out;
    out.reserve(54 + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, 54 + pixelBytes);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40); // BITMAPINFOHEADER
    Put32(out, unsigned(image.Width()));
    Put32(out, unsigned(image.Height())); // positive: rows bottom-up
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0); // BI_RGB
    Put32(out, pixelBytes);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = image.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb& p = image.At(x, y);
            // Only real key pixels may come out as pure magenta; anti-aliased
            // neighbours that round onto it would turn transparent by accident.
            unsigned char r = Channel(p.r), g = Channel(p.g), b = Channel(p.b);
            if (r == 255 && g == 0 && b == 255 && !IsKey(p)) g = 1;
            out.push_back(b);
            out.push_back(g);
            out.push_back(r);
        }
        for (unsigned pad = unsigned(image.Width()) * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    return out;
}

bool WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file);
}

} // namespace skinart
