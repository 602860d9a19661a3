// Each picture's bytes: a BMP the loader decodes whole, without an alpha
// channel that it would throw away.
#include "check_context.h"

#include "core/bmp_decoder.h"
#include "core/little_endian.h"

#include <cstdlib>

namespace {

constexpr std::size_t kHeaderBytes = 14 + 16; // file header and the info header up to biCompression

struct TBmpFacts {
    std::int64_t Width = 0, Height = 0;
    int BitCount = 0;
    std::uint32_t Compression = 0;
    std::size_t PixelsAt = 0;
    std::size_t Stride() const {
        return static_cast<std::size_t>((Width * BitCount + 31) / 32 * 4);
    }
    std::size_t PixelsEnd() const {
        return PixelsAt + Stride() * static_cast<std::size_t>(std::llabs(Height));
    }
};

TBmpFacts ReadFacts(const std::vector<std::uint8_t>& b) {
    TBmpFacts f;
    f.PixelsAt = ReadU32(&b[10]);
    f.Width = ReadI32(&b[18]);
    f.Height = ReadI32(&b[22]);
    f.BitCount = static_cast<int>(ReadU16(&b[28]));
    f.Compression = ReadU32(&b[30]);
    return f;
}

// Whether a 32-bit picture's fourth bytes vary: then they are an alpha
// channel, which the loader ignores.
bool CarriesAlpha(const std::vector<std::uint8_t>& b, const TBmpFacts& f) {
    if (f.BitCount != 32 || f.PixelsEnd() > b.size()) return false;
    const std::uint8_t first = b[f.PixelsAt + 3];
    for (std::size_t at = f.PixelsAt + 3; at < f.PixelsEnd(); at += 4)
        if (b[at] != first) return true;
    return false;
}

void CheckPicture(TCheckContext& c, const TSkinSourceFile& file) {
    const auto error = [&](const std::string& text) {
        c.Report(TSeverity::Error, file.Path, "", "", text);
    };
    const std::vector<std::uint8_t>& b = file.Bytes;
    if (b.size() < 2 || b[0] != 'B' || b[1] != 'M') {
        error("is not a BMP file (it does not start with \"BM\"): save it as a Windows bitmap");
        return;
    }
    if (b.size() < kHeaderBytes) {
        error("is truncated: " + std::to_string(b.size()) + " bytes hold no whole BMP header");
        return;
    }
    const TBmpFacts f = ReadFacts(b);
    const bool uncompressed = f.Compression == 0 || f.Compression == 3;
    if (uncompressed && f.BitCount > 0 && f.PixelsEnd() > b.size()) {
        error("is truncated: its header promises " + std::to_string(f.PixelsEnd()) +
              " bytes, the file holds " + std::to_string(b.size()) + "; save it again");
        return;
    }
    if (DecodeBmp(b).Empty()) {
        error("cannot be decoded (a damaged or unsupported BMP): the element stays empty; save "
              "it as an uncompressed 24-bit BMP");
        return;
    }
    if (CarriesAlpha(b, f))
        c.Report(TSeverity::Warning, file.Path, "", "",
                 "is a 32-bit picture with an alpha channel, which the loader ignores: "
                 "see-through pixels show their colour (often black); paint them 255 0 255 and "
                 "save as 24-bit");
}

} // namespace

void CheckPictureFiles(TCheckContext& c) {
    for (const TSkinSourceFile& file : c.Source.Files)
        if (!file.InSubFolder() && LowerExtension(file.Path) == ".bmp") CheckPicture(c, file);
}
