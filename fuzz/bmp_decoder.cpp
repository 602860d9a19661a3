// BMP decoding on arbitrary bytes: every header field, palette and run-length
// stream checked against what is present.
#include "core/bmp_decoder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TPixelBitmap bitmap = DecodeBmp(data, size);
    // Touch every pixel so a short buffer would show.
    unsigned sum = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width() * 3; ++x)
            sum += bitmap.Row(y)[x];
    return static_cast<int>(sum & 0);
}
