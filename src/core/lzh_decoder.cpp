#include "core/lzh_decoder.h"

#include "core/lzh_tree.h"

#include <algorithm>
#include <array>
#include <memory>
#include <cstring>
#include <new>

const char* const kLzhNoMemoryMessage = "LZH : Cannot get memory for dictionary tables";
const char* const kLzhSizeTooLargeMessage = "LZH : Expanded size is larger than the data can hold";

namespace {

constexpr std::array<std::uint8_t, 256> MakePositionCodes() {
    // Runs of (value count, repeat): 0 x32, 1..3 x16, 4..11 x8, 12..23 x4,
    // 24..47 x2, 48..63 x1.
    std::array<std::uint8_t, 256> table{};
    const int runs[][3] = {{0, 0, 32},  {1, 3, 16},  {4, 11, 8},
                           {12, 23, 4}, {24, 47, 2}, {48, 63, 1}};
    int at = 0;
    for (const auto& run : runs)
        for (int value = run[0]; value <= run[1]; ++value)
            for (int n = 0; n < run[2]; ++n)
                table[at++] = static_cast<std::uint8_t>(value);
    return table;
}

constexpr std::array<std::uint8_t, 256> MakePositionLengths() {
    std::array<std::uint8_t, 256> table{};
    const int runs[][2] = {{3, 32}, {4, 48}, {5, 64}, {6, 48}, {7, 48}, {8, 16}};
    int at = 0;
    for (const auto& run : runs)
        for (int n = 0; n < run[1]; ++n)
            table[at++] = static_cast<std::uint8_t>(run[0]);
    return table;
}

constexpr auto kPositionCodes = MakePositionCodes();
constexpr auto kPositionLengths = MakePositionLengths();

// For each first byte: the upper position bits already shifted into place
// and the total bit count of the coded position (length + 6).
struct TPositionEntry {
    std::uint16_t upper;
    std::uint8_t bits;
};
constexpr std::array<TPositionEntry, 256> MakePositionEntries() {
    std::array<TPositionEntry, 256> table{};
    for (int v = 0; v < 256; ++v)
        table[v] = {static_cast<std::uint16_t>(kPositionCodes[v] << 6),
                    static_cast<std::uint8_t>(kPositionLengths[v] + 6)};
    return table;
}
constexpr auto kPositionEntries = MakePositionEntries();

// Written out so that compilers turn it into one load and a byte swap.
inline std::uint64_t LoadBigEndian64(const std::uint8_t* p) {
    return std::uint64_t{p[0]} << 56 | std::uint64_t{p[1]} << 48 | std::uint64_t{p[2]} << 40 |
           std::uint64_t{p[3]} << 32 | std::uint64_t{p[4]} << 24 | std::uint64_t{p[5]} << 16 |
           std::uint64_t{p[6]} << 8 | std::uint64_t{p[7]};
}

// MSB-first bit input over a borrowed buffer. Bits are kept left-aligned in a
// 64-bit word; past the end of the input the stream continues with zeros.
class TBitInput {
public:
    TBitInput(const std::uint8_t* data, std::size_t size) : next_(data), end_(data + size) {}

    // Leaves at least 56 bits buffered.
    void Refill() {
        const auto count = static_cast<unsigned>(63 - __builtin_ctzll(bits_));
        std::uint64_t bits = bits_ & (bits_ - 1); // without the end mark
        unsigned filled = count;
        if (end_ - next_ >= 8) {
            bits |= LoadBigEndian64(next_) >> count;
            next_ += (63 - count) >> 3;
            filled |= 56;
        } else {
            while (filled < 56) {
                if (next_ != end_) bits |= static_cast<std::uint64_t>(*next_++) << (56 - filled);
                filled += 8;
            }
        }
        // The fast path loaded part of the next byte too: cut it at the mark.
        const std::uint64_t mark = std::uint64_t{1} << (63 - filled);
        bits_ = (bits & ~(mark - 1)) | mark;
    }

    bool HasFewerThan(unsigned n) const { return (bits_ << n) == 0; }

    // Using bits is shifting them out, the end mark along with them.
    std::uint64_t Bits() const { return bits_; }
    void Consumed(std::uint64_t rest) { bits_ = rest; }
    std::uint32_t Peek(unsigned n) const { return static_cast<std::uint32_t>(bits_ >> (64 - n)); }
    void Skip(unsigned n) { bits_ <<= n; }

private:
    const std::uint8_t* next_;
    const std::uint8_t* end_;
    // The buffered bits, left-aligned, then a single 1 bit marking their end.
    std::uint64_t bits_ = std::uint64_t{1} << 63;
};

// The output gets room for the whole size at once, which Decode has bounded
// by what the stream can hold: it never grows while decoding.
class TOutput {
public:
    // Room for the longest match plus the 8-byte over-copy of CopyMatch.
    static constexpr std::size_t kSlack = kLzhMaxMatch + 8;

    TOutput(std::vector<std::uint8_t>& target, std::size_t size)
        : target_(target), base_(target.size()) {
        const std::size_t room = target.max_size() - base_;
        if (room < kSlack || size > room - kSlack) throw ElzhException(kLzhSizeTooLargeMessage);
        target_.resize(base_ + size + kSlack);
        start_ = dst_ = target_.data() + base_;
    }
    ~TOutput() { target_.resize(base_ + Produced()); }
    TOutput(const TOutput&) = delete;
    TOutput& operator=(const TOutput&) = delete;

    std::size_t Produced() const { return static_cast<std::size_t>(dst_ - start_); }

