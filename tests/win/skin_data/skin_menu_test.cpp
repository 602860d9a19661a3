// The main window's skin menu and search key, driven in-process on the form
// read from the program's resource.
#include "app/main_form.h"
#include "app/saved_look.h"
#include "engine/skin_data.h"
#include "engine/skin_manager.h"
#include "engine/skin_store_component.h"
#include "toolkit/form_reader.h"

#include <gtest/gtest.h>

#include "support/registry_key_guard.h"

#include <memory>
#include <string>
#include <vector>

namespace {

class SkinMenuTest : public testing::Test {
protected:
    void SetUp() override {
        form_ = std::make_unique<TFrmMain>(nullptr);
        ReadComponentResource(*form_, L"TFRMMAIN");
        form_->HandleNeeded();
        data_ = form_->Find<TSkinData>(L"SkinData");
        store_ = form_->Find<TSkinStore>(L"SkinStore");
        form_->PopupMenu1->Track = [this](HMENU menu, int x, int y) -> UINT {
            shownAt_ = POINT{x, y};
            for (int i = 0; i < GetMenuItemCount(menu); ++i) {
                wchar_t text[64] = {};
                GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
                captions_.push_back(text);
            }
            return 0;
        };
    }
    void TearDown() override {
        form_.reset();
        FreeSkinManager();
    }

    // The look the menu saves is put back as it was (or removed) afterwards.
    TRegistryKeyGuard savedLook_{HKEY_CURRENT_USER, kSavedLookKey};
    std::unique_ptr<TFrmMain> form_;
    TSkinData* data_ = nullptr;
    TSkinStore* store_ = nullptr;
    POINT shownAt_{-1, -1};
    std::vector<std::wstring> captions_;
};

TEST_F(SkinMenuTest, MenuOpensAboveTheImage) {
    form_->Image1Click(form_->Image1);
    POINT expected{204, 306};
    ClientToScreen(form_->Handle(), &expected);
    EXPECT_EQ(shownAt_.x, expected.x);
    EXPECT_EQ(shownAt_.y, expected.y);
    EXPECT_EQ(captions_, (std::vector<std::wstring>{L"皮肤二(黄)", L"皮肤一(蓝)", L"系统皮肤"}));
}

TEST_F(SkinMenuTest, ItemsSwitchStoredSkinsAndTheSystemLook) {
    form_->N5Click(form_->N5);
    EXPECT_FALSE(data_->Active());
    EXPECT_FALSE(data_->SkinNotLoaded()); // the skin stays loaded
    EXPECT_EQ(ReadSavedLook(), TLook::System);
    form_->N3Click(form_->N3);
    EXPECT_TRUE(data_->Active());
    EXPECT_EQ(data_->SkinImage(), store_->Items().Item(0).Data());
    EXPECT_EQ(ReadSavedLook(), TLook::Blue);
    form_->N4Click(form_->N4);
    EXPECT_TRUE(data_->Active());
    EXPECT_EQ(data_->SkinImage(), store_->Items().Item(1).Data());
    EXPECT_EQ(ReadSavedLook(), TLook::Yellow);
    EXPECT_EQ(SkinManager()->PendingSkinData(), data_);
}

namespace {

// Writes the saved-look value as another program (or an older one) might.
void WriteLookValue(DWORD type, const std::wstring& text) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSavedLookKey, 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    DWORD number = 2;
    const BYTE* data = type == REG_DWORD ? reinterpret_cast<const BYTE*>(&number)
                                         : reinterpret_cast<const BYTE*>(text.c_str());
    DWORD size = type == REG_DWORD ? sizeof number : DWORD((text.size() + 1) * sizeof(wchar_t));
    EXPECT_EQ(RegSetValueExW(key, kSavedLookValue, 0, type, data, size), ERROR_SUCCESS);
    RegCloseKey(key);
}

void RemoveLookValue() {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kSavedLookKey, kSavedLookValue);
}

} // namespace

// What a start finds in the registry, and the look it then shows.
TEST_F(SkinMenuTest, AStartShowsTheSavedLookAndYellowOtherwise) {
    const int blue = 0, yellow = 1, systemLook = -1; // stored skins by index
    const struct {
        const char* what;
        DWORD type; // 0: no value at all
        std::wstring text;
        TLook look;
        int shown;
    } starts[] = {
        {"first start", 0, L"", TLook::Yellow, yellow},
        {"blue", REG_SZ, L"blue", TLook::Blue, blue},
        {"system", REG_SZ, L"system", TLook::System, systemLook},
        {"yellow", REG_SZ, L"yellow", TLook::Yellow, yellow},
        {"any letter case", REG_SZ, L"BLUE", TLook::Blue, blue},
        {"unknown name", REG_SZ, L"purple", TLook::Yellow, yellow},
        {"a number", REG_DWORD, L"", TLook::Yellow, yellow},
    };
    for (const auto& s : starts) {
        RemoveLookValue();
        if (s.type) WriteLookValue(s.type, s.text);
        EXPECT_EQ(ReadSavedLook(), s.look) << s.what;
        TearDown();
        SetUp();
        form_->RestoreLook();
        EXPECT_EQ(data_->Active(), s.shown != systemLook) << s.what;
        if (s.shown != systemLook) {
            EXPECT_TRUE(data_->SkinImage() == store_->Items().Item(s.shown).Data()) << s.what;
        }
    }
}

TEST_F(SkinMenuTest, EnterInTheSearchBoxClicksTheSearchButton) {
    int clicks = 0;
    form_->BtnSearch->OnClick = [&clicks](TObject*) { ++clicks; };
    for (WORD key : {WORD('A'), WORD(VK_TAB), WORD(VK_RETURN)}) {
        WORD k = key;
        form_->TxtSearchNameKeyDown(form_->TxtSearchName, k, 0);
        EXPECT_EQ(k, key); // the key is not consumed
    }
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form_->TxtSearchName->Text(), L"找精美主题尽在Tavro!");
}

} // namespace
