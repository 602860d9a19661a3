// The main window's skin menu and search key, driven in-process on the form
// read from the program's resource.
#include "app/main_form.h"
#include "engine/skin_data.h"
#include "engine/skin_manager.h"
#include "engine/skin_store_component.h"
#include "toolkit/form_reader.h"

#include <gtest/gtest.h>

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
    form_->N3Click(form_->N3);
    EXPECT_TRUE(data_->Active());
    EXPECT_EQ(data_->SkinImage(), store_->Items().Item(0).Data());
    form_->N4Click(form_->N4);
    EXPECT_TRUE(data_->Active());
    EXPECT_EQ(data_->SkinImage(), store_->Items().Item(1).Data());
    EXPECT_EQ(SkinManager()->PendingSkinData(), data_);
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
