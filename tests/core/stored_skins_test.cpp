// The two stored skins as the loader sees them: every element the painters
// draw is present with the frame layout they expect, and the frame takes the
// shape of the rounded top corners.

#include "core/colour.h"
#include "core/skin_loader.h"

#include "lzh_encoder.h"
#include "skin_archive_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}

// Packs the skin folder the way the build does and loads the packed image.
std::unique_ptr<TSkinModel> LoadStoredSkin(const std::string& folder) {
    const std::filesystem::path dir = std::filesystem::path(VELMORA_SOURCE_DIR) / "skins" / folder;
    std::vector<TSkinArchiveEntry> entries;
    for (const auto& file : std::filesystem::directory_iterator(dir))
        entries.push_back({file.path().filename().string(), ReadAll(file.path().string())});
    auto model = std::make_unique<TSkinModel>();
    EXPECT_TRUE(LoadSkin(*model, LzhCompressImage(BuildSkinArchive(entries))));
    return model;
}

class StoredSkin : public testing::TestWithParam<const char*> {};

TEST_P(StoredSkin, EveryElementHasAPictureWithWholeFrames) {
    const auto m = LoadStoredSkin(GetParam());
    ASSERT_FALSE(m->SkinNotLoaded);
    EXPECT_FALSE(m->SkinName.empty());
    struct Slot {
        const char* name;
        const TDataSkinObject* record;
        int frames;
    };
    const Slot slots[] = {
        {"Progress", m->Progress.get(), 1},
        {"Progress.Chunk", m->ProgressChunk.get(), 1},
        {"GroupBoxEdge", m->GroupBoxEdge.get(), 2},
        {"GroupBox", m->GroupBox.get(), 1},
        {"Tabs", m->Tabs.get(), 5},
        {"StatusBarEdges", m->StatusBarEdges.get(), 3},
        {"Tab.Pane", m->TabPane.get(), 1},
        {"ToolBars", m->ToolBars.get(), 5},
        {"ExtraImages", m->ExtraImages.get(), 5},
        {"Headerbar", m->Headerbar.get(), 4},
        {"MenuItem", m->MenuItem.get(), 5},
        {"MenuBackground", m->MenuBackground.get(), 1},
        {"Scrollbar", m->Scrollbar.get(), 23},
        {"HorzScroll", m->HorzScroll.get(), 4},
        {"VertScroll", m->VertScroll.get(), 4},
        {"HorzScrollThumb", m->HorzScrollThumb.get(), 3},
        {"VertScrollThumb", m->VertScrollThumb.get(), 3},
        {"Trackbar.ThumbHorz", m->TrackbarThumbHorz.get(), 5},
        {"Trackbar.ThumbVert", m->TrackbarThumbVert.get(), 5},
        {"Trackbar.ThumbLeft", m->TrackbarThumbLeft.get(), 5},
        {"Trackbar.ThumbRight", m->TrackbarThumbRight.get(), 5},
        {"Trackbar.ThumbUp", m->TrackbarThumbUp.get(), 5},
        {"Trackbar.ThumbDown", m->TrackbarThumbDown.get(), 5},
        {"UpDown.Horz", m->UpDownHorz.get(), 8},
        {"UpDown.Vert", m->UpDownVert.get(), 8},
        {"Track", m->Track.get(), 1},
        {"TRACKVERT", m->TrackVert.get(), 1},
        {"ComboButton", m->ComboButton.get(), 4},
        {"SunkEdge", m->SunkEdge.get(), 4},
    };
    for (const Slot& s : slots) {
        ASSERT_NE(s.record, nullptr) << s.name;
        EXPECT_FALSE(s.record->Bitmap.Empty()) << s.name;
        EXPECT_EQ(s.record->FrameCount, s.frames) << s.name;
        EXPECT_EQ(s.record->Bitmap.Width() % s.frames, 0) << s.name;
    }
    for (const TDataSkinBorder* glyphs : {m->UpDownHorz.get(), m->UpDownVert.get()})
        EXPECT_EQ(glyphs->Bitmap2.Width() % 8, 0);
    ASSERT_NE(m->MenuBarImage, nullptr);
    EXPECT_EQ(m->MenuBarImage->Bitmap.Height() % 2, 0);
    EXPECT_EQ(m->Buttons.Bitmap.Width() % 5, 0);
    EXPECT_EQ(m->Buttons.CheckFrameCount, 12);
    EXPECT_EQ(m->Buttons.RadioFrameCount, 8);
    EXPECT_EQ(m->Buttons.CheckBitmap.Width(), 12 * 13);
    EXPECT_EQ(m->Buttons.RadioBitmap.Width(), 8 * 13);
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15, 16, 18})
        EXPECT_TRUE(m->ColourGiven[i]) << "colour " << i;
}

TEST_P(StoredSkin, FrameHasActiveAndInactiveLooksAndRoundedTopCorners) {
    const auto m = LoadStoredSkin(GetParam());
    ASSERT_FALSE(m->SkinNotLoaded);
    EXPECT_EQ(m->Top.Bitmap.Height() / m->Top.FrameCount, 30);
    EXPECT_EQ(m->Left.Bitmap.Width() / m->Left.FrameCount, 4);
    EXPECT_EQ(m->Right.Bitmap.Width() / m->Right.FrameCount, 4);
    EXPECT_EQ(m->Bottom.Bitmap.Height() / m->Bottom.FrameCount, 4);
    for (const TDataSkinBorder* b : {&m->Left, &m->Right, &m->Top, &m->Bottom})
        EXPECT_EQ(b->FrameCount, 2) << b->Name;
    // The region follows the key colour in the outer corners only.
    const int rightEdge = m->Right.Bitmap.Width() / 2 - 1;
    EXPECT_EQ(m->Left.Bitmap.Pixel(0, 0), kKeyColour);
    EXPECT_EQ(m->Right.Bitmap.Pixel(rightEdge, 0), kKeyColour);
    EXPECT_NE(m->Left.Bitmap.Pixel(0, 20), kKeyColour);
    EXPECT_NE(m->Top.Bitmap.Pixel(m->Top.Bitmap.Width() / 2, 0), kKeyColour);
    EXPECT_EQ(m->Left.Trans, 1);
    EXPECT_EQ(m->Top.Trans, 1);
}

TEST_P(StoredSkin, CaptionButtonsHaveFourStatesAndTheMdiButtonsTheirImages) {
    const auto m = LoadStoredSkin(GetParam());
    ASSERT_EQ(m->SysButtonRecords.size(), 6u + 3u);
    for (size_t i = 0; i < 6; ++i) {
        const TDataSkinSysButton& b = *m->SysButtonRecords[i];
        if (b.Action == 3) {
            EXPECT_TRUE(b.Bitmap.Empty()); // the window's own icon is drawn there
            continue;
        }
        EXPECT_EQ(b.FrameCount, 4) << b.Name;
        EXPECT_EQ(b.Bitmap.Width() % 4, 0) << b.Name;
        EXPECT_EQ(b.Bitmap.Height(), 22) << b.Name;
    }
    for (size_t i = 6; i < 9; ++i) {
        const TDataSkinSysButton& b = *m->SysButtonRecords[i];
        EXPECT_FALSE(b.Bitmap.Empty()) << i;
        EXPECT_EQ(b.FrameCount, 4);
    }
}

INSTANTIATE_TEST_SUITE_P(BlueAndYellow, StoredSkin, testing::Values("blue", "yellow"));

} // namespace
