#include "skin_source.h"

#include "skin_file.h"
#include "tool_command.h"

#include "core/ascii_text.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

std::string TSkinSourceFile::Name() const {
    const std::size_t slash = Path.rfind('/');
    return slash == std::string::npos ? Path : Path.substr(slash + 1);
}

std::string PictureFileName(const std::string& value) {
    const std::size_t slash = value.find_last_of("\\/");
    return slash == std::string::npos ? value : value.substr(slash + 1);
}

std::string LowerExtension(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : LowerAscii(name.substr(dot));
}

std::vector<const TSkinSourceFile*> TSkinSource::WithExtension(const std::string& ext) const {
    std::vector<const TSkinSourceFile*> found;
    for (const TSkinSourceFile& file : Files)
        if (!file.InSubFolder() && LowerExtension(file.Path) == ext) found.push_back(&file);
    return found;
}

const TSkinSourceFile* TSkinSource::Lookup(const std::string& name) const {
    const std::string wanted = LowerAscii(name);
    for (const TSkinSourceFile& file : Files)
        if (!file.InSubFolder() && LowerAscii(file.Path) == wanted) return &file;
    return nullptr;
}

namespace {

TSkinSource ReadFolder(const fs::path& dir) {
    TSkinSource source;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        if (!entry.is_regular_file()) continue;
        source.Files.push_back({fs::relative(entry.path(), dir).generic_string(),
                                ReadFileBytes(entry.path().string())});
    }
    std::sort(source.Files.begin(), source.Files.end(),
              [](const TSkinSourceFile& a, const TSkinSourceFile& b) { return a.Path < b.Path; });
    return source;
}

TSkinSource ReadPacked(const std::string& path) {
    TSkinReader reader;
    LoadSkinFile(path, reader);
    TSkinSource source;
    source.Packed = true;
    for (const std::string& name : reader.Names()) {
        TSkinSourceFile file{name, {}};
        reader.GetFileByName(name, file.Bytes);
        source.Files.push_back(std::move(file));
    }
    return source;
}

} // namespace

TSkinSource ReadSkinSource(const std::string& path) {
    std::error_code error;
    TSkinSource source =
        fs::is_directory(path, error) ? ReadFolder(fs::path(path)) : ReadPacked(path);
    source.Where = path;
    return source;
}
