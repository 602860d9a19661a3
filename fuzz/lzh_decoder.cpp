// Any bytes as a skin file image: the decoder must stay inside its tables and
// its output, whatever the tree and the positions say, and refuse a size
// beyond its own bound before writing anything. Sizes up to that bound (48
// bytes per input byte) are decoded, so outputs reach far past 64 KB and the
// tree rebuilds along the way.
#include "core/lzh_decoder.h"

#include <cstddef>
#include <cstdint>

namespace {

// Decodes `size` and checks what came out against what was asked.
void DecodeAndCheck(const std::uint8_t* stream, std::size_t streamSize, std::int32_t size) {
    std::vector<std::uint8_t> out;
    const bool fits = size <= 0 || static_cast<std::size_t>(size) <= LzhMaxExpandedSize(streamSize);
    try {
        TLZH(stream, streamSize, out).Decode(size);
    } catch (const ElzhException&) {
        if (fits || !out.empty()) __builtin_trap();
        return;
    }
    if (!fits) __builtin_trap();
    const std::size_t wanted = size > 0 ? static_cast<std::size_t>(size) : 0;
    // A final match is copied whole: up to 59 bytes more.
    if (out.size() < wanted || out.size() > wanted + kLzhMaxMatch - 1) __builtin_trap();
    if (wanted == 0 && !out.empty()) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const auto declared = static_cast<std::int32_t>(data[0] | data[1] << 8 | data[2] << 16 |
                                                    static_cast<std::uint32_t>(data[3]) << 24);
    DecodeAndCheck(data + 4, size - 4, declared);
    // A size past the bound is refused at once; decode the stream all the
    // same, with the size folded into the bound.
    const std::size_t bound = LzhMaxExpandedSize(size - 4);
    if (declared > 0 && static_cast<std::size_t>(declared) > bound)
        DecodeAndCheck(data + 4, size - 4,
                       static_cast<std::int32_t>(static_cast<std::size_t>(declared) % (bound + 1)));
    return 0;
}
