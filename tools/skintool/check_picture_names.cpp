// Picture names: every picture the INI names must be in the skin under a
// name the loader finds, and every picture in the skin should be named.
#include "check_context.h"

#include "skin_vocabulary.h"

#include "core/ascii_text.h"

#include <algorithm>
#include <set>

namespace {

struct TPictureRef {
    std::string Section, Key, Value;
};

std::vector<TPictureRef> PictureRefs(const TCheckContext& c) {
    std::vector<TPictureRef> refs;
    for (const std::string& section : c.Sections()) {
        const std::vector<TKnownKey>* known = KeysOfSection(section);
        if (!known) continue;
        for (const TKnownKey& key : *known) {
            if (key.Kind != TValueKind::Picture) continue;
            const std::string value = c.Text.ReadString(section, key.Name, "");
            if (!value.empty()) refs.push_back({section, key.Name, value});
        }
    }
    return refs;
}

bool IsAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

const TSkinSourceFile* InSubFolder(const TSkinSource& source, const std::string& name) {
    for (const TSkinSourceFile& file : source.Files)
        if (file.InSubFolder() && LowerAscii(file.Name()) == LowerAscii(name)) return &file;
    return nullptr;
}

void CheckRef(TCheckContext& c, const TPictureRef& ref, std::set<std::string>& used) {
    const auto report = [&](TSeverity severity, const std::string& text) {
        c.Report(severity, c.IniName(), ref.Section, ref.Key, text);
    };
    const std::string name = PictureFileName(ref.Value);
    used.insert(LowerAscii(name));
    const std::string ext = name.size() >= 4 ? name.substr(name.size() - 4) : std::string();
    if (ext != ".bmp") {
        report(TSeverity::Error, LowerAscii(ext) == ".bmp"
                                     ? "\"" + ref.Value +
                                           "\": the loader reads only names ending "
                                           "in lower-case .bmp; write " +
                                           LowerAscii(name)
                                     : "\"" + ref.Value +
                                           "\" is not a .bmp picture: the loader "
                                           "reads only .bmp pictures");
        return;
    }
    if (name != ref.Value)
        report(TSeverity::Warning, "\"" + ref.Value +
                                       "\": the folder part is ignored; the loader "
                                       "looks for " +
                                       name + " next to the INI");
    if (!IsAscii(name))
        report(TSeverity::Warning, "\"" + name +
                                       "\" is not an ASCII name: it only matches a "
                                       "file whose name has the INI's very bytes; use lower-case "
                                       "ASCII names");
    const TSkinSourceFile* file = c.Source.Lookup(name);
    if (!file) {
        const TSkinSourceFile* nested = c.Source.Packed ? nullptr : InSubFolder(c.Source, name);
        report(TSeverity::Error,
               nested ? name + " is in the sub-folder " + nested->Path +
                            ", which pack ignores: "
                            "move it next to the INI"
                      : name + " is not in the skin: the element stays empty; add the picture "
                               "or correct the name");
        return;
    }
    if (file->Path != name && !c.Source.Packed)
        report(TSeverity::Warning, "\"" + name + "\" differs from the file name " + file->Path +
                                       " in letter case; the loader finds it, but write both "
                                       "in lower case");
}

void CheckUnused(TCheckContext& c, const std::set<std::string>& used) {
    for (const TSkinSourceFile& file : c.Source.Files) {
        if (LowerExtension(file.Path) != ".bmp") continue;
        if (file.InSubFolder()) {
            if (!used.count(LowerAscii(file.Name())))
                c.Report(TSeverity::Warning, file.Path, "", "",
                         "is in a sub-folder, which pack ignores, and the INI does not name it");
            continue;
        }
        if (!used.count(LowerAscii(file.Path)))
            c.Report(TSeverity::Warning, file.Path, "", "",
                     "is named by no key of the INI: it only makes the skin larger");
        if (!c.Source.Packed && file.Path != LowerAscii(file.Path))
            c.Report(TSeverity::Warning, file.Path, "", "",
                     "the skin file keeps its name as " + LowerAscii(file.Path) +
                         ": rename it so in the folder too");
    }
}

} // namespace

void CheckPictureNames(TCheckContext& c) {
    if (!c.Ini) return;
    std::set<std::string> used;
    for (const TPictureRef& ref : PictureRefs(c))
        CheckRef(c, ref, used);
    CheckUnused(c, used);
}
