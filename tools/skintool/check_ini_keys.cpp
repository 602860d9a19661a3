// Names and values of the INI: sections and keys the loader never reads
// (most often a misspelling of one it does), keys written twice, and values
// that do not read as the number or colour the key takes.
#include "check_context.h"

#include "skin_vocabulary.h"

#include "core/ascii_text.h"
#include "core/skin_loader.h"

#include <cctype>
#include <set>

namespace {

void CheckUnknownName(TCheckContext& c, const std::string& section, const std::string& key,
                      const std::string& what, const std::vector<std::string>& known) {
    const std::string name = key.empty() ? section : key;
    const std::string nearest = NearestName(name, known);
    if (nearest.empty())
        c.Report(TSeverity::Warning, c.IniName(), section, key,
                 "unknown " + what + ": the loader never reads it");
    else
        c.Report(TSeverity::Error, c.IniName(), section, key,
                 "unknown " + what + ", ignored by the loader: did you mean " + nearest + "?");
}

std::vector<std::string> NamesOf(const std::vector<TKnownKey>& keys) {
    std::vector<std::string> names;
    for (const TKnownKey& key : keys)
        names.push_back(key.Name);
    return names;
}

void CheckInteger(TCheckContext& c, const std::string& section, const std::string& key,
                  const std::string& value) {
    std::string text = value;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.replace(0, 2, "$");
    std::int32_t number = 0;
    if (!ParseSkinInteger(text, number))
        c.Report(TSeverity::Error, c.IniName(), section, key,
                 "\"" + value +
                     "\" is not a whole number: the loader uses the default; write "
                     "digits only (or $hex)");
}

// Three numbers of up to three digits, split by blanks or commas.
bool IsColourText(const std::string& value, bool& overflow) {
    int numbers = 0;
    overflow = false;
    for (std::size_t at = 0; at < value.size();) {
        const char ch = value[at];
        if (std::isdigit(static_cast<unsigned char>(ch))) {
            const std::size_t end = value.find_first_not_of("0123456789", at);
            const std::string digits = value.substr(at, end - at);
            if (digits.size() > 3) return false;
            overflow = overflow || std::stoi(digits) > 255;
            ++numbers;
            at = end == std::string::npos ? value.size() : end;
        } else if (ch == ' ' || ch == ',' || ch == '\t') {
            ++at;
        } else {
            return false;
        }
    }
    return numbers == 3;
}

void CheckColour(TCheckContext& c, const std::string& section, const std::string& key,
                 const std::string& value) {
    bool overflow = false;
    const TColour read = ParseColour(value);
    const std::string readAs = std::to_string(RedOf(read)) + " " + std::to_string(GreenOf(read)) +
                               " " + std::to_string(BlueOf(read));
    if (!IsColourText(value, overflow))
        c.Report(TSeverity::Error, c.IniName(), section, key,
                 "\"" + value + "\" is not a colour the loader reads (it reads " + readAs +
                     "); write three numbers, red green blue, such as 38 124 66");
    else if (overflow)
        c.Report(TSeverity::Warning, c.IniName(), section, key,
                 "\"" + value + "\" has a number above 255: the loader reads " + readAs);
}

void CheckValue(TCheckContext& c, const std::string& section, const TKnownKey& key) {
    const std::string value = c.Text.ReadString(section, key.Name, "");
    if (value.empty()) return;
    if (key.Kind == TValueKind::Integer) CheckInteger(c, section, key.Name, value);
    if (key.Kind == TValueKind::Colour) CheckColour(c, section, key.Name, value);
}

void CheckCaptionFrames(TCheckContext& c, const std::string& section) {
    if (c.Text.ReadString(section, "ButtonImage", "").empty()) return;
    if (!c.Text.ReadString(section, "frame", "").empty()) return;
    const std::int32_t action = c.Text.ReadInteger(section, "Action", 0);
    if (action == 3 || action == 11) {
        c.Report(TSeverity::Warning, c.IniName(), section, "frame",
                 "missing: without it the loader drops the picture of this system-menu button");
        return;
    }
    c.Report(TSeverity::Warning, c.IniName(), section, "frame",
             "missing: the loader guesses 3 or 6 frames from the picture's shape; caption "
             "buttons have 4 (normal, pressed, hot, inactive): write frame=4");
}

void CheckSection(TCheckContext& c, const std::string& section,
                  const std::vector<TKnownKey>& known) {
    std::set<std::string> seen;
    for (const std::string& key : c.Text.ReadSection(section)) {
        if (!seen.insert(LowerAscii(key)).second) {
            c.Report(TSeverity::Warning, c.IniName(), section, key,
                     "written twice: the loader reads only the first; remove the other");
            continue;
        }
        if (const TKnownKey* k = FindKey(known, key))
            CheckValue(c, section, *k);
        else
            CheckUnknownName(c, section, key, "key", NamesOf(known));
    }
    if (IsCaptionButtonSection(section)) CheckCaptionFrames(c, section);
}

void CheckStrayLines(TCheckContext& c) {
    const auto& lines = c.Text.Lines();
    if (!lines.empty() && lines.front().front() != '[')
        c.Report(TSeverity::Warning, c.IniName(), "", "",
                 "\"" + lines.front() +
                     "\" comes before the first [section]: the loader never "
                     "reads it");
}

} // namespace

void CheckIniKeys(TCheckContext& c) {
    if (!c.Ini) return;
    CheckStrayLines(c);
    const auto all = c.Text.ReadSections();
    std::set<std::string> seen;
    for (const std::string& section : all)
        if (!seen.insert(LowerAscii(section)).second)
            c.Report(TSeverity::Warning, c.IniName(), section, "",
                     "section written twice: the loader reads only the first; merge them");
    for (const std::string& section : c.Sections()) {
        if (const std::vector<TKnownKey>* known = KeysOfSection(section))
            CheckSection(c, section, *known);
        else
            CheckUnknownName(c, section, "", "section", KnownSectionNames());
    }
}
