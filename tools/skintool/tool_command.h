// What every skintool subcommand shares: its arguments, its help text and
// the way it reports failure.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

using TToolArgs = std::vector<std::string>;

// A subcommand's entry: receives the arguments after its name, returns the
// exit code.
using TToolRun = int (*)(const TToolArgs& args);

struct TToolCommand {
    const char* name;
    const char* usage;   // "pack DIR OUT"
    const char* summary; // one line for the command list
    TToolRun run;
};

// Thrown for bad input; main prints "skintool: <message>" and exits with 1.
class EToolError : public std::runtime_error {
public:
    explicit EToolError(const std::string& message) : std::runtime_error(message) {}
};

// True when the arguments ask for help ("--help" or "-h" anywhere).
bool WantsHelp(const TToolArgs& args);
// Prints "usage: skintool <usage>" and the description to stdout.
int PrintCommandHelp(const char* usage, const char* description);
// Throws EToolError naming the expected usage unless there are `count` args.
void RequireArgs(const TToolArgs& args, std::size_t count, const char* usage);

std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
