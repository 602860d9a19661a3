// The first byte picks the input's form: odd for an expanded archive (header
// checks and look-ups reached directly), even for a compressed skin image.
#include "core/skin_reader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    TSkinReader reader;
    const bool loaded =
        data[0] & 1 ? reader.LoadArchive(data + 1, size - 1) : reader.Load(data + 1, size - 1);
    if (!loaded) {
        if (reader.Count() != 0) __builtin_trap();
        return 0;
    }
    std::vector<std::uint8_t> out;
    for (const std::string& name : reader.Names())
        reader.GetFileByName(name, out);
    std::string found;
    reader.FindFileByNamePart(".ini", out, found);
    reader.GetFileByName("Buttons.BMP", out);
    return 0;
}
