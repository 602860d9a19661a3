#include "core/skin_reader.h"

#include "core/ascii_text.h"
#include "core/lzh_decoder.h"

#include <algorithm>

const char* const kOlderSkinFileMessage = "This is Older Skin File\rPlease update to new version !";

namespace {

constexpr std::size_t kHeaderSize = 16;

std::int32_t ReadInt32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
        static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24);
}

} // namespace

const char* SkinLoadResultText(TSkinLoadResult result) {
    switch (result) {
    case TSkinLoadResult::Ok:
        return "loaded";
    case TSkinLoadResult::ImageTooShort:
        return "the image is shorter than its 4-byte size";
    case TSkinLoadResult::ExpandedSizeTooLarge:
        return "the declared expanded size is larger than the compressed data can hold "
               "or than any skin needs";
    case TSkinLoadResult::HeaderTruncated:
        return "the archive ends inside its header";
    case TSkinLoadResult::UnknownVersion:
        return "unknown archive version code";
    case TSkinLoadResult::BadNameListLength:
        return "the name list length is negative or runs past the archive";
    case TSkinLoadResult::TooManyNames:
        return "the archive lists more than 1001 files";
    case TSkinLoadResult::SizeTableTruncated:
        return "the archive ends inside its size table";
    case TSkinLoadResult::NegativeFileSize:
        return "a file size is negative";
    case TSkinLoadResult::FilesPastData:
        return "the file sizes run past the end of the archive";
    case TSkinLoadResult::IniTooLarge:
        return "the skin's INI text is too long";
    case TSkinLoadResult::LoadFailed:
        return "the skin could not be loaded (out of memory or a corrupt stream)";
    }
    return "unknown";
}

int SkinVersionBlockLength(std::int32_t versionCode) {
    switch (versionCode) {
    case 20000:
        return 0;
    case 30000:
        return 256;
    case 40000:
        return 80;
    case 50000:
        return 48;
    case 60000:
        return 117;
    default:
        return -1;
    }
}

std::vector<std::string> SplitSkinNameList(const std::uint8_t* text, std::size_t size,
                                           std::size_t maxNames) {
    std::vector<std::string> names;
    const std::size_t end = std::find(text, text + size, 0) - text;
    std::size_t at = 0;
    while (at < end && names.size() <= maxNames) {
        std::size_t stop = at;
        while (stop < end && text[stop] != '\r' && text[stop] != '\n')
            ++stop;
        names.push_back(LowerAscii(std::string(text + at, text + stop)));
        if (stop < end && text[stop] == '\r' && stop + 1 < end && text[stop + 1] == '\n') ++stop;
        at = stop + 1;
    }
    return names;
}

bool TSkinReader::Refuse(TSkinLoadResult result) {
    names_.clear();
    sizes_.clear();
    offsets_.clear();
    data_.clear();
    result_ = result;
    return false;
}

bool TSkinReader::Load(const std::uint8_t* image, std::size_t size) {
    Refuse(TSkinLoadResult::Ok);
    std::fill(std::begin(header_), std::end(header_), 0);
    if (size < 4) return Refuse(TSkinLoadResult::ImageTooShort);

    // Refused before decoding, with the decoder's own bound: past the end of
    // the stream it reads zero bits forever, so a lying size would otherwise
    // run it that long.
    const std::int32_t expandedSize = ReadInt32(image);
    if (expandedSize > 0 && static_cast<std::size_t>(expandedSize) > LzhMaxExpandedSize(size - 4))
        return Refuse(TSkinLoadResult::ExpandedSizeTooLarge);

    std::vector<std::uint8_t> archive;
    TLZH(image + 4, size - 4, archive).Decode(expandedSize);
    return LoadArchive(archive.data(), archive.size());
}

bool TSkinReader::LoadArchive(const std::uint8_t* archive, std::size_t size) {
    Refuse(TSkinLoadResult::Ok);
    std::fill(std::begin(header_), std::end(header_), 0);
    if (size < kHeaderSize) return Refuse(TSkinLoadResult::HeaderTruncated);
    for (int i = 0; i < 4; ++i)
        header_[i] = ReadInt32(archive + 4 * i);

    const int blockLength = SkinVersionBlockLength(header_[0]);
    if (blockLength < 0) return Refuse(TSkinLoadResult::UnknownVersion);
    std::size_t at = kHeaderSize + static_cast<std::size_t>(blockLength);
    if (at > size) return Refuse(TSkinLoadResult::HeaderTruncated);

    const std::int32_t nameListLength = header_[1];
    if (nameListLength < 0 || static_cast<std::size_t>(nameListLength) > size - at)
        return Refuse(TSkinLoadResult::BadNameListLength);
    names_ = SplitSkinNameList(archive + at, static_cast<std::size_t>(nameListLength),
                               static_cast<std::size_t>(kMaxSkinFiles));
    at += static_cast<std::size_t>(nameListLength);
    if (names_.size() > static_cast<std::size_t>(kMaxSkinFiles))
        return Refuse(TSkinLoadResult::TooManyNames);

    if (names_.size() * 4 > size - at) return Refuse(TSkinLoadResult::SizeTableTruncated);
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < names_.size(); ++i, at += 4) {
        const std::int32_t fileSize = ReadInt32(archive + at);
        if (fileSize < 0) return Refuse(TSkinLoadResult::NegativeFileSize);
        sizes_.push_back(fileSize);
        offsets_.push_back(total);
        total += static_cast<std::uint64_t>(fileSize);
    }
    if (total > size - at) return Refuse(TSkinLoadResult::FilesPastData);

    data_.assign(archive + at, archive + size);
    return true;
}

void TSkinReader::CopyFile(std::size_t index, std::vector<std::uint8_t>& out) const {
    const auto begin = data_.begin() + static_cast<std::ptrdiff_t>(offsets_[index]);
    out.assign(begin, begin + sizes_[index]);
}

bool TSkinReader::GetFileByName(const std::string& name, std::vector<std::uint8_t>& out) const {
    out.clear();
    const std::string wanted = LowerAscii(name);
    const auto found = std::find(names_.begin(), names_.end(), wanted);
    if (found == names_.end()) return false;
    CopyFile(static_cast<std::size_t>(found - names_.begin()), out);
    return true;
}

bool TSkinReader::FindFileByNamePart(const std::string& part, std::vector<std::uint8_t>& out,
                                     std::string& foundName) const {
    out.clear();
    if (part.empty()) return false;
    const auto found = std::find_if(names_.begin(), names_.end(), [&](const std::string& name) {
        return name.find(part) != std::string::npos;
    });
    if (found == names_.end()) return false;
    CopyFile(static_cast<std::size_t>(found - names_.begin()), out);
    foundName = *found;
    return true;
}
