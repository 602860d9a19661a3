// The skin components as the main form's description creates them, and
// the skin data component's load and switch rules.
#include "app/main_form.h"
#include "engine/skin_class_map.h"
#include "engine/skin_data.h"
#include "engine/skin_manager.h"
#include "engine/skin_store_component.h"
#include "toolkit/form_reader.h"

#include "support/stored_main_form.h"

#include <gtest/gtest.h>

#include "support/message_box_answerer.h"
#include "support/temp_folder.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {

std::string Hex(const TSkinBytes& bytes) {
    std::string out;
    char digits[3];
    for (std::uint8_t b : bytes) {
        std::snprintf(digits, sizeof digits, "%02X", b);
        out += digits;
    }
    return out;
}

using StoredFormTest = StoredMainFormTest;

TEST_F(StoredFormTest, StoreHoldsBothSkinsAndSkinDataStartsWithTheYellowOne) {
    const TSkinCollection& items = store_->Items();
    ASSERT_EQ(items.Count(), 2);
    EXPECT_EQ(items.Item(0).Name(), "SkinItem1");
    EXPECT_EQ(items.Item(1).Name(), "SkinItem2");
    EXPECT_GT(items.Item(0).DataSize(), 10000);
    EXPECT_GT(items.Item(1).DataSize(), 10000);
    EXPECT_NE(items.Item(0).Data(), items.Item(1).Data());
    // The published item properties as the reader and the engine see them.
    auto* first = static_cast<TSkinStoreItem*>(store_->Store()->ItemAt(0));
    EXPECT_EQ(first->DataSize(), items.Item(0).DataSize());
    EXPECT_EQ(first->SkinData(), L"Load Skin");

    EXPECT_EQ(data_->SkinImage(), items.Item(1).Data());
    EXPECT_FALSE(data_->SkinNotLoaded());
    const TSkinBytes stream = data_->SkinStreamValue();
    ASSERT_EQ(stream.size(), items.Item(1).Data().size() + 4);
    EXPECT_EQ(stream[0] | stream[1] << 8 | stream[2] << 16 | stream[3] << 24,
              items.Item(1).DataSize());
}

TEST_F(StoredFormTest, SkinDataCarriesTheStoredSettings) {
    EXPECT_TRUE(data_->Active());
    EXPECT_EQ(data_->DisableTag(), 99);
    EXPECT_EQ(data_->SkinControls(), TSkinData::kDefaultControls);
    EXPECT_EQ(data_->Options(), SetOf({xoPreview, xoToolbarBK}));
    EXPECT_EQ(data_->SkinFormtype(), sfMainform);
    EXPECT_EQ(data_->Version(), L"4.98.04.23");
    EXPECT_EQ(data_->SkinStore(), L"(none)");
    EXPECT_TRUE(data_->MenuUpdate());
    EXPECT_FALSE(data_->MenuMerge());
    ASSERT_EQ(data_->Skin3rd().size(), 118u);
    EXPECT_EQ(data_->Skin3rd(), DefaultSkinClassMap());
    EXPECT_EQ(data_->Skin3rd().front(), L"TCategoryButtons=scrollbar");
    EXPECT_EQ(data_->Skin3rd().back(), L"TOVCDBNUMERICFIELD=Edit");
}

TEST_F(StoredFormTest, LoadedRegistersHooksAndSchedulesBeforeAnyWindowIsActive) {
    TSkinManage* manager = SkinManager();
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(manager->MainSkinData(), data_);
    EXPECT_TRUE(manager->HookInstalled());
    // The skin was parsed while the form was read, so Loaded kept Active
    // and switched skinning on without a timer: no window is active yet.
    EXPECT_EQ(manager->ActivityState, ActivityIdle);
    EXPECT_TRUE(manager->SkinningOn);
    EXPECT_FALSE(manager->TimerEnabled());
    EXPECT_NE(data_->MenuGlyphs(), nullptr);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(data_->MenuGlyphs(), &cx, &cy);
    EXPECT_EQ(ImageList_GetImageCount(data_->MenuGlyphs()), 4);
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 16);
    EXPECT_NE(data_->SystemCaptionFont(), nullptr);
    EXPECT_EQ(data_->MaxWidth(), GetSystemMetrics(SM_CXMAXIMIZED));
}

