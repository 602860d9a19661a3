// The adaptive Huffman tree of the LZH coding: 314 symbols (256 literals and
// the match lengths 3..60), rebuilt with halved counts when the root count
// reaches 0x8000. Shared by the decoder and the skin tool's encoder so both
// sides keep the same model. Update is inline because it runs once per
// decoded symbol; the rare set-up and rebuild live in lzh_tree.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Most tree updates only increment counts; a reorder is the exception.
#if defined(__GNUC__)
#define VELMORA_LZH_RARELY(condition) __builtin_expect(!!(condition), 0)
#else
#define VELMORA_LZH_RARELY(condition) (condition)
#endif

// Keeps a node index as a full register-width value: left alone, compilers
// narrow the loop variable to 16 bits and widen it again on every level.
#if defined(__GNUC__)
#define VELMORA_LZH_WIDE(index) __asm__("" : "+r"(index))
#define VELMORA_LZH_OUT_OF_LINE __attribute__((noinline))
#else
#define VELMORA_LZH_OUT_OF_LINE
#define VELMORA_LZH_WIDE(index) static_cast<void>(index)
#endif

struct TLzhTree {
    static constexpr std::uint32_t kSymbols = 314;
    static constexpr std::uint32_t kNodes = 2 * kSymbols - 1; // T
    static constexpr std::uint32_t kRoot = kNodes - 1;        // R
    static constexpr std::uint32_t kRebuildFrequency = 0x8000;
    // The root's parent: a pseudo-node past every real index whose right
    // neighbour counts 0, so the update walk leaves through its rare
    // "out of order" branch instead of testing for the root on every level.
    // Its own 16-bit count wraps to 0 every 65,536 symbols; then the walk
    // does not leave yet but goes on to its parent, itself, and leaves there.
    static constexpr std::uint32_t kAboveRoot = kNodes + kSymbols;

    // Node order keeps frequencies non-decreasing; freq[kNodes] is a sentinel
    // that stops the swap search. A child entry >= kNodes is a leaf holding
    // symbol (entry - kNodes); parent[kNodes + s] is the node of leaf s.
    // 16-bit entries: counts stay at or below 0x8000 and indexes below 942.
    std::uint16_t freq[kAboveRoot + 2];
    std::uint16_t parent[kAboveRoot + 1];
    std::uint16_t child[kNodes];

    void Start();
    void Rebuild();

    void Update(std::uint32_t symbol) {
        if (VELMORA_LZH_RARELY(freq[kRoot] == kRebuildFrequency)) Rebuild();
        // Indexes are size_t so that c + 1 folds into the addressing.
        std::size_t c = parent[symbol + kNodes];
        for (;;) {
            const std::uint16_t k = ++freq[c];
            if (VELMORA_LZH_RARELY(k > freq[c + 1])) {
                if (c == kAboveRoot) return;
                c = MoveUp(c, k);
            }
            c = parent[c];
        }
    }

private:
    // The first node from `from` on counting at least k; the sentinel
    // guarantees one.
    std::size_t EndOfRun(std::size_t from, std::uint32_t k) const {
#if defined(__SSE2__)
        // Eight counts a step: k - count saturates to 0 exactly where
        // count >= k. Reads past the sentinel stay inside freq.
        const __m128i wanted = _mm_set1_epi16(static_cast<short>(k));
        for (;; from += 8) {
            const __m128i counts = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&freq[from]));
            const __m128i reached =
                _mm_cmpeq_epi16(_mm_subs_epu16(wanted, counts), _mm_setzero_si128());
            const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(reached));
            if (mask != 0) return from + (static_cast<unsigned>(__builtin_ctz(mask)) >> 1);
        }
#else
        while (k > freq[from])
            ++from;
        return from;
#endif
    }

    // Node c's count just became k, above its right neighbour's: swap it
    // with the last node still counting below k (the end of the run of
    // k - 1 counts) so the order holds again. Returns c's new position.
    // Out of line so that the increment loop keeps its registers to itself.
    VELMORA_LZH_OUT_OF_LINE std::size_t MoveUp(std::size_t c, std::uint32_t k) {
        const std::size_t l = EndOfRun(c + 2, k) - 1;
        freq[c] = freq[l];
        freq[l] = static_cast<std::uint16_t>(k);

        const std::size_t i = child[c];
        parent[i] = static_cast<std::uint16_t>(l);
        if (i < kNodes) parent[i + 1] = static_cast<std::uint16_t>(l);
        const std::size_t j = child[l];
        child[l] = static_cast<std::uint16_t>(i);
        parent[j] = static_cast<std::uint16_t>(c);
        if (j < kNodes) parent[j + 1] = static_cast<std::uint16_t>(c);
        child[c] = static_cast<std::uint16_t>(j);
        return l;
    }
};
