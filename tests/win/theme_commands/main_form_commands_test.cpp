// The theme commands of the real main window over a fake Windows folder:
// the questions they ask, what they remove and the list they leave.
#include "app/main_form.h"
#include "support/message_box_answerer.h"
#include "support/shell_recorder.h"
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
        EXPECT_EQ(boxes[0].DefaultButton, IDNO) << "Enter alone deletes nothing";
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

// Rows that would read as blanks show their file's name, and the question
// tells apart themes of the same name by their files.
TEST_F(MainFormCommandsTest, BlankAndRepeatedNamesReadInTheListAndTheQuestion) {
    AddTheme(L"nameless.theme", L"");
    AddTheme(L"spaces.theme", L"   ");
    AddTheme(L"one.theme", L"双胞胎");
    AddTheme(L"two.theme", L"双胞胎");
    fixture_.AddTheme(L"binary.theme", std::string("\x01\x02\x03", 3));
    Open();
    const std::pair<const wchar_t*, const wchar_t*> shown[] = {{L"nameless.theme", L"nameless"},
                                                               {L"spaces.theme", L"spaces"},
                                                               {L"binary.theme", L"binary"},
                                                               {L"one.theme", L"双胞胎"}};
    for (const auto& [file, name] : shown)
        EXPECT_EQ(Row(file)->SubItems()[0], name) << file;

    const std::pair<const wchar_t*, const wchar_t*> asked[] = {
        {L"nameless.theme", L"你要卸载主题: nameless 吗?"},
        {L"two.theme", L"你要卸载主题: 双胞胎 (two.theme) 吗?"}};
    for (const auto& [file, question] : asked) {
        Row(file)->SetSelected(true);
        TMessageBoxAnswerer answerer(IDNO);
        FrmMain->MnUninstallClick(FrmMain->MnUninstall);
        const auto boxes = answerer.Boxes();
        ASSERT_EQ(boxes.size(), 1u) << file;
        EXPECT_EQ(boxes[0].Text, question);
    }
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

namespace {

// A real click, as the user makes it: through the system's input queue, so
// that a disabled window never receives it.
void ClickAt(POINT p) {
    auto absolute = [](LONG v, int extent) {
        return LONG((v * 65535 + extent / 2) / (extent - 1));
    };
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = absolute(p.x, GetSystemMetrics(SM_CXSCREEN));
        input.mi.dy = absolute(p.y, GetSystemMetrics(SM_CYSCREEN));
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    }
    inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    SendInput(3, inputs, sizeof(INPUT));
}

POINT CentreOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

} // namespace

// While a failure box of the batch is up, a click on the main window must not
// run a command into the half-done batch: "全选" would tick a theme that the
// rest of the walk then removes.
TEST_F(MainFormCommandsTest, TheWindowTakesNoCommandWhileABatchShowsAFailure) {
    AddTheme(L"a.theme", L"A");
    AddTheme(L"busy.theme", L"B");
    Open();
    FrmMain->LstThemesColumnClick(FrmMain->LstThemes, 1); // B last: the walk meets it first
    Tick({L"busy.theme"});
    HWND window = FrmMain->Handle();
    SetWindowPos(window, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(window);
    UpdateWindow(window);
    const POINT selectAll = CentreOf(FrmMain->BtnAllSelection->Handle());
    HANDLE held = CreateFileW((fixture_.Themes() + L"busy.theme").c_str(), GENERIC_READ,
                              FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    bool clicked = false;
    {
        TMessageBoxAnswerer answerer(IDYES, [&](HWND dialog, const TAnsweredBox& box) {
            if (box.Caption != L"卸载失败") return;
            // The box moves out of the way of the button first.
            RECT r;
            GetWindowRect(dialog, &r);
            SetWindowPos(dialog, nullptr, GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left),
                         GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top), 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            GetWindowRect(dialog, &r);
            clicked = !PtInRect(&r, selectAll);
            ClickAt(selectAll);
            Sleep(500);
        });
        FrmMain->BitBtn1Click(FrmMain->BitBtn1);
    }
    CloseHandle(held);

    ASSERT_TRUE(clicked);
    EXPECT_TRUE(Installed(L"a.theme"));
    EXPECT_TRUE(Installed(L"busy.theme"));
    EXPECT_TRUE(IsWindowEnabled(window)); // and takes commands again afterwards
}

// Applying a theme, the shell follows its style and wallpaper paths: one
// that leads to another computer is handed over only when the user agrees.
TEST_F(MainFormCommandsTest, UsingAThemeThatReachesAnotherComputerAsksFirst) {
    TempFolder records;
    TShellRecorder recorder(records.Path());
    ASSERT_TRUE(recorder.Catch(L".theme"));
    struct Case {
        const wchar_t* File;
        std::wstring Text;
        const wchar_t* OffComputer; // shown in the question; nullptr: no question
    };
    const Case cases[] = {
        {L"local.theme",
         L"[VisualStyles]\r\nPath=%ResourceDir%\\Themes\\Luna\\Luna.msstyles\r\n"
         L"[Control Panel\\Desktop]\r\nWallpaper=C:\\windows\\web\\a.bmp\r\n",
         nullptr},
        {L"share.theme", L"[Control Panel\\Desktop]\r\nWallpaper=\\\\server\\share\\a.bmp\r\n",
         L"\\\\server\\share\\a.bmp"},
        {L"style.theme", L"[VisualStyles]\r\nPath=//server/s/x.msstyles\r\n",
         L"//server/s/x.msstyles"},
        {L"url.theme", L"[Control Panel\\Desktop]\r\nWallpaper=http://example.com/a.jpg\r\n",
         L"http://example.com/a.jpg"},
    };
    for (const Case& c : cases)
        fixture_.AddTheme(c.File, Utf16Bytes(L"[Theme]\r\nDisplayName=主题\r\n" + c.Text));
    Open();
    auto use = [&](const wchar_t* file, int answer) {
        Row(file)->SetSelected(true);
        TMessageBoxAnswerer answerer(answer);
        FrmMain->MnUsesClick(FrmMain->MnUses);
        return answerer.Boxes();
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.File));
        std::vector<TAnsweredBox> boxes = use(c.File, IDNO);
        ASSERT_EQ(boxes.size(), c.OffComputer ? 1u : 0u);
        if (c.OffComputer) {
            EXPECT_EQ(boxes[0].Caption, L"警告");
            EXPECT_EQ(boxes[0].Text, std::wstring(L"主题: 主题 要用的文件不在本机上:\r\n") +
                                         c.OffComputer +
                                         L"\r\n使用它会连接别的电脑,你真的要使用这个主题么?");
            EXPECT_EQ(boxes[0].Buttons, (std::vector<int>{IDYES, IDNO}));
            EXPECT_EQ(boxes[0].DefaultButton, IDNO);
            EXPECT_TRUE(boxes[0].HasOwner);
        }
        // A refused theme is proven unhanded by the one agreed to last.
        if (!c.OffComputer) {
            EXPECT_EQ(recorder.Received(10000), fixture_.Themes() + c.File);
        }
    }
    EXPECT_EQ(use(L"share.theme", IDYES).size(), 1u);
    // Every arrival is a line of the record: a refused theme that reached
    // the shell after all would show here beside the agreed one.
    EXPECT_EQ(recorder.Received(10000), fixture_.Themes() + L"share.theme");
}