TEST_F(StoredFormTest, SelectingBeyondTheStoreChangesNothing) {
    const TSkinBytes before = data_->SkinImage();
    const TSkinModel* model = &data_->Skin();
    for (int index : {2, 100, -1}) {
        data_->SelectStoredSkin(store_->Items(), index);
        EXPECT_EQ(data_->SkinImage(), before) << index;
        EXPECT_EQ(&data_->Skin(), model) << index;
    }
    EXPECT_EQ(SkinManager()->PendingSkinData(), data_); // still the one Loaded scheduled
}

TEST_F(StoredFormTest, SelectingAStoredSkinLoadsIt) {
    data_->SelectStoredSkin(store_->Items(), 0);
    EXPECT_EQ(data_->SkinImage(), store_->Items().Item(0).Data());
    EXPECT_FALSE(data_->SkinNotLoaded());
}

TEST_F(StoredFormTest, CorruptStoredSkinsLeaveThePreviousSkin) {
    TSkinCollection bad;
    // Every seventh byte flipped: the archive's version code comes out
    // unknown, which is the one refusal the user is told about.
    TSkinBytes flipped = store_->Items().Item(0).Data();
    for (std::size_t i = 8; i < flipped.size(); i += 7)
        flipped[i] ^= 0x5A;
    struct TCase {
        TSkinBytes Image;
        bool Told;
    };
    const TCase cases[] = {
        {{}, false},                                   // empty
        {{0x10, 0x00}, false},                         // no expanded size
        {{0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3, 4}, false}, // absurd expanded size
        {flipped, true},
    };
    for (const TCase& c : cases)
        bad.Add().SetData(c.Image);

    const TSkinBytes before = data_->SkinImage();
    const std::string name = data_->Skin().SkinName;
    for (int i = 0; i < bad.Count(); ++i) {
        TMessageBoxAnswerer answerer(IDOK);
        data_->SelectStoredSkin(bad, i);
        EXPECT_FALSE(data_->SkinNotLoaded()) << i;
        EXPECT_EQ(data_->SkinImage(), before) << i;
        EXPECT_EQ(data_->Skin().SkinName, name) << i;
        const std::vector<TAnsweredBox> boxes = answerer.Boxes();
        ASSERT_EQ(boxes.size(), cases[i].Told ? 1u : 0u) << i;
        if (cases[i].Told) {
            EXPECT_EQ(boxes[0].Text, L"This is Older Skin File\rPlease update to new version !");
        }
    }
}

TEST_F(StoredFormTest, SkinFileThatDoesNotExistIsOnlyRemembered) {
    const TSkinBytes before = data_->SkinImage();
    data_->SetSkinFile(L"C:\\no\\such\\skin.skn");
    EXPECT_EQ(data_->SkinFile(), L"C:\\no\\such\\skin.skn");
    EXPECT_EQ(data_->SkinImage(), before);
}

// Small descriptions with one skin data component, each read into its own
// root; the manager is freed after each.
class SkinDataReadTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        TFrmMain form(nullptr);
        ReadComponentResource(form, L"TFRMMAIN");
        blue_ = form.Find<TSkinStore>(L"SkinStore")->Items().Item(0).Data();
        FreeSkinManager();
    }
    TSkinData& Read(const std::string& properties) {
        root_ = std::make_unique<TComponent>(nullptr);
        ReadComponentText(*root_, "object Root: TComponent\n  object SkinData: TSkinData\n" +
                                      properties + "  end\nend\n");
        return *root_->Find<TSkinData>(L"SkinData");
    }
    static std::string SkinStream(const TSkinBytes& image) {
        return "    SkinStream = {" + Hex(WriteSkinStream(image)) + "}\n";
    }
    void TearDown() override {
        root_.reset();
        FreeSkinManager();
    }

    static TSkinBytes blue_;
    std::unique_ptr<TComponent> root_;
};

TSkinBytes SkinDataReadTest::blue_;

