// skintool list SKIN: the files a skin archive holds.
#include "tool_command.h"

#include "skin_file.h"

#include <cstdio>

namespace {

const char* const kUsage = "list SKIN";
const char* const kDescription =
    "Lists the files of the skin file SKIN: version code, then one line per file\n"
    "with its size and its (lower-cased) name, in archive order.";

int RunListCommand(const TToolArgs& args) {
    if (WantsHelp(args)) return PrintCommandHelp(kUsage, kDescription);
    RequireArgs(args, 1, kUsage);
    TSkinReader reader;
    LoadSkinFile(args[0], reader);
    std::printf("version %d, %d files\n", reader.VersionCode(), reader.Count());
    for (int i = 0; i < reader.Count(); ++i)
        std::printf("%10d  %s\n", reader.Sizes()[static_cast<std::size_t>(i)],
                    reader.Names()[static_cast<std::size_t>(i)].c_str());
    return 0;
}

} // namespace

extern const TToolCommand kListCommand = {"list", kUsage, "list the files of a skin file",
                                          RunListCommand};
