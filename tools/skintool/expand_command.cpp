// skintool expand IMAGE OUT: writes the expanded archive of a skin file.
#include "tool_command.h"

#include "core/lzh_decoder.h"

#include <cstdio>

namespace {

const char* const kUsage = "expand IMAGE OUT";
const char* const kDescription =
    "Expands the skin file IMAGE (4-byte expanded size, then the LZH stream) and\n"
    "writes the expanded bytes to OUT, without checking that they form an archive.";

int RunExpandCommand(const TToolArgs& args) {
    if (WantsHelp(args)) return PrintCommandHelp(kUsage, kDescription);
    RequireArgs(args, 2, kUsage);
    const std::vector<std::uint8_t> image = ReadFileBytes(args[0]);
    if (image.size() < 4) throw EToolError(args[0] + " is shorter than a skin file's size field");
    const std::int64_t declared = static_cast<std::int32_t>(
        image[0] | image[1] << 8 | image[2] << 16 | static_cast<std::uint32_t>(image[3]) << 24);
    if (declared > 0 && static_cast<std::size_t>(declared) > LzhMaxExpandedSize(image.size() - 4))
        throw EToolError(args[0] + ": declared size " + std::to_string(declared) +
                         " is more than the compressed data can hold");
    std::vector<std::uint8_t> expanded;
    try {
        TLZH(image.data() + 4, image.size() - 4, expanded)
            .Decode(static_cast<std::int32_t>(declared));
    } catch (const ElzhException& e) {
        throw EToolError(e.what());
    }
    WriteFileBytes(args[1], expanded);
    std::printf("%s: %zu bytes\n", args[1].c_str(), expanded.size());
    return 0;
}

} // namespace

extern const TToolCommand kExpandCommand = {"expand", kUsage, "expand a skin file to its archive",
                                            RunExpandCommand};
