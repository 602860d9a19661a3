// Any text as a skin INI: parsing and every kind of look-up.
#include "core/quick_ini.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TQuickIni ini;
    ini.LoadFromStream(data, size);
    const std::vector<std::string> sections = ini.ReadSections();
    for (const std::string& section : sections) {
        for (const std::string& key : ini.ReadSection(section)) {
            ini.ReadString(section, key, "");
            ini.ReadInteger(section, key, 0);
        }
    }
    ini.ReadString("Buttons", "Image", "none");
    ini.ReadInteger("Personality", "FrameCount", 1);
    return 0;
}
