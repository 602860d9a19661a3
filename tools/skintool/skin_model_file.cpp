#include "skin_model_file.h"

#include "tool_command.h"

#include "core/skin_loader.h"

void LoadSkinModelFile(const std::string& path, TSkinModel& model) {
    TSkinLoadResult result = TSkinLoadResult::Ok;
    if (!LoadSkin(model, ReadFileBytes(path), &result))
        throw EToolError(path + ": not a skin file: " + SkinLoadResultText(result));
}
