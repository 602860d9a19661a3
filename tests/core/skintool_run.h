#pragma once
// Running the built skin tool from a test, as an author runs it.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>

inline std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Runs skintool with `args` (quoted as needed), its output and errors going
// to `log`; returns its exit status (-1 when it did not exit), the output in
// `output`.
inline int RunSkintool(const std::string& args, const std::filesystem::path& log,
                       std::string& output) {
    const std::string command = std::string("\"") + VELMORA_TOOLS_DIR + "/skintool\" " + args +
                                " >\"" + log.string() + "\" 2>&1";
    const int status = std::system(command.c_str());
    output = ReadWholeFile(log);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
