// skintool: the skin author's command line. Each subcommand lives in its own
// <name>_command.cpp and defines one TToolCommand.
//
// To add a subcommand: write its file, then add one line to each of the two
// lists below (its declaration and its place in the table).
#include "tool_command.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <new>

extern const TToolCommand kPackCommand;
extern const TToolCommand kExpandCommand;
extern const TToolCommand kListCommand;
extern const TToolCommand kExtractCommand;
extern const TToolCommand kInfoCommand;
extern const TToolCommand kRenderCommand;
extern const TToolCommand kCheckCommand;

namespace {

// One line per command.
// clang-format off
const TToolCommand* const kCommands[] = {
    &kCheckCommand,
    &kPackCommand,
    &kExpandCommand,
    &kListCommand,
    &kExtractCommand,
    &kInfoCommand,
    &kRenderCommand,
};
// clang-format on

int PrintUsage(std::FILE* to) {
    std::fprintf(to, "usage: skintool COMMAND [ARGS]   (skintool COMMAND --help for details)\n\n");
    for (const TToolCommand* command : kCommands)
        std::fprintf(to, "  %-28s %s\n", command->usage, command->summary);
    return to == stdout ? 0 : 2;
}

const TToolCommand* FindCommand(const char* name) {
    for (const TToolCommand* command : kCommands)
        if (std::strcmp(command->name, name) == 0) return command;
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return PrintUsage(stderr);
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
        std::strcmp(argv[1], "help") == 0)
        return PrintUsage(stdout);
    const TToolCommand* command = FindCommand(argv[1]);
    if (command == nullptr) {
        std::fprintf(stderr, "skintool: unknown command '%s'\n", argv[1]);
        return PrintUsage(stderr);
    }
    try {
        return command->run(TToolArgs(argv + 2, argv + argc));
    } catch (const EToolError& e) {
        std::fprintf(stderr, "skintool %s: %s\n", command->name, e.what());
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "skintool %s: out of memory\n", command->name);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skintool %s: %s\n", command->name, e.what());
    }
    return 1;
}
