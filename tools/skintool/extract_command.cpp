// skintool extract SKIN NAME OUT: one archived file, looked up like the loader does.
#include "tool_command.h"

#include "skin_file.h"

#include <cstdio>

namespace {

const char* const kUsage = "extract SKIN NAME OUT";
const char* const kDescription =
    "Writes the file NAME of the skin file SKIN to OUT. NAME is matched without\n"
    "regard to the case of A-Z, as the skin loader does.";

int RunExtractCommand(const TToolArgs& args) {
    if (WantsHelp(args)) return PrintCommandHelp(kUsage, kDescription);
    RequireArgs(args, 3, kUsage);
    TSkinReader reader;
    LoadSkinFile(args[0], reader);
    std::vector<std::uint8_t> bytes;
    if (!reader.GetFileByName(args[1], bytes))
        throw EToolError(args[0] + " holds no file named " + args[1]);
    WriteFileBytes(args[2], bytes);
    std::printf("%s: %zu bytes\n", args[2].c_str(), bytes.size());
    return 0;
}

} // namespace

extern const TToolCommand kExtractCommand = {"extract", kUsage, "extract one file of a skin file",
                                             RunExtractCommand};
