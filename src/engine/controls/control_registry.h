#pragma once
// Which skin class draws each kind of control. Mapping decides the kind;
// this table makes the object. A family is drawn once its line is here;
// until then, controls of its kind stay the platform's.
#include "engine/controls/skin_control.h"
#include "engine/controls/skin_kind.h"

#include <memory>

// A new, unattached skin object for the choice; null when no family draws
// its kind yet.
std::unique_ptr<TSkinControl> CreateSkinControl(const TSkinChoice& choice);
bool HasSkinFamily(TSkinKind kind);
