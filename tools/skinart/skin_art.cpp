#include "skin_art.h"

#include "bar_art.h"
#include "bmp_file.h"
#include "button_art.h"
#include "frame_art.h"
#include "menu_art.h"

#include <filesystem>
#include <system_error>

namespace skinart {

SkinOutput PaintSkin(const Palette& p) {
    SkinOutput out;
    AddColours(p, out);
    AddFrame(p, out);
    AddMenus(p, out);
    AddCaptionButtons(p, out);
    AddMdiControls(p, out);
    AddButtons(p, out);
    AddToolBars(p, out);
    AddHeaderBar(p, out);
    AddTabs(p, out);
    AddGroupBox(p, out);
    AddStatusBar(p, out);
    AddScrollbars(p, out);
    AddProgress(p, out);
    AddTrackBars(p, out);
    AddUpDowns(p, out);
    AddComboParts(p, out);
    return out;
}

long WriteSkin(const SkinOutput& skin, const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(folder, ec);
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string ext = entry.path().extension().string();
        if (entry.is_regular_file() && (ext == ".bmp" || ext == ".ini"))
            fs::remove(entry.path(), ec);
    }
    long total = 0;
    const std::string ini = skin.IniText();
    if (!WriteFileBytes(folder + "/skin.ini", std::vector<unsigned char>(ini.begin(), ini.end())))
        return -1;
    total += long(ini.size());
    for (const auto& [name, image] : skin.Images()) {
        const std::vector<unsigned char> bytes = EncodeBmp(image);
        if (!WriteFileBytes(folder + "/" + name, bytes)) return -1;
        total += long(bytes.size());
    }
    return total;
}

} // namespace skinart
