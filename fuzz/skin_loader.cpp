// The whole skin loader on arbitrary skin file bytes: expansion, archive
// index, INI, every bitmap the INI names and the derived images.
#include "core/lzh_decoder.h"
#include "core/skin_loader.h"

#include <cstddef>
#include <cstdint>
#include <new>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TSkinModel model;
    try {
        LoadSkin(model, data, size);
    } catch (const ElzhException&) {
        // A corrupt bit stream is reported to the caller; that is the contract.
    } catch (const std::bad_alloc&) {
    }
    return 0;
}
