// Builds expanded skin archives (header, version block, name list, size
// table, file bytes) for the skin tool and for tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TSkinArchiveEntry {
    std::string name;
    std::vector<std::uint8_t> data;
};

constexpr std::int32_t kSkinArchiveVersion = 40000;

// Names are written as given, each followed by CR LF; the version block is
// zero-filled. Throws std::invalid_argument for an unknown version code, a
// name holding a line break or 0 byte, or more files than a reader accepts.
std::vector<std::uint8_t> BuildSkinArchive(const std::vector<TSkinArchiveEntry>& entries,
                                           std::int32_t version = kSkinArchiveVersion);
