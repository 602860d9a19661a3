// Where the loader read an element record's picture, for tools that speak
// of records in the skin author's terms (INI section and key).
#pragma once

#include "core/skin_model.h"

#include <string>

struct TElementSource {
    std::string Section; // empty for the records the loader builds itself
    std::string Key;
    // "Personality menuBar", "Buttons", "Button2"
    std::string Label() const;
};

TElementSource SourceOf(const TSkinModel& skin, const TDataSkinObject& element);
