#include "lzh_encoder.h"

#include "core/lzh_decoder.h"
#include "core/lzh_tree.h"

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>

namespace {

class TBitOutput {
public:
    explicit TBitOutput(std::vector<std::uint8_t>& target) : target_(target) {}

    // Appends the low `count` bits of `code`, most significant first.
    void Put(std::uint64_t code, unsigned count) {
        for (unsigned n = count; n-- > 0;) {
            pending_ = static_cast<std::uint8_t>(pending_ << 1 | ((code >> n) & 1));
            if (++filled_ == 8) {
                target_.push_back(pending_);
                pending_ = 0;
                filled_ = 0;
            }
        }
    }

    // The last byte is padded with zero bits, which the decoder never reads
    // as symbols because it stops at the expanded size.
    void Flush() {
        if (filled_ > 0) target_.push_back(static_cast<std::uint8_t>(pending_ << (8 - filled_)));
        pending_ = 0;
        filled_ = 0;
    }

private:
    std::vector<std::uint8_t>& target_;
    std::uint8_t pending_ = 0;
    unsigned filled_ = 0;
};

struct TPositionCode {
    std::uint8_t bits;  // code length for the upper six bits
    std::uint8_t value; // the code, right-aligned
};

// Each upper-bits value owns an aligned run of first bytes in the decoder's
// table; its code is the run's common prefix.
std::array<TPositionCode, 64> MakePositionCodes() {
    std::array<TPositionCode, 64> codes{};
    for (int v = 255; v >= 0; --v) {
        const int length = kLzhPositionLength[v];
        codes[kLzhPositionCode[v]] = {static_cast<std::uint8_t>(length),
                                      static_cast<std::uint8_t>(v >> (8 - length))};
    }
    return codes;
}

class TEncoder {
public:
    explicit TEncoder(std::vector<std::uint8_t>& target)
        : out_(target), tree_(std::make_unique<TLzhTree>()), positions_(MakePositionCodes()) {
        tree_->Start();
    }

    void PutSymbol(int symbol) {
        // Walk from the leaf to the root; a node's bit is its offset from its
        // sibling pair's first node.
        std::uint64_t code = 0;
        unsigned length = 0;
        for (std::uint32_t node = tree_->parent[symbol + TLzhTree::kNodes];
             node != TLzhTree::kRoot;) {
            const std::uint32_t up = tree_->parent[node];
            code |= static_cast<std::uint64_t>(node - tree_->child[up]) << length;
            ++length;
            node = up;
        }
        out_.Put(code, length);
        tree_->Update(static_cast<std::uint32_t>(symbol));
    }

    void PutPosition(unsigned position) {
        const TPositionCode& upper = positions_[position >> 6];
        out_.Put(upper.value, upper.bits);
        out_.Put(position & 0x3F, 6);
    }

    void Finish() { out_.Flush(); }

private:
    TBitOutput out_;
    std::unique_ptr<TLzhTree> tree_;
    std::array<TPositionCode, 64> positions_;
};

// Greedy parse with hash chains over a window preceded by the decoder's
// initial spaces, so leading blanks are coded as matches too.
class TMatchFinder {
public:
    static constexpr int kHashBits = 15;
    static constexpr int kMaxChain = 256;

    explicit TMatchFinder(const std::vector<std::uint8_t>& window)
        : window_(window), head_(std::size_t{1} << kHashBits, -1), chain_(window.size(), -1) {}

    void Insert(std::size_t at) {
        if (at + kLzhMinMatch > window_.size()) return;
        const std::size_t h = Hash(at);
        chain_[at] = head_[h];
        head_[h] = static_cast<std::int64_t>(at);
    }

    // Longest match for `at` within the window (distance 1..4096).
    int Longest(std::size_t at, std::size_t& distance) const {
        const int limit =
            static_cast<int>(std::min<std::size_t>(kLzhMaxMatch, window_.size() - at));
        if (limit < kLzhMinMatch) return 0;
        int best = 0;
        int steps = kMaxChain;
        for (std::int64_t s = head_[Hash(at)];
             s >= 0 && at - static_cast<std::size_t>(s) <= kLzhWindowSize && steps-- > 0;
             s = chain_[static_cast<std::size_t>(s)]) {
            const std::size_t from = static_cast<std::size_t>(s);
            int length = 0;
            while (length < limit && window_[from + length] == window_[at + length])
                ++length;
            if (length > best) {
                best = length;
                distance = at - from;
                if (best == limit) break;
            }
        }
        return best;
    }

private:
    std::size_t Hash(std::size_t at) const {
        const std::uint32_t v = window_[at] << 16 | window_[at + 1] << 8 | window_[at + 2];
        return (v * 2654435761u) >> (32 - kHashBits);
    }

    const std::vector<std::uint8_t>& window_;
    std::vector<std::int64_t> head_;
    std::vector<std::int64_t> chain_;
};

} // namespace

std::vector<std::uint8_t> LzhCompress(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> window(kLzhRingStart, 0x20);
    window.insert(window.end(), data, data + size);

    std::vector<std::uint8_t> result;
    TEncoder encoder(result);
    TMatchFinder finder(window);
    for (std::size_t at = 0; at + 1 < kLzhRingStart; ++at)
        finder.Insert(at);

    std::size_t at = kLzhRingStart;
    while (at < window.size()) {
        std::size_t distance = 0;
        int length = finder.Longest(at, distance);
        if (length >= kLzhMinMatch) {
            encoder.PutSymbol(256 + length - kLzhMinMatch);
            encoder.PutPosition(static_cast<unsigned>(distance - 1));
        } else {
            length = 1;
            encoder.PutSymbol(window[at]);
        }
        for (int k = 0; k < length; ++k)
            finder.Insert(at + k);
        at += static_cast<std::size_t>(length);
    }
    encoder.Finish();
    return result;
}

std::vector<std::uint8_t> LzhCompressImage(const std::vector<std::uint8_t>& data) {
    if (data.size() > 0x7FFFFFFF) throw std::length_error("too large for a skin file image");
    const auto size = static_cast<std::uint32_t>(data.size());
    std::vector<std::uint8_t> image = {
        static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
        static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 24)};
    const std::vector<std::uint8_t> stream = LzhCompress(data.data(), data.size());
    image.insert(image.end(), stream.begin(), stream.end());
    return image;
}
