// The skin archive: a skin file image expanded, its header checked, its files
// indexed by name and handed out one at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Shown to the user (by the Windows layer) when an archive's version code is
// unknown: two lines joined by a single CR.
extern const char* const kOlderSkinFileMessage;

enum class TSkinLoadResult {
    Ok,
    ImageTooShort,        // fewer than 4 bytes: no expanded size
    ExpandedSizeTooLarge, // declared size beyond LzhMaxExpandedSize of the stream
    HeaderTruncated,      // expanded archive shorter than its 16-byte header
    UnknownVersion,       // version code not in the table (show kOlderSkinFileMessage)
    BadNameListLength,    // negative, or runs past the end of the archive
    TooManyNames,         // more than kMaxSkinFiles entries
    SizeTableTruncated,   // size table runs past the end of the archive
    NegativeFileSize,
    FilesPastData, // the file sizes add up to more than the archive holds
    // The skin loader's own refusals, after the archive was read:
    IniTooLarge, // the skin's INI text is longer than any skin needs
    LoadFailed,  // an error while loading (out of memory, a corrupt bit stream)
};

// A short English reason for a refusal (for tools and diagnostics).
const char* SkinLoadResultText(TSkinLoadResult result);

class TSkinReader {
public:
    static constexpr int kMaxSkinFiles = 1001;

    // Expands and indexes one skin file image. A reader is loaded once; on
    // refusal the names and data stay empty. A declared expanded size beyond
    // the decoder's bound is refused before decoding. Decoder errors
    // (ElzhException, std::bad_alloc) propagate.
    bool Load(const std::uint8_t* image, std::size_t size);
    bool Load(const std::vector<std::uint8_t>& image) { return Load(image.data(), image.size()); }

    // Indexes an archive that is already expanded (the same checks as Load).
    bool LoadArchive(const std::uint8_t* archive, std::size_t size);

    TSkinLoadResult LastResult() const { return result_; }
    // True when the refusal is the one the user is told about (kOlderSkinFileMessage).
    bool IsVersionRefusal() const { return result_ == TSkinLoadResult::UnknownVersion; }

    std::int32_t VersionCode() const { return header_[0]; }
    const std::vector<std::string>& Names() const { return names_; } // lower-cased
    const std::vector<std::int32_t>& Sizes() const { return sizes_; }
    int Count() const { return static_cast<int>(names_.size()); }

    // Clears `out`; fills it with the file whose lower-cased name equals `name`
    // lower-cased (A-Z only), first match in archive order. Returns whether found.
    bool GetFileByName(const std::string& name, std::vector<std::uint8_t>& out) const;

    // Clears `out`; fills it with the first file whose name contains `part`
    // (case-sensitive, `part` not lower-cased) and sets `foundName`; when none
    // matches (an empty part matches nothing), `foundName` is left unchanged.
    // Returns whether found.
    bool FindFileByNamePart(const std::string& part, std::vector<std::uint8_t>& out,
                            std::string& foundName) const;

private:
    void CopyFile(std::size_t index, std::vector<std::uint8_t>& out) const;
    bool Refuse(TSkinLoadResult result);

    std::int32_t header_[4] = {0, 0, 0, 0};
    std::vector<std::string> names_;
    std::vector<std::int32_t> sizes_;
    std::vector<std::uint64_t> offsets_; // start of each file within data_
    std::vector<std::uint8_t> data_;
    TSkinLoadResult result_ = TSkinLoadResult::Ok;
};

// Version block length for a version code, or -1 for an unknown code.
int SkinVersionBlockLength(std::int32_t versionCode);

// Splits an archive name list: lower-cases A-Z, breaks at CR LF / CR / LF,
// stops at a 0 byte; a final line break adds no entry. Stops once it holds
// more than `maxNames` entries (maxNames + 1, enough to tell a list that
// is too long), so a list of millions of line breaks costs no more.
std::vector<std::string> SplitSkinNameList(const std::uint8_t* text, std::size_t size,
                                           std::size_t maxNames = SIZE_MAX);
