#include "core/lzh_tree.h"

#include <cstring>

void TLzhTree::Start() {
    for (std::uint32_t i = 0; i < kSymbols; ++i) {
        freq[i] = 1;
        child[i] = static_cast<std::uint16_t>(i + kNodes);
        parent[i + kNodes] = static_cast<std::uint16_t>(i);
    }
    for (std::uint32_t i = 0, j = kSymbols; j <= kRoot; i += 2, ++j) {
        freq[j] = static_cast<std::uint16_t>(freq[i] + freq[i + 1]);
        child[j] = static_cast<std::uint16_t>(i);
        parent[i] = parent[i + 1] = static_cast<std::uint16_t>(j);
    }
    freq[kNodes] = 0xFFFF;
    freq[kAboveRoot] = 0;
    freq[kAboveRoot + 1] = 0;
    parent[kRoot] = kAboveRoot;
}

void TLzhTree::Rebuild() {
    // Keep the leaves, in order, with halved counts.
    std::uint32_t leaves = 0;
    for (std::uint32_t i = 0; i < kNodes; ++i) {
        if (child[i] >= kNodes) {
            freq[leaves] = static_cast<std::uint16_t>((freq[i] + 1) / 2);
            child[leaves] = child[i];
            ++leaves;
        }
    }
    // Pair them up again; each new node goes after every node of equal count.
    for (std::uint32_t i = 0, j = kSymbols; j < kNodes; i += 2, ++j) {
        const std::uint32_t f = freq[i] + freq[i + 1];
        std::uint32_t k = j;
        while (f < freq[k - 1])
            --k;
        std::memmove(&freq[k + 1], &freq[k], sizeof(freq[0]) * (j - k));
        std::memmove(&child[k + 1], &child[k], sizeof(child[0]) * (j - k));
        freq[k] = static_cast<std::uint16_t>(f);
        child[k] = static_cast<std::uint16_t>(i);
    }
    for (std::uint32_t i = 0; i < kNodes; ++i) {
        const std::uint32_t k = child[i];
        parent[k] = static_cast<std::uint16_t>(i);
        if (k < kNodes) parent[k + 1] = static_cast<std::uint16_t>(i);
    }
}
