#include "skin_archive_writer.h"

#include "core/skin_reader.h"

#include <stdexcept>

namespace {

void AppendInt32(std::vector<std::uint8_t>& target, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        target.push_back(static_cast<std::uint8_t>(v >> shift));
}

} // namespace

std::vector<std::uint8_t> BuildSkinArchive(const std::vector<TSkinArchiveEntry>& entries,
                                           std::int32_t version) {
    const int blockLength = SkinVersionBlockLength(version);
    if (blockLength < 0) throw std::invalid_argument("unknown skin archive version");
    if (entries.size() > static_cast<std::size_t>(TSkinReader::kMaxSkinFiles))
        throw std::invalid_argument("a skin holds at most 1001 files");

    std::string names;
    for (const auto& entry : entries) {
        if (entry.name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
            throw std::invalid_argument("file name holds a line break: " + entry.name);
        names += entry.name + "\r\n";
    }

    std::vector<std::uint8_t> archive;
    AppendInt32(archive, version);
    AppendInt32(archive, static_cast<std::int32_t>(names.size()));
    AppendInt32(archive, 0);
    AppendInt32(archive, 0);
    archive.resize(archive.size() + static_cast<std::size_t>(blockLength), 0);
    archive.insert(archive.end(), names.begin(), names.end());
    for (const auto& entry : entries)
        AppendInt32(archive, static_cast<std::int32_t>(entry.data.size()));
    for (const auto& entry : entries)
        archive.insert(archive.end(), entry.data.begin(), entry.data.end());
    return archive;
}