    // The hot loop writes through a local copy of the cursor: stores through
    // a byte pointer could otherwise alias every member.
    std::uint8_t* Cursor() const { return dst_; }
    const std::uint8_t* Start() const { return start_; }
    void MovedTo(std::uint8_t* dst) { dst_ = dst; }

private:
    std::vector<std::uint8_t>& target_;
    std::size_t base_;
    std::uint8_t* start_ = nullptr;
    std::uint8_t* dst_ = nullptr;
};

// Copies `length` bytes from `distance` back (1..4096) to dst and returns the
// new end. Bytes before `start`, the start of this expansion, are the ring's
// initial spaces. May write up to 7 bytes past the end (TOutput::kSlack).
inline std::uint8_t* CopyMatch(std::uint8_t* dst, const std::uint8_t* start, std::size_t distance,
                               int length) {
    if (distance > static_cast<std::size_t>(dst - start)) {
        for (int k = 0; k < length; ++k, ++dst)
            *dst = distance > static_cast<std::size_t>(dst - start)
                       ? 0x20
                       : dst[-static_cast<std::ptrdiff_t>(distance)];
        return dst;
    }
    const std::uint8_t* src = dst - distance;
    if (distance >= 8) {
        // Chunks of 8 never read bytes they have not yet written.
        for (int k = 0; k < length; k += 8)
            std::memcpy(dst + k, src + k, 8);
    } else {
        for (int k = 0; k < length; ++k)
            dst[k] = src[k];
    }
    return dst + length;
}

// Walks from the root to a leaf, one bit per level, on a local copy of the
// buffered bits so that they stay in a register for the whole walk.
inline std::uint32_t DecodeSymbol(const TLzhTree& tree, TBitInput& in) {
    std::uint64_t bits = in.Bits();
    std::size_t node = tree.child[TLzhTree::kRoot];
    while (node < TLzhTree::kNodes) {
        // The carry out of bits + bits is the top bit, which picks the child.
        std::uint64_t shifted;
        const bool bit = __builtin_add_overflow(bits, bits, &shifted);
        bits = shifted;
        node = tree.child[node + bit];
        VELMORA_LZH_WIDE(node);
    }
    in.Consumed(bits);
    return static_cast<std::uint32_t>(node - TLzhTree::kNodes);
}

void Expand(TLzhTree& tree, TBitInput& input, TOutput& output, std::size_t size) {
    tree.Start();
    // Locals, so that they live in registers across the byte stores.
    TBitInput in = input;
    const std::uint8_t* const start = output.Start();
    std::uint8_t* dst = output.Cursor();
    std::uint8_t* const stop = dst + size;
    while (dst < stop) {
        // A sibling-ordered tree whose root count stays at or below 0x8000
        // is at most 22 levels deep (its weights grow at least like the
        // Fibonacci numbers), so 32 buffered bits always cover one code.
        if (in.HasFewerThan(32)) in.Refill();
        const auto symbol = DecodeSymbol(tree, in);
        tree.Update(symbol);
        if (symbol < 256) {
            *dst++ = static_cast<std::uint8_t>(symbol);
            continue;
        }
        if (in.HasFewerThan(14)) in.Refill();
        const std::uint32_t coded = in.Peek(14);
        const TPositionEntry entry = kPositionEntries[coded >> 6];
        const std::uint32_t low = (coded >> (14 - entry.bits)) & 0x3F;
        in.Skip(entry.bits);
        const std::size_t distance = (entry.upper | low) + 1u;
        dst = CopyMatch(dst, start, distance, static_cast<int>(symbol) - 256 + kLzhMinMatch);
    }
    output.MovedTo(dst);
    input = in;
}

} // namespace

std::size_t LzhMaxExpandedSize(std::size_t streamSize) {
    constexpr std::size_t kBytesPerTenStreamBytes = 8 * kLzhMaxMatch;
    // Past the cap the product is not needed, so it is never formed.
    if (streamSize / 10 >= kLzhMaxExpandedSize / kBytesPerTenStreamBytes)
        return kLzhMaxExpandedSize;
    return std::min(streamSize / 10 * kBytesPerTenStreamBytes + kBytesPerTenStreamBytes,
                    kLzhMaxExpandedSize);
}

const std::array<std::uint8_t, 256> kLzhPositionCode = kPositionCodes;
const std::array<std::uint8_t, 256> kLzhPositionLength = kPositionLengths;

void TLZH::Decode(std::int32_t size) {
    if (size <= 0) return;
    // Past the end of the input the stream reads as zero bits forever: only
    // this bound keeps a lying size from running the decoder that long.
    if (static_cast<std::size_t>(size) > LzhMaxExpandedSize(inputSize_))
        throw ElzhException(kLzhSizeTooLargeMessage);
    std::unique_ptr<TLzhTree> tree;
    try {
        tree = std::make_unique<TLzhTree>();
    } catch (const std::bad_alloc&) {
        throw ElzhException(kLzhNoMemoryMessage);
    }
    TBitInput in(input_, inputSize_);
    TOutput out(output_, static_cast<std::size_t>(size));
    Expand(*tree, in, out, static_cast<std::size_t>(size));
}

std::vector<std::uint8_t> LzhExpandImage(const std::uint8_t* image, std::size_t size) {
    std::vector<std::uint8_t> output;
    if (size < 4) return output;
    const auto declared = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(image[0]) | static_cast<std::uint32_t>(image[1]) << 8 |
        static_cast<std::uint32_t>(image[2]) << 16 | static_cast<std::uint32_t>(image[3]) << 24);
    TLZH(image + 4, size - 4, output).Decode(declared);
    return output;
}
