// The two stored skins, packed by skintool from their sources and loaded the
// way the program loads them.
#include "core/skin_loader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> PackSkin(const std::string& name) {
    const fs::path tool = fs::path(VELMORA_TOOLS_DIR) / "skintool";
    if (!fs::exists(tool)) return {};
    const fs::path out = fs::temp_directory_path() / ("velmora_" + name + "_test.skn");
    const std::string command = "\"" + tool.string() + "\" pack \"" VELMORA_SOURCE_DIR "/skins/" +
                                name + "\" \"" + out.string() + "\" >/dev/null";
    if (std::system(command.c_str()) != 0) return {};
    std::ifstream file(out, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                    std::istreambuf_iterator<char>());
    fs::remove(out);
    return bytes;
}

TEST(StoredSkins, BothLoadCompletely) {
    for (const char* name : {"blue", "yellow"}) {
        const std::vector<std::uint8_t> image = PackSkin(name);
        if (image.empty()) GTEST_SKIP() << "skintool is not built";
        TSkinModel model;
        TSkinLoadResult result = TSkinLoadResult::Ok;
        ASSERT_TRUE(LoadSkin(model, image, &result)) << name << ": " << SkinLoadResultText(result);
        EXPECT_FALSE(model.SkinNotLoaded) << name;
        EXPECT_FALSE(model.SkinName.empty()) << name;
        for (const TDataSkinBorder* border : {&model.Left, &model.Right, &model.Top, &model.Bottom})
            EXPECT_FALSE(border->Bitmap.Empty()) << name << " " << border->Name;
        EXPECT_FALSE(model.Buttons.Bitmap.Empty()) << name;
        EXPECT_FALSE(model.Buttons.CheckBitmap.Empty()) << name;
        EXPECT_GT(model.SysButtonRecords.size(), 3u) << name;
        for (const TDataSkinObject* slot : std::initializer_list<const TDataSkinObject*>{
                 model.MenuItem.get(), model.Scrollbar.get(), model.HorzScrollThumb.get(),
                 model.Tabs.get(), model.ComboButton.get(), model.Track.get(),
                 model.ToolbarBackground.get(), model.ComboArrow.get()}) {
            ASSERT_NE(slot, nullptr) << name;
            EXPECT_FALSE(slot->Bitmap.Empty()) << name << " " << slot->Name;
        }
        EXPECT_TRUE(model.ColourGiven[sciButtonFace]) << name;
    }
}

} // namespace
