// The adaptive Huffman tree of the LZH coding: 314 symbols (256 literals and
// the match lengths 3..60), rebuilt with halved counts when the root count
// reaches 0x8000. Shared by the decoder and the skin tool's encoder so both
// sides keep the same model; inline because it sits on the decoder's hot path.
#pragma once

#include <cstdint>
#include <cstring>

struct TLzhTree {
    static constexpr int kSymbols = 314;
    static constexpr int kNodes = 2 * kSymbols - 1; // T
    static constexpr int kRoot = kNodes - 1;        // R
    static constexpr std::uint32_t kRebuildFrequency = 0x8000;

    // Node order keeps frequencies non-decreasing; freq[kNodes] is a sentinel
    // that stops the swap search. A child entry >= kNodes is a leaf holding
    // symbol (entry - kNodes); parent[kNodes + s] is the node of leaf s.
    std::uint32_t freq[kNodes + 1];
    std::int32_t parent[kNodes + kSymbols];
    std::int32_t child[kNodes];

    void Start() {
        for (int i = 0; i < kSymbols; ++i) {
            freq[i] = 1;
            child[i] = i + kNodes;
            parent[i + kNodes] = i;
        }
        for (int i = 0, j = kSymbols; j <= kRoot; i += 2, ++j) {
            freq[j] = freq[i] + freq[i + 1];
            child[j] = i;
            parent[i] = parent[i + 1] = j;
        }
        freq[kNodes] = 0xFFFF;
        parent[kRoot] = 0;
    }

    void Rebuild() {
        int leaves = 0;
        for (int i = 0; i < kNodes; ++i) {
            if (child[i] >= kNodes) {
                freq[leaves] = (freq[i] + 1) / 2;
                child[leaves] = child[i];
                ++leaves;
            }
        }
        for (int i = 0, j = kSymbols; j < kNodes; i += 2, ++j) {
            const std::uint32_t f = freq[i] + freq[i + 1];
            int k = j - 1;
            while (f < freq[k])
                --k;
            ++k; // after every node of equal frequency
            std::memmove(&freq[k + 1], &freq[k], sizeof(freq[0]) * (j - k));
            std::memmove(&child[k + 1], &child[k], sizeof(child[0]) * (j - k));
            freq[k] = f;
            child[k] = i;
        }
        for (int i = 0; i < kNodes; ++i) {
            const int k = child[i];
            parent[k] = i;
            if (k < kNodes) parent[k + 1] = i;
        }
    }

    void Update(int symbol) {
        if (freq[kRoot] == kRebuildFrequency) Rebuild();
        int c = parent[symbol + kNodes];
        do {
            const std::uint32_t k = ++freq[c];
            if (k > freq[c + 1]) {
                int l = c + 1;
                while (k > freq[l + 1])
                    ++l;
                freq[c] = freq[l];
                freq[l] = k;

                const int i = child[c];
                parent[i] = l;
                if (i < kNodes) parent[i + 1] = l;
                const int j = child[l];
                child[l] = i;
                parent[j] = c;
                if (j < kNodes) parent[j + 1] = c;
                child[c] = j;
                c = l;
            }
            c = parent[c];
        } while (c != 0);
    }
};
