// Loading a skin file the way the program does, for the subcommands that
// show what the loader reads.
#pragma once

#include "core/skin_model.h"

#include <string>

// Loads the skin file at `path` into `model`; throws EToolError with the
// reason when the archive is refused.
void LoadSkinModelFile(const std::string& path, TSkinModel& model);
