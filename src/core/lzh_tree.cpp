#include "core/lzh_tree.h"

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
    for (std::uint32_t i = kNodes + 1; i < kAboveRoot + 2; ++i)
        freq[i] = 0;
    parent[kRoot] = kAboveRoot;
    parent[kAboveRoot] = kAboveRoot;
}

void TLzhTree::Rebuild() {
    // Keep the leaves, in order, with halved counts (still non-decreasing).
    std::uint16_t leafFreq[kSymbols];
    std::uint16_t leafChild[kSymbols];
    std::uint32_t leaves = 0;
    for (std::uint32_t i = 0; i < kNodes; ++i) {
        if (child[i] >= kNodes) {
            leafFreq[leaves] = static_cast<std::uint16_t>((freq[i] + 1) / 2);
            leafChild[leaves] = child[i];
            ++leaves;
        }
    }
    // Pair nodes 0,1 / 2,3 / ... into new nodes, each placed after every
    // node counting no more than it. New counts only grow and always exceed
    // the pair they join, so this is a merge of the leaves with the queue of
    // new nodes, a leaf first on equal counts, and node m's pair is already
    // in place when node m is made.
    std::uint16_t nodeFreq[kSymbols - 1];
    std::uint32_t nextLeaf = 0;
    std::uint32_t nextNode = 0;
    std::uint32_t made = 0;
    for (std::uint32_t p = 0; p < kNodes; ++p) {
        if (nextLeaf < kSymbols && (nextNode == made || leafFreq[nextLeaf] <= nodeFreq[nextNode])) {
            freq[p] = leafFreq[nextLeaf];
            child[p] = leafChild[nextLeaf];
            ++nextLeaf;
        } else {
            freq[p] = nodeFreq[nextNode];
            child[p] = static_cast<std::uint16_t>(2 * nextNode);
            ++nextNode;
        }
        if (p % 2 == 1 && made < kSymbols - 1) {
            nodeFreq[made] = static_cast<std::uint16_t>(freq[p - 1] + freq[p]);
            ++made;
        }
    }
    for (std::uint32_t i = 0; i < kNodes; ++i) {
        const std::uint32_t k = child[i];
        parent[k] = static_cast<std::uint16_t>(i);
        if (k < kNodes) parent[k + 1] = static_cast<std::uint16_t>(i);
    }
}
