#include "skin_check.h"

#include "check_context.h"

#include "core/ascii_text.h"
#include "core/bmp_decoder.h"
#include "core/skin_loader.h"

#include <algorithm>

std::string FindingLine(const TFinding& f) {
    std::string line = f.File;
    if (!f.Section.empty()) line += " [" + f.Section + "]";
    if (!f.Key.empty()) line += " " + f.Key;
    line += f.Severity == TSeverity::Error ? ": error: " : ": warning: ";
    return line + f.Text;
}

bool TSkinCheck::HasErrors() const {
    return std::any_of(Findings.begin(), Findings.end(),
                       [](const TFinding& f) { return f.Severity == TSeverity::Error; });
}

int CheckExitStatus(const TSkinCheck& check) {
    if (check.HasErrors()) return 1;
    return check.Findings.empty() ? 0 : 2;
}

std::vector<std::string> TCheckContext::Sections() const {
    std::vector<std::string> unique;
    for (const std::string& section : Text.ReadSections()) {
        const bool seen = std::any_of(unique.begin(), unique.end(), [&](const std::string& s) {
            return LowerAscii(s) == LowerAscii(section);
        });
        if (!seen) unique.push_back(section);
    }
    return unique;
}

namespace {

// The loader takes the first archive file whose name holds ".ini"; a
// folder's INI is the one pack would put first.
const TSkinSourceFile* IniOf(const TSkinSource& source) {
    const auto inis = source.WithExtension(".ini");
    if (!inis.empty()) return inis.front();
    for (const TSkinSourceFile& file : source.Files)
        if (file.Path.find(".ini") != std::string::npos) return &file;
    return nullptr;
}

void LoadModel(TCheckContext& c) {
    ParseSkin(c.Model, c.Text, [&c](const std::string& name, std::vector<std::uint8_t>& out) {
        if (const TSkinSourceFile* file = c.Source.Lookup(name)) out = file->Bytes;
    });
}

} // namespace

TSkinCheck CheckSkin(const TSkinSource& source) {
    TSkinCheck result;
    TCheckContext c{source, IniOf(source), {}, {}, result};
    if (c.Ini) c.Text.LoadFromStream(c.Ini->Bytes);
    LoadModel(c);
    CheckIniFiles(c);
    CheckIniKeys(c);
    CheckPictureNames(c);
    CheckPictureFiles(c);
    CheckStrips(c);
    CheckTextContrast(c);
    return result;
}
