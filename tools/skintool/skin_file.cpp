#include "skin_file.h"

#include "tool_command.h"

#include "core/lzh_decoder.h"

#include <algorithm>

void LoadSkinFile(const std::string& path, TSkinReader& reader) {
    const std::vector<std::uint8_t> image = ReadFileBytes(path);
    bool loaded = false;
    try {
        loaded = reader.Load(image);
    } catch (const ElzhException& e) {
        throw EToolError(path + ": " + e.what());
    }
    if (loaded) return;
    std::string reason = SkinLoadResultText(reader.LastResult());
    if (reader.IsVersionRefusal()) {
        std::string shown = kOlderSkinFileMessage;
        std::replace(shown.begin(), shown.end(), '\r', ' ');
        reason += " " + std::to_string(reader.VersionCode()) + " (\"" + shown + "\")";
    }
    throw EToolError(path + ": not a skin file: " + reason);
}
