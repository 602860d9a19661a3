// Opening a skin file for the read-only subcommands.
#pragma once

#include "core/skin_reader.h"

#include <string>

// Loads the skin file at `path` into `reader`; throws EToolError with the
// reader's reason (and the user-facing version message) when refused.
void LoadSkinFile(const std::string& path, TSkinReader& reader);
