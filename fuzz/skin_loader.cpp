// The whole skin loader on arbitrary skin file bytes: expansion, archive
// index, INI, every bitmap the INI names and the derived images. The loader
// turns every error into a refusal; here, where memory is plenty, a load
// that failed half-way (LoadFailed) is a fault of its own.
#include "core/skin_loader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TSkinModel model;
    TSkinLoadResult result = TSkinLoadResult::Ok;
    const bool loaded = LoadSkin(model, data, size, &result);
    if (loaded == model.SkinNotLoaded) __builtin_trap();
    if (result == TSkinLoadResult::LoadFailed) __builtin_trap();
    return 0;
}
