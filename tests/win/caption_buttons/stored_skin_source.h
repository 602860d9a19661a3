#pragma once
// The stored yellow skin, reached through the main form's description.
// Kept apart: the main form's headers and the form skin object's both
// declare a border kind named bkNone.
#include <memory>

class TComponent;
class TSkinData;

// Reads the main form's description; `data` gets its skin data component.
std::unique_ptr<TComponent> ReadStoredSkins(TSkinData*& data);
