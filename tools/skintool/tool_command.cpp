#include "tool_command.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

bool WantsHelp(const TToolArgs& args) {
    return std::any_of(args.begin(), args.end(),
                       [](const std::string& a) { return a == "--help" || a == "-h"; });
}

int PrintCommandHelp(const char* usage, const char* description) {
    std::printf("usage: skintool %s\n\n%s\n", usage, description);
    return 0;
}

void RequireArgs(const TToolArgs& args, std::size_t count, const char* usage) {
    if (args.size() != count)
        throw EToolError(std::string("expected: skintool ") + usage + " (see --help)");
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw EToolError("cannot open " + path);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    if (in.bad()) throw EToolError("cannot read " + path);
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw EToolError("cannot create " + path);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw EToolError("cannot write " + path);
}
