// The theme commands of the real main window over a fake Windows folder:
// the questions they ask, what they remove and the list they leave.
#include "app/main_form.h"
#include "support/message_box_answerer.h"
#include "support/theme_fixture.h"
#include "toolkit/application.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

class MainFormCommandsTest : public testing::Test {
protected:
    void AddTheme(const std::wstring& file, const std::wstring& name) {
        fixture_.AddTheme(file, Utf16Bytes(L"[Theme]\r\nDisplayName=" + name + L"\r\n"));
    }
    void Open() {
        SortAscending = true;
        FrmMain = Application().CreateForm<TFrmMain>();
    }
    void TearDown() override {
        Application().DestroyForms();
        FrmMain = nullptr;
    }
    TListItem* Row(const std::wstring& file) {
        TListItems& items = FrmMain->LstThemes->Items();
        for (int i = 0; i < items.Count(); ++i) {
            auto* theme = static_cast<TThemeBase*>(items[i]->Data());
            if (theme && theme->FileName == file) return items[i];
        }
        return nullptr;
    }
    void Tick(std::initializer_list<const wchar_t*> files) {
        for (const wchar_t* file : files)
            Row(file)->SetChecked(true);
    }
    int CheckedRows() {
        int n = 0;
        TListItems& items = FrmMain->LstThemes->Items();
        for (int i = 0; i < items.Count(); ++i)
            n += items[i]->Checked() ? 1 : 0;
        return n;
    }
    bool Installed(const std::wstring& file) { return FileExists(fixture_.Themes() + file); }

    TThemeFixture fixture_;
};

} // namespace

TEST_F(MainFormCommandsTest, SingleUninstallAsksFirstAndRebuildsTheList) {
    AddTheme(L"blue.theme", L"蓝天");
    AddTheme(L"green.theme", L"绿野");
    Open();
    Tick({L"green.theme"});
    Row(L"blue.theme")->SetSelected(true);
    {
        TMessageBoxAnswerer answerer(IDNO);
        FrmMain->MnUninstallClick(FrmMain->MnUninstall);
        auto boxes = answerer.Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].Caption, L"提示");
        EXPECT_EQ(boxes[0].Text, L"你要卸载主题: 蓝天 吗?");
        EXPECT_EQ(boxes[0].Buttons, (std::vector<int>{IDYES, IDNO}));
        EXPECT_TRUE(boxes[0].HasOwner);
        EXPECT_TRUE(boxes[0].HasIcon);
    }
    EXPECT_TRUE(Installed(L"blue.theme"));
    EXPECT_EQ(CheckedRows(), 1); // No keeps the check marks

    TMessageBoxAnswerer answerer(IDYES);
    FrmMain->MnUninstallClick(FrmMain->MnUninstall);
    EXPECT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_FALSE(Installed(L"blue.theme"));
    EXPECT_TRUE(Installed(L"green.theme"));
    EXPECT_EQ(FrmMain->LstThemes->Items().Count(), 1);
    EXPECT_EQ(CheckedRows(), 0);
}

TEST_F(MainFormCommandsTest, BatchUninstallSkipsSystemThemesAndGoesOnAfterAFailure) {
    AddTheme(L"LUNA.THEME", L"@themeui.dll,-2017");
    AddTheme(L"Windows Classic.theme", L"@themeui.dll,-2016");
    AddTheme(L"a.theme", L"甲");
    AddTheme(L"busy.theme", L"忙");
    AddTheme(L"c.theme", L"丙");
    AddTheme(L"kept.theme", L"留");
    Open();
    Tick({L"LUNA.THEME", L"Windows Classic.theme", L"a.theme", L"busy.theme", L"c.theme"});
    HANDLE held = CreateFileW((fixture_.Themes() + L"busy.theme").c_str(), GENERIC_READ,
                              FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::vector<TAnsweredBox> boxes;
    {
        TMessageBoxAnswerer answerer(IDYES);
        FrmMain->BitBtn1Click(FrmMain->BitBtn1);
        boxes = answerer.Boxes();
    }
    CloseHandle(held);

    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].Caption, L"警告");
    EXPECT_EQ(boxes[0].Text, L"你真的要批量卸载打\"√\"的主题么?");
    EXPECT_EQ(boxes[0].Buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(boxes[0].DefaultButton, IDNO);
    EXPECT_TRUE(boxes[0].HasOwner);
    EXPECT_EQ(boxes[1].Caption, L"卸载失败");
    for (const wchar_t* gone : {L"a.theme", L"c.theme"})
        EXPECT_FALSE(Installed(gone));
    for (const wchar_t* kept :
         {L"LUNA.THEME", L"Windows Classic.theme", L"busy.theme", L"kept.theme"})
        EXPECT_TRUE(Installed(kept)) << Narrow(kept);
    EXPECT_EQ(FrmMain->LstThemes->Items().Count(), 4);
    EXPECT_EQ(CheckedRows(), 0);
}

TEST_F(MainFormCommandsTest, BatchAnsweredNoOrWithNothingTickedRemovesNothing) {
    AddTheme(L"a.theme", L"甲");
    AddTheme(L"b.theme", L"乙");
    Open();
    Tick({L"a.theme"});
    {
        TMessageBoxAnswerer answerer(IDNO);
        FrmMain->BitBtn1Click(FrmMain->BitBtn1);
        EXPECT_EQ(answerer.Boxes().size(), 1u);
    }
    EXPECT_TRUE(Installed(L"a.theme"));
    EXPECT_EQ(CheckedRows(), 0); // No still rebuilds the list

    TMessageBoxAnswerer answerer(IDYES);
    FrmMain->BitBtn1Click(FrmMain->BitBtn1);
    EXPECT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_TRUE(Installed(L"a.theme") && Installed(L"b.theme"));
    EXPECT_EQ(FrmMain->LstThemes->Items().Count(), 2);
}
