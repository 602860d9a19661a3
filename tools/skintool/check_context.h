// What the individual checks share while one skin is checked.
#pragma once

#include "skin_check.h"

#include "core/quick_ini.h"
#include "core/skin_model.h"

struct TCheckContext {
    const TSkinSource& Source;
    const TSkinSourceFile* Ini = nullptr; // the INI the loader would take
    TQuickIni Text;
    TSkinModel Model; // what the loader makes of the skin
    TSkinCheck& Result;

    void Report(TSeverity severity, const std::string& file, const std::string& section,
                const std::string& key, const std::string& text) const {
        Result.Findings.push_back({severity, file, section, key, text});
    }
    std::string IniName() const { return Ini ? Ini->Path : std::string("skin.ini"); }
    // Each section once, as the loader finds it (the first of a name).
    std::vector<std::string> Sections() const;
};

// One file per subject; each adds its findings to the context.
void CheckIniFiles(TCheckContext& c);     // how many INIs, their encoding
void CheckIniKeys(TCheckContext& c);      // unknown names, value syntax
void CheckPictureNames(TCheckContext& c); // what the INI names against what is there
void CheckPictureFiles(TCheckContext& c); // each picture's bytes
void CheckStrips(TCheckContext& c);       // frames and margins against picture sizes
void CheckTextContrast(TCheckContext& c); // text colours against what they sit on
