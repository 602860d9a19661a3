// skintool check DIR|SKIN: the mistakes a skin author makes, found before
// the skin is tried.
#include "tool_command.h"

#include "skin_check.h"

#include <cstdio>

namespace {

const char* const kUsage = "check DIR|SKIN";
const char* const kDescription =
    "Checks a skin source folder DIR (or a packed skin file SKIN) for what the\n"
    "loader would silently drop or misread, and prints one line per finding:\n"
    "\n"
    "    FILE [SECTION] KEY: error|warning: what is wrong and what to write\n"
    "\n"
    "Errors: no or several .ini files; UTF-16, byte-order-marked or 0-byte INI\n"
    "text; misspelt sections and keys (with the nearest known name); values that\n"
    "are not a number or not a colour (three numbers, red green blue); pictures\n"
    "named but missing, in a sub-folder, or not ending in lower-case .bmp;\n"
    "pictures that are not BMP files, truncated or undecodable; strips whose\n"
    "width (height, for stacked strips) is not a whole number of frames.\n"
    "Warnings: unknown sections and keys with no near known name, keys and\n"
    "sections written twice, colour numbers above 255, caption buttons without\n"
    "frame=, pictures nobody names, names in mixed case or not ASCII, 32-bit\n"
    "pictures with an alpha channel, fixed edges larger than their frame, and\n"
    "text colours with less than 4.5:1 contrast against what they are drawn on.\n"
    "Then the contrast figures themselves.\n"
    "\n"
    "Exit status: 0 no findings, 2 warnings only (the skin is usable),\n"
    "1 errors (parts of the skin will be missing or wrong).";

int RunCheckCommand(const TToolArgs& args) {
    if (WantsHelp(args)) return PrintCommandHelp(kUsage, kDescription);
    RequireArgs(args, 1, kUsage);
    const TSkinCheck check = CheckSkin(ReadSkinSource(args[0]));
    std::size_t errors = 0;
    for (const TFinding& finding : check.Findings) {
        std::printf("%s\n", FindingLine(finding).c_str());
        errors += finding.Severity == TSeverity::Error;
    }
    if (!check.ContrastFigures.empty()) std::printf("text contrast:\n");
    for (const std::string& figure : check.ContrastFigures)
        std::printf("  %s\n", figure.c_str());
    std::printf("%s: %zu errors, %zu warnings\n", args[0].c_str(), errors,
                check.Findings.size() - errors);
    return CheckExitStatus(check);
}

} // namespace

extern const TToolCommand kCheckCommand = {
    "check", kUsage, "find a skin's mistakes (exit 0 when none)", RunCheckCommand};
