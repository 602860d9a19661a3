// Any bytes as a skin file image: the decoder must stay inside its tables and
// its output, whatever the tree and the positions say.
#include "core/lzh_decoder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const auto declared = static_cast<std::int32_t>(data[0] | data[1] << 8 | data[2] << 16 |
                                                    static_cast<std::uint32_t>(data[3]) << 24);
    // Past the input the stream is zero bits: bound the size like the reader
    // does, and to a skin's order of size so that each run stays quick.
    const std::int64_t limit =
        std::min<std::int64_t>(480 * static_cast<std::int64_t>(size - 4) + 64, 64 * 1024);
    const auto size32 = static_cast<std::int32_t>(std::min<std::int64_t>(declared, limit));
    std::vector<std::uint8_t> out;
    TLZH(data + 4, size - 4, out).Decode(size32);
    if (size32 > 0 && out.size() < static_cast<std::size_t>(size32)) __builtin_trap();
    if (size32 > 0 && out.size() >= static_cast<std::size_t>(size32) + 60) __builtin_trap();
    return 0;
}
