// skintool pack DIR OUT: one INI and the BMP files of a folder become a
// compressed version-40000 skin file.
#include "tool_command.h"

#include "skin_check.h"

#include "lzh_encoder.h"
#include "skin_archive_writer.h"

#include "core/skin_reader.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace {

const char* const kUsage = "pack [--force] DIR OUT";
const char* const kDescription =
    "Packs the skin sources in DIR (exactly one .ini file and any number of .bmp\n"
    "files; other files are ignored) into the skin file OUT: a version 40000\n"
    "archive, INI first, then the bitmaps in name order, LZH-compressed behind a\n"
    "4-byte expanded size.\n"
    "\n"
    "The folder is checked first, as `skintool check` does: warnings are printed\n"
    "and the skin is packed; with any error nothing is written, unless --force\n"
    "is given.";

std::vector<TSkinArchiveEntry> CollectSkinSources(const std::filesystem::path& dir) {
    std::error_code error;
    if (!std::filesystem::is_directory(dir, error))
        throw EToolError(dir.string() + " is not a folder");
    std::vector<std::filesystem::path> inis;
    std::vector<std::filesystem::path> bitmaps;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (!entry.is_regular_file()) continue;
        const std::string ext = LowerExtension(entry.path().filename().string());
        if (ext == ".ini") inis.push_back(entry.path());
        if (ext == ".bmp") bitmaps.push_back(entry.path());
    }
    if (inis.size() != 1) {
        std::string names;
        for (const auto& ini : inis)
            names += (names.empty() ? " (" : ", ") + ini.filename().string();
        throw EToolError(dir.string() + " must hold exactly one .ini file, found " +
                         std::to_string(inis.size()) + (names.empty() ? "" : names + ")"));
    }
    std::sort(bitmaps.begin(), bitmaps.end());

    std::vector<TSkinArchiveEntry> entries;
    for (const auto& path : inis)
        entries.push_back({path.filename().string(), ReadFileBytes(path.string())});
    for (const auto& path : bitmaps) {
        TSkinArchiveEntry entry{path.filename().string(), ReadFileBytes(path.string())};
        if (entry.data.size() < 2 || entry.data[0] != 'B' || entry.data[1] != 'M')
            throw EToolError(path.string() + " is not a BMP file");
        entries.push_back(std::move(entry));
    }
    if (entries.size() > static_cast<std::size_t>(TSkinReader::kMaxSkinFiles))
        throw EToolError("a skin holds at most 1001 files");
    return entries;
}

// Prints the findings; false when an error forbids packing.
bool CheckBeforePacking(const std::string& dir, bool force) {
    const TSkinCheck check = CheckSkin(ReadSkinSource(dir));
    for (const TFinding& finding : check.Findings)
        std::fprintf(stderr, "%s\n", FindingLine(finding).c_str());
    return !check.HasErrors() || force;
}

int RunPackCommand(const TToolArgs& given) {
    if (WantsHelp(given)) return PrintCommandHelp(kUsage, kDescription);
    TToolArgs args = given;
    const auto forced = std::find(args.begin(), args.end(), "--force");
    const bool force = forced != args.end();
    if (force) args.erase(forced);
    RequireArgs(args, 2, kUsage);
    const std::vector<TSkinArchiveEntry> entries = CollectSkinSources(args[0]);
    if (!CheckBeforePacking(args[0], force))
        throw EToolError(args[0] + " has errors (above): not packed; correct them, or pack "
                                   "anyway with --force");
    std::vector<std::uint8_t> archive;
    try {
        archive = BuildSkinArchive(entries);
    } catch (const std::invalid_argument& e) {
        throw EToolError(e.what());
    }
    const std::vector<std::uint8_t> image = LzhCompressImage(archive);
    WriteFileBytes(args[1], image);
    std::printf("%s: %zu files, %zu bytes expanded, %zu bytes packed\n", args[1].c_str(),
                entries.size(), archive.size(), image.size());
    return 0;
}

} // namespace

extern const TToolCommand kPackCommand = {"pack", kUsage, "pack a skin folder into a skin file",
                                          RunPackCommand};