TEST_F(SkinDataReadTest, ActiveWithoutAStoredSkinIsSwitchedOff) {
    struct TCase {
        std::string Stream;
        bool ActiveAfterLoad;
    };
    const TCase cases[] = {
        {SkinStream(blue_), true},
        {"    SkinStream = {00000000}\n", false},
        {"    SkinStream = {FFFFFFFF}\n", false},
        {SkinStream(TSkinBytes(blue_.begin(), blue_.begin() + 40)), false},
        {"", false},
    };
    for (const TCase& c : cases) {
        TSkinData& sd = Read("    Active = True\n" + c.Stream);
        EXPECT_EQ(sd.Active(), c.ActiveAfterLoad) << c.Stream.substr(0, 40);
        EXPECT_EQ(sd.SkinNotLoaded(), !c.ActiveAfterLoad);
        EXPECT_EQ(SkinManager()->SkinningOn, c.ActiveAfterLoad);
        TearDown();
    }
}

TEST_F(SkinDataReadTest, LoadedKeepsEitherMenuItemsOrTheSystemMenu) {
    TSkinData& withFrame = Read("    SkinControls = [xcMainMenu, xcMenuItem, xcSystemMenu]\n");
    EXPECT_EQ(withFrame.SkinControls(), SetOf({xcMainMenu, xcSystemMenu}));
    TearDown();
    TSkinData& noFrame = Read("    SkinControls = [xcPopupMenu, xcMenuItem, xcSystemMenu]\n");
    EXPECT_EQ(noFrame.SkinControls(), SetOf({xcPopupMenu, xcMenuItem}));
}

TEST_F(SkinDataReadTest, DefaultsWhenNothingIsStored) {
    TSkinData& sd = Read("");
    EXPECT_FALSE(sd.Active());
    EXPECT_EQ(sd.DisableTag(), 99);
    EXPECT_EQ(sd.Options(), TSkinData::kDefaultOptions);
    EXPECT_EQ(sd.Skin3rd(), DefaultSkinClassMap());
    EXPECT_TRUE(sd.FrameFlag);
    EXPECT_TRUE(sd.SkinNotLoaded());
}

TEST_F(SkinDataReadTest, SwitchingOnWithoutASkinSchedulesNothing) {
    TSkinData& sd = Read("");
    SkinManager()->ActivityState = ActivityStarted;
    sd.SetActive(true);
    EXPECT_TRUE(sd.Active());
    EXPECT_EQ(SkinManager()->PendingAction(), ActionNone);
    EXPECT_FALSE(SkinManager()->TimerEnabled());
}

TEST_F(SkinDataReadTest, SkinFileIsLoadedFromDisk) {
    TempFolder folder;
    std::string bytes(blue_.begin(), blue_.end());
    folder.WriteFile(L"blue.skn", bytes);
    TSkinData& sd = Read("");
    sd.SetSkinFile(folder.Path() + L"\\blue.skn");
    EXPECT_FALSE(sd.SkinNotLoaded());
    EXPECT_EQ(sd.SkinImage(), blue_);
}

// A skin file tried by hand (the gallery's --skin): each refusal says why,
// and the skin that was there stays.
TEST_F(SkinDataReadTest, OpenSkinFileSaysWhyAFileIsRefused) {
    TempFolder folder;
    folder.WriteFile(L"blue.skn", std::string(blue_.begin(), blue_.end()));
    folder.WriteFile(L"short.skn", std::string("BM", 2));
    folder.WriteFile(L"huge.skn", std::string("BM\0\x7F", 4) + std::string(60, 'x'));
    const struct {
        const wchar_t* file;
        std::string why;
    } refused[] = {
        {L"missing.skn", "the file cannot be read"},
        {L"short.skn", SkinLoadResultText(TSkinLoadResult::ImageTooShort)},
        {L"huge.skn", SkinLoadResultText(TSkinLoadResult::ExpandedSizeTooLarge)},
    };
    TSkinData& sd = Read("");
    std::string why;
    ASSERT_TRUE(sd.OpenSkinFile(folder.Path() + L"\\blue.skn", why)) << why;
    for (const auto& r : refused) {
        why.clear();
        EXPECT_FALSE(sd.OpenSkinFile(folder.Path() + L"\\" + r.file, why));
        EXPECT_EQ(why, r.why);
        EXPECT_EQ(sd.SkinImage(), blue_) << "the skin that was there is kept";
        EXPECT_FALSE(sd.SkinNotLoaded());
    }
}

} // namespace
