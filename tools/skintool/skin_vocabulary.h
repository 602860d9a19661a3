// The INI vocabulary the skin loader reads: which sections and keys it knows
// and what kind of value each key takes, for the checks that catch a
// misspelt or misused name.
#pragma once

#include <string>
#include <vector>

enum class TValueKind {
    Text,    // taken as written
    Integer, // decimal, $hex or 0xhex
    Colour,  // three decimal numbers, red green blue
    Picture, // a .bmp file of the skin
};

struct TKnownKey {
    std::string Name;
    TValueKind Kind;
};

// The keys the loader reads in `section` (matched as the loader matches it:
// letter case ignored, caption buttons and extra colours by their prefix);
// nullptr for a section it never reads.
const std::vector<TKnownKey>* KeysOfSection(const std::string& section);

// The known key of `keys` named `key` (case ignored), or nullptr.
const TKnownKey* FindKey(const std::vector<TKnownKey>& keys, const std::string& key);

// True for a section the loader reads as a caption button.
bool IsCaptionButtonSection(const std::string& section);

// The section names the loader reads by name, in the docs' spelling.
std::vector<std::string> KnownSectionNames();

// The candidate closest to `word` when it is a likely misspelling of it (at
// most two letters added, dropped, changed or swapped, case ignored); empty
// otherwise.
std::string NearestName(const std::string& word, const std::vector<std::string>& candidates);
