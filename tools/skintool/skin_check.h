// `skintool check`: what a skin author gets wrong, found before the skin is
// packed or tried. Each finding names the file, the INI section and key it
// is about, says what the loader will do with it and what to write instead.
#pragma once

#include "skin_source.h"

#include <string>
#include <vector>

enum class TSeverity {
    Warning, // the skin loads, but not quite as written
    Error,   // the loader drops or misreads part of the skin
};

struct TFinding {
    TSeverity Severity = TSeverity::Error;
    std::string File;    // "skin.ini", "buttons.bmp"; the folder for the skin as a whole
    std::string Section; // without brackets; empty when the finding has none
    std::string Key;
    std::string Text;
};

// "skin.ini [Buttons] Bitmap: error: ..."
std::string FindingLine(const TFinding& finding);

struct TSkinCheck {
    std::vector<TFinding> Findings;
    // "caption text on the title (active)  7.31:1", one per text colour
    // measured against what it is drawn on.
    std::vector<std::string> ContrastFigures;
    bool HasErrors() const;
};

TSkinCheck CheckSkin(const TSkinSource& source);

// The exit status of `check`: 0 without findings, 2 with warnings only (the
// skin is usable), 1 with errors.
int CheckExitStatus(const TSkinCheck& check);
