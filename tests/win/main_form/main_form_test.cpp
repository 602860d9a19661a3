// The main window driven in-process: rows from a fixture theme folder,
// sorting, check-box toggles and the prepared context menu.
#include "app/main_form.h"
#include "toolkit/application.h"

#include <gtest/gtest.h>

#include "support/message_box_answerer.h"
#include "support/temp_folder.h"
#include "support/user_input.h"

#include <functional>
#include <memory>
#include <thread>

#include <vector>

namespace {

// Points "windir" at a folder for the lifetime of the object.
class TWindirOverride {
public:
    explicit TWindirOverride(const std::wstring& value) {
        wchar_t buffer[1024];
        DWORD n = GetEnvironmentVariableW(L"windir", buffer, 1024);
        had_ = n > 0 && n < 1024;
        if (had_) old_ = buffer;
        SetEnvironmentVariableW(L"windir", value.c_str());
    }
    ~TWindirOverride() { SetEnvironmentVariableW(L"windir", had_ ? old_.c_str() : nullptr); }

private:
    bool had_ = false;
    std::wstring old_;
};

std::string ThemeFile(const std::string& displayName) {
    return "[Theme]\r\nDisplayName=" + displayName + "\r\n";
}

struct TMenuSnapshot {
    std::vector<std::wstring> Captions;
    std::vector<bool> Enabled;
    POINT At{};
    int Shown = 0;
};

// The real main window over a fixture theme folder; the context menu is
// read instead of shown.
class MainFormTest : public testing::Test {
protected:
    void SetUpThemes(const std::vector<std::pair<std::wstring, std::string>>& themes) {
        for (const auto& [file, name] : themes)
            folder_.WriteFile(L"Resources\\Themes\\" + file, ThemeFile(name));
        windir_ = std::make_unique<TWindirOverride>(folder_.Path());
        SortAscending = true;
        FrmMain = Application().CreateForm<TFrmMain>();
        FrmMain->PopMenu->Track = [this](HMENU menu, int x, int y) -> UINT {
            ++menu_.Shown;
            menu_.At = POINT{x, y};
            menu_.Captions.clear();
            menu_.Enabled.clear();
            for (int i = 0; i < GetMenuItemCount(menu); ++i) {
                wchar_t text[256] = {};
                GetMenuStringW(menu, i, text, 256, MF_BYPOSITION);
                menu_.Captions.push_back(L"");
                UINT state = GetMenuState(menu, i, MF_BYPOSITION);
                if (state & MF_SEPARATOR) text[0] = L'-'; // separators count as enabled
                menu_.Captions.back() = text;
                menu_.Enabled.push_back((state & MF_SEPARATOR) || !(state & MF_GRAYED));
            }
            return 0;
        };
    }
    void TearDown() override {
        Application().DestroyForms();
        FrmMain = nullptr;
    }

    std::vector<std::wstring> Column(int column) const {
        std::vector<std::wstring> out;
        TListItems& items = FrmMain->LstThemes->Items();
        for (int i = 0; i < items.Count(); ++i)
            out.push_back(column == 0 ? items[i]->Caption() : items[i]->SubItems()[column - 1]);
        return out;
    }
    // The texts the list control itself shows in a column, top to bottom.
    std::vector<std::wstring> Shown(int column) const {
        std::vector<std::wstring> out;
        HWND list = FrmMain->LstThemes->Handle();
        for (int i = 0; i < ListView_GetItemCount(list); ++i) {
            wchar_t text[256] = {};
            ListView_GetItemText(list, i, column, text, 256);
            out.push_back(text);
        }
        return out;
    }
    int RowOf(const std::wstring& fileName) const {
        TListItems& items = FrmMain->LstThemes->Items();
        for (int i = 0; i < items.Count(); ++i)
            if (static_cast<TThemeBase*>(items[i]->Data())->FileName == fileName) return i;
        return -1;
    }
    void RightClickRow(int row) {
        FrmMain->LstThemes->Items()[row]->SetSelected(true);
        FrmMain->LstThemesMouseDown(FrmMain->LstThemes, TMouseButton::Right, 0, 5, 5);
    }

    TempFolder folder_;
    std::unique_ptr<TWindirOverride> windir_;
    TMenuSnapshot menu_;
};

std::vector<std::pair<std::wstring, std::string>> TwelveThemes() {
    std::vector<std::pair<std::wstring, std::string>> themes;
    for (int i = 0; i < 12; ++i) {
        wchar_t file[32];
        swprintf(file, 32, L"t%02d.theme", i);
        themes.push_back({file, "Name " + std::string(1, char('a' + (i * 5) % 12))});
    }
    return themes;
}

} // namespace

TEST_F(MainFormTest, RowsShowTheCatalogueInOrderWithReadableNames) {
    SetUpThemes({{L"Luna.theme", "@THEMEUI.DLL,-2017"},
                 {L"Windows Classic.theme", "@themeui.dll,-2016"},
                 {L"秋天.theme", "秋日红叶"},
                 {L"Empty.theme", ""}});
    ASSERT_EQ(FrmMain->LstThemes->Items().Count(), ThemesInfoObj->Items.Count());
    ASSERT_EQ(ThemesInfoObj->Items.Count(), 4);
    std::vector<std::wstring> captions = Column(0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(captions[i], std::to_wstring(i));
        TListItem* item = FrmMain->LstThemes->Items()[i];
        EXPECT_EQ(item->Data(), &ThemesInfoObj->Items.GetItem(i));
        EXPECT_FALSE(item->Checked());
    }
    EXPECT_EQ(Shown(1)[RowOf(L"Luna.theme")], L"Windows XP");
    EXPECT_EQ(Shown(1)[RowOf(L"Windows Classic.theme")], L"Windows 经典");
    EXPECT_EQ(Shown(1)[RowOf(L"秋天.theme")], L"秋日红叶");
    // No display name: the file's name, not a blank row.
    EXPECT_EQ(Shown(1)[RowOf(L"Empty.theme")], L"Empty");
    EXPECT_EQ(FrmMain->Web->LastUrl(), L"http://www.tavro123.com/gg/uninstall.html");
}

TEST_F(MainFormTest, SortsAsTextAlternatingDirectionAcrossColumns) {
    SetUpThemes(TwelveThemes());
    const std::vector<std::wstring> byNumber = {L"0", L"1", L"10", L"11", L"2", L"3",
                                                L"4", L"5", L"6",  L"7",  L"8", L"9"};
    FrmMain->LstThemesColumnClick(FrmMain->LstThemes, 0);
    EXPECT_EQ(Shown(0), byNumber);
    EXPECT_EQ(Column(0), byNumber); // the toolkit's items follow the control
    EXPECT_FALSE(SortAscending);

    FrmMain->LstThemesColumnClick(FrmMain->LstThemes, 0);
    EXPECT_EQ(Shown(0), std::vector<std::wstring>(byNumber.rbegin(), byNumber.rend()));

    FrmMain->LstThemesColumnClick(FrmMain->LstThemes, 1); // ascending again, by name
    std::vector<std::wstring> names = Shown(1);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end())) << "names ascending";
    FrmMain->LstThemesColumnClick(FrmMain->LstThemes, 0); // then by number, descending
    EXPECT_EQ(Shown(0), std::vector<std::wstring>(byNumber.rbegin(), byNumber.rend()));

    FrmMain->LoadThemeList(); // a fill returns to catalogue order, keeps the direction
    EXPECT_EQ(Column(0)[10], L"10");
    EXPECT_TRUE(SortAscending);
}

namespace {

// A report-style list on a bare form, for the compare callback.
class TBareList {
public:
    TBareList() : form_(new TForm(&root_)), list_(new TListView(&root_)) {
        list_->SetParent(form_);
        list_->SetViewStyle(vsReport);
        form_->HandleNeeded();
    }
    ~TBareList() { FreeForm(form_); }
    TListView* operator->() const { return list_; }

private:
    TComponent root_{nullptr};
    TForm* form_;
    TListView* list_;
};

} // namespace

TEST(CompareThemeItems, TextComparisonIgnoringAsciiCaseAndMissingSubItems) {
    TBareList list;
    TListItem* a = list->Items().Add();
    TListItem* b = list->Items().Add();
    a->SetCaption(L"abc");
    b->SetCaption(L"ABD");
    a->SubItems().Add(L"same");
    SortAscending = true;
    EXPECT_LT(CompareThemeItems(a, b, 0), 0);
    EXPECT_GT(CompareThemeItems(b, a, 0), 0);
    EXPECT_EQ(CompareThemeItems(a, b, 1), -1); // b has no sub-item
    SortAscending = false;
    EXPECT_GT(CompareThemeItems(a, b, 0), 0);
    EXPECT_EQ(CompareThemeItems(a, b, 1), 1);
    SortAscending = true;
}

// Names sort by their code-page-936 bytes, ASCII letters case-folded: ASCII
// first, then Chinese in pinyin order (by code point it would be 北 城 安 蓝
// 阿), then characters the code page lacks (Hangul, rare ideographs), by
// code point.
TEST(CompareThemeItems, NamesSortByTheirCodePage936Bytes) {
    const std::vector<std::wstring> ordered = {
        L"apple",          L"Blue", L"win7",       L"Win蓝",     L"Zebra", L"阿里",
        L"安徽",           L"安静", L"北京",       L"北京x",     L"城市",  L"蓝天",
        L"蓝天\U00020000", L"한국", L"\U00020000", L"\U00020001"};
    TBareList list;
    // Added in an order far from the expected one: reversed, then rotated.
    for (size_t i = 0; i < ordered.size(); ++i) {
        TListItem* item = list->Items().Add();
        item->SetCaption(std::to_wstring(i));
        item->SubItems().Add(ordered[(ordered.size() - 1 - i + 5) % ordered.size()]);
    }
    SortAscending = true;
    ASSERT_TRUE(list->CustomSort(CompareThemeItems, 1));
    std::vector<std::wstring> sorted;
    for (int i = 0; i < list->Items().Count(); ++i)
        sorted.push_back(list->Items()[i]->SubItems()[0]);
    EXPECT_EQ(sorted, ordered);

    const struct {
        const wchar_t *a, *b;
        int sign;
    } pairs[] = {
        {L"abc", L"ABC", 0},         {L"安", L"安", 0},
        {L"ab", L"a\U00020000", -1}, {L"\xD800", L"\U00010000", -1},
        {L"Z", L"阿", -1},           {L"阿", L"\U00020000", -1},
    };
    for (const auto& p : pairs) {
        list->Items()[0]->SubItems().Set(0, p.a);
        list->Items()[1]->SubItems().Set(0, p.b);
        int r = CompareThemeItems(list->Items()[0], list->Items()[1], 1);
        EXPECT_EQ((r > 0) - (r < 0), p.sign) << Narrow(p.a) << " vs " << Narrow(p.b);
    }
}

TEST_F(MainFormTest, SelectAllAndInvertTouchOnlyCheckMarks) {
    SetUpThemes({{L"a.theme", "A"}, {L"b.theme", "B"}, {L"c.theme", "C"}});
    TListItems& items = FrmMain->LstThemes->Items();
    items[1]->SetSelected(true);
    items[0]->SetChecked(true);
    FrmMain->BtnReverseSelectionClick(nullptr);
    EXPECT_EQ((std::vector<bool>{items[0]->Checked(), items[1]->Checked(), items[2]->Checked()}),
              (std::vector<bool>{false, true, true}));
    FrmMain->BtnAllSelectionClick(nullptr);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(items[i]->Checked());
    FrmMain->BtnReverseSelectionClick(nullptr);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(items[i]->Checked());
    EXPECT_EQ(FrmMain->LstThemes->Selected(), items[1]);
}

TEST_F(MainFormTest, ContextMenuNamesTheThemeAndProtectsSystemThemes) {
    SetUpThemes({{L"Luna.theme", "@themeui.dll,-2017"},
                 {L"windows classic.THEME", "@themeui.dll,-2016"},
                 {L"夏天.theme", "夏天"}});
    const struct {
        std::wstring file, name;
        bool removable;
    } rows[] = {
        {L"夏天.theme", L"夏天", true},
        {L"Luna.theme", L"Windows XP", false},
        {L"windows classic.THEME", L"Windows 经典", false},
    };
    for (const auto& r : rows) {
        int row = RowOf(r.file);
        ASSERT_GE(row, 0);
        RightClickRow(row);
        ASSERT_EQ(menu_.Captions.size(), 5u);
        EXPECT_EQ(menu_.Captions[0], L"卸载: " + r.name);
        EXPECT_EQ(menu_.Captions[1], L"使用: " + r.name);
        EXPECT_EQ(menu_.Captions[2], L"查看: " + r.name + L" 壁纸");
        EXPECT_EQ(menu_.Captions[3], L"-");
        EXPECT_EQ(menu_.Captions[4], L"发给朋友炫一下!");
        EXPECT_EQ(menu_.Enabled, (std::vector<bool>{r.removable, true, r.removable, true, true}));
        POINT p = FrmMain->LstThemes->Items()[row]->Position();
        ClientToScreen(FrmMain->Handle(), &p);
        EXPECT_EQ(menu_.At.x, p.x + 42);
        EXPECT_EQ(menu_.At.y, p.y + 41);
    }
    EXPECT_EQ(FrmMain->MnUses->Caption(), L"使用: Windows 经典"); // kept after closing
}

// Holds the clipboard open from another thread, as another program would.
class TClipboardHolder {
public:
    TClipboardHolder() {
        thread_ = std::thread([this] {
            const bool open = OpenClipboard(nullptr) != FALSE;
            SetEvent(opened_);
            WaitForSingleObject(release_, INFINITE);
            if (open) CloseClipboard();
        });
        WaitForSingleObject(opened_, INFINITE);
    }
    ~TClipboardHolder() {
        SetEvent(release_);
        thread_.join();
        CloseHandle(opened_);
        CloseHandle(release_);
    }

private:
    HANDLE opened_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread thread_;
};

TEST_F(MainFormTest, ShareSaysWhetherTheLinkReachedTheClipboard) {
    SetUpThemes({{L"夏天.theme", "夏天"}});
    FrmMain->LstThemes->Items()[0]->SetSelected(true);
    const struct {
        bool clipboardHeld;
        std::wstring caption, text;
    } cases[] = {
        {false, L"(^o^)", L"好啦,你现在可以按Ctrl+V发送给你的朋友了!"},
        {true, FrmMain->Caption(), L"复制链接失败, 请稍后再试。"},
    };
    for (const auto& c : cases) {
        TMessageBoxAnswerer answerer(IDOK);
        {
            std::unique_ptr<TClipboardHolder> holder;
            if (c.clipboardHeld) holder = std::make_unique<TClipboardHolder>();
            FrmMain->N2Click(nullptr);
        }
        const auto boxes = answerer.Boxes();
        ASSERT_EQ(boxes.size(), 1u) << c.clipboardHeld;
        EXPECT_EQ(boxes[0].Caption, c.caption);
        EXPECT_EQ(boxes[0].Text, c.text);
    }
}

TEST_F(MainFormTest, NoMenuWithoutRightButtonOrSelection) {
    SetUpThemes({{L"a.theme", "A"}});
    FrmMain->LstThemesMouseDown(FrmMain->LstThemes, TMouseButton::Right, 0, 5, 5);
    EXPECT_EQ(menu_.Shown, 0); // nothing selected
    FrmMain->LstThemes->Items()[0]->SetSelected(true);
    FrmMain->LstThemesMouseDown(FrmMain->LstThemes, TMouseButton::Left, 0, 5, 5);
    EXPECT_EQ(menu_.Shown, 0);
    EXPECT_EQ(FrmMain->MnUses->Caption(), L"使用主题"); // stored captions until then
    FrmMain->LstThemesMouseDown(FrmMain->LstThemes, TMouseButton::Right, 0, 5, 5);
    EXPECT_EQ(menu_.Shown, 1);
}

namespace {

std::wstring WindowText(HWND window) {
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    return text;
}

// The captions of a column header, left to right.
std::vector<std::wstring> HeaderTexts(HWND list) {
    HWND header = ListView_GetHeader(list);
    std::vector<std::wstring> texts;
    for (int i = 0; i < Header_GetItemCount(header); ++i) {
        wchar_t text[64] = L"";
        HDITEMW item{};
        item.mask = HDI_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        Header_GetItem(header, i, &item);
        texts.push_back(text);
    }
    return texts;
}

} // namespace

TEST_F(MainFormTest, TheWindowShowsItsChineseTexts) {
    SetUpThemes({});
    const std::pair<HWND, std::wstring> shown[] = {
        {FrmMain->Handle(), L"Velmora"},
        {FrmMain->GroupBox1->Handle(), L"我系统中的主题"},
        {FrmMain->BtnAllSelection->Handle(), L"全选(&A)"},
        {FrmMain->BtnReverseSelection->Handle(), L"反选(&R)"},
        {FrmMain->TxtSearchName->Handle(), L"找精美主题尽在Tavro!"},
        {FrmMain->GroupBox2->Handle(), L"功能"},
        {FrmMain->BitBtn1->Handle(), L"批量卸载主题  "},
        {FrmMain->BtnPaperPath->Handle(), L"打开壁纸文件夹"},
        {FrmMain->BtnThemesPath->Handle(), L"打开主题文件夹"},
        {FrmMain->BtnSearch->Handle(), L""}, // a magnifier glyph only
    };
    for (const auto& [window, text] : shown)
        EXPECT_EQ(WindowText(window), text) << Narrow(text);
    EXPECT_EQ(HeaderTexts(FrmMain->LstThemes->Handle()),
              (std::vector<std::wstring>{L"序号", L"名称"}));
    // The number column is narrow and the names take the rest of the list.
    RECT list;
    GetClientRect(FrmMain->LstThemes->Handle(), &list);
    EXPECT_EQ(ListView_GetColumnWidth(FrmMain->LstThemes->Handle(), 0), 42);
    EXPECT_EQ(ListView_GetColumnWidth(FrmMain->LstThemes->Handle(), 1), list.right - 42);
    EXPECT_EQ(FrmMain->GetFont().Name(), L"宋体");
    EXPECT_EQ(FrmMain->TxtSearchName->GetFont().Name(), L"微软雅黑");
    EXPECT_FALSE(FrmMain->Image1->Picture()->Empty()) << "the skin menu's picture";
    EXPECT_FALSE(FrmMain->BtnSearch->Glyph()->Empty()) << "the search button's magnifier";
    // A fixed-size window that can be minimized only.
    LONG_PTR style = GetWindowLongPtrW(FrmMain->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));

    std::vector<std::wstring> skinItems;
    FrmMain->PopupMenu1->Track = [&skinItems](HMENU menu, int, int) -> UINT {
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[64] = L"";
            GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
            skinItems.push_back(text);
        }
        return 0;
    };
    FrmMain->Image1Click(FrmMain->Image1);
    EXPECT_EQ(skinItems, (std::vector<std::wstring>{L"皮肤二(黄)", L"皮肤一(蓝)", L"系统皮肤"}));
}

TEST_F(MainFormTest, HintsOfTheListAndTheSearchBox) {
    SetUpThemes({});
    HWND tips = FrmMain->HintWindow();
    ASSERT_NE(tips, nullptr);
    std::vector<std::pair<HWND, std::wstring>> tools;
    for (int i = 0; i < SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0); ++i) {
        wchar_t text[256] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.lpszText = text;
        SendMessageW(tips, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool));
        tools.push_back({reinterpret_cast<HWND>(tool.uId), text});
    }
    EXPECT_EQ(tools, (std::vector<std::pair<HWND, std::wstring>>{
                         {FrmMain->LstThemes->Handle(), L"还有右键菜单别忘了哦!"},
                         {FrmMain->TxtSearchName->Handle(),
                          L"输入主题名称,点搜索按钮就可以找到精美主题了!"}}));
}

namespace {

// Rests the pointer on the list's first row, as a user does: the list's
// hint is on its way.
void RestPointerOnList(HWND list) {
    RECT r;
    GetWindowRect(list, &r);
    POINT at{(r.left + r.right) / 2, r.top + 30};
    SetCursorPos(at.x, at.y);
    ScreenToClient(list, &at);
    SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
}

// ... and waits until the hint shows.
bool RaiseListHint(HWND list, HWND tips) {
    RestPointerOnList(list);
    return PumpUntil([tips] { return IsWindowVisible(tips) != FALSE; }, 4000);
}

} // namespace

// The list's hint goes when the list is clicked (the tooltip hides itself on
// a press) and stays away while a menu is open, even with the pointer
// resting over the list all the while.
TEST_F(MainFormTest, TheListsHintHidesOnAClickAndWhileAMenuIsOpen) {
    SetUpThemes({{L"a.theme", "A"}, {L"b.theme", "B"}});
    ShowWindow(FrmMain->Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(FrmMain->Handle());
    HWND list = FrmMain->LstThemes->Handle(), tips = FrmMain->HintWindow();
    ASSERT_TRUE(RaiseListHint(list, tips)) << "the hint never showed";
    FrmMain->LstThemes->Items()[0]->SetSelected(true);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(IsWindowVisible(tips)) << "a click left the hint up";

    bool shownDuringMenu = true;
    FrmMain->PopMenu->Track = [&](HMENU, int, int) -> UINT {
        // Longer than the hint's delay: a hint timed before the menu opened
        // would show meanwhile.
        shownDuringMenu = PumpUntil([tips] { return IsWindowVisible(tips) != FALSE; }, 1500);
        return 0;
    };
    // A hint that is up when the menu opens, and one still on its way.
    for (bool upAlready : {true, false}) {
        if (upAlready)
            ASSERT_TRUE(RaiseListHint(list, tips)) << "the hint never came back";
        else
            RestPointerOnList(list);
        FrmMain->PopMenu->Popup(10, 10);
        EXPECT_FALSE(shownDuringMenu)
            << "the hint covered the open menu, up already: " << upAlready;
    }
    // Afterwards the hint works as before.
    EXPECT_TRUE(RaiseListHint(list, tips));
}

namespace {

// What the list drew while a subclass watched it.
struct TPaintLog {
    int Paints = 0; // client, background and frame paints
};

LRESULT CALLBACK PaintCounter(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    if (msg == WM_PAINT || msg == WM_ERASEBKGND || msg == WM_NCPAINT)
        ++reinterpret_cast<TPaintLog*>(data)->Paints;
    return DefSubclassProc(w, msg, wp, lp);
}

// Paints of the list (drawn by the window itself) between construction and Stop().
class TPaintWatch {
public:
    explicit TPaintWatch(HWND list) : list_(list) {
        SetWindowSubclass(list_, &PaintCounter, 1, reinterpret_cast<DWORD_PTR>(&log_));
    }
    ~TPaintWatch() { RemoveWindowSubclass(list_, &PaintCounter, 1); }
    int Paints() const { return log_.Paints; }

private:
    HWND list_;
    TPaintLog log_;
};

void PumpUntilIdle() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

} // namespace

TEST_F(MainFormTest, RebuildingTheListDrawsOnlyTheOutcome) {
    // More rows than fit: the scroll bar goes away and comes back.
    std::vector<std::pair<std::wstring, std::string>> themes;
    for (int i = 0; i < 40; ++i)
        themes.push_back({L"t" + std::to_wstring(i) + L".theme", "Theme " + std::to_string(i)});
    SetUpThemes(themes);
    FrmMain->Show();
    PumpUntilIdle();
    HWND list = FrmMain->LstThemes->Handle();
    TPaintWatch watch(list);
    FrmMain->LoadThemeList();
    EXPECT_EQ(watch.Paints(), 0) << "the list was drawn half rebuilt";
    EXPECT_TRUE(IsWindowVisible(list));
    UpdateWindow(list);
    PumpUntilIdle();
    EXPECT_GT(watch.Paints(), 0) << "the rebuilt list was never drawn";
    EXPECT_EQ(ListView_GetItemCount(list), 40);
}

namespace {

// One string of a DLL's string table, read without the indirect-string call.
std::wstring StringOf(const std::wstring& dll, UINT id) {
    HMODULE module = LoadLibraryExW(dll.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return {};
    wchar_t text[256] = L"";
    LoadStringW(module, id, text, 256);
    FreeLibrary(module);
    return text;
}

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH];
    GetSystemDirectoryW(folder, MAX_PATH);
    return folder;
}

} // namespace

TEST_F(MainFormTest, ResourceReferenceNamesResolveFromSystemDllsOnly) {
    const std::wstring systemDll = SystemFolder() + L"\\oleacc.dll";
    const std::wstring text = StringOf(systemDll, 2);
    ASSERT_FALSE(text.empty()) << "the system's oleacc.dll has no string 2";
    // The same DLL outside the system folder: a theme must not get it loaded.
    const std::wstring copy = folder_ / L"oleacc.dll";
    ASSERT_TRUE(CopyFileW(systemDll.c_str(), copy.c_str(), FALSE));
    ASSERT_EQ(StringOf(copy, 2), text);
    const std::wstring back = SystemFolder() + L"\\..\\..\\" + copy.substr(3); // same drive
    const struct {
        std::wstring file, name, shown;
    } rows[] = {
        {L"full.theme", L"@" + systemDll + L",-2", text},
        {L"variable.theme", L"@%SystemRoot%\\System32\\OLEACC.DLL,-2", text},
        {L"bare.theme", L"@oleacc.dll,-2", text},
        {L"elsewhere.theme", L"@" + copy + L",-2", L"elsewhere"},
        {L"climbs.theme", L"@" + back + L",-2", L"climbs"},
        {L"no-minus.theme", L"@oleacc.dll,2", L"no-minus"},
        {L"no-id.theme", L"@oleacc.dll", L"no-id"},
        {L"no-file.theme", L"@,-2", L"no-file"},
        {L"no-string.theme", L"@oleacc.dll,-64999", L"no-string"},
        {L"plain.theme", L"Plain 名字", L"Plain 名字"},
        {L"xp.theme", L"@themeui.dll,-2017", L"Windows XP"},
    };
    std::vector<std::pair<std::wstring, std::string>> themes;
    for (const auto& r : rows)
        themes.push_back({r.file, Narrow(r.name)});
    SetUpThemes(themes);
    for (const auto& r : rows)
        EXPECT_EQ(Shown(1)[RowOf(r.file)], r.shown) << Narrow(r.name);
}

TEST_F(MainFormTest, TheSortedColumnShowsTheArrowOfItsDirection) {
    SetUpThemes(TwelveThemes());
    HWND header = ListView_GetHeader(FrmMain->LstThemes->Handle());
    auto arrows = [header] {
        std::vector<int> out;
        for (int i = 0; i < Header_GetItemCount(header); ++i) {
            HDITEMW item{};
            item.mask = HDI_FORMAT;
            Header_GetItem(header, i, &item);
            out.push_back(item.fmt & (HDF_SORTUP | HDF_SORTDOWN));
        }
        return out;
    };
    EXPECT_EQ(arrows(), (std::vector<int>{0, 0}));
    const struct {
        int column;
        std::vector<int> arrows;
    } clicks[] = {
        {0, {HDF_SORTUP, 0}},
        {0, {HDF_SORTDOWN, 0}},
        {1, {0, HDF_SORTUP}},
        {0, {HDF_SORTDOWN, 0}},
    };
    for (const auto& c : clicks) {
        FrmMain->LstThemesColumnClick(FrmMain->LstThemes, c.column);
        EXPECT_EQ(arrows(), c.arrows) << "after a click on column " << c.column;
    }
    FrmMain->LoadThemeList(); // catalogue order again: no column is sorted
    EXPECT_EQ(arrows(), (std::vector<int>{0, 0}));
}

namespace {

// The name of the control that has the keyboard focus (a window inside a
// control counts as the control).
std::wstring FocusedControl() {
    for (HWND w = GetFocus(); w; w = GetParent(w))
        if (TWinControl* control = TWinControl::FindControl(w)) return control->Name();
    return L"(none)";
}

// Presses `keys` `times` times and gives the control the focus lands on
// after each press.
std::vector<std::wstring> FocusWalk(const std::vector<WORD>& keys, size_t times) {
    std::vector<std::wstring> walk;
    for (size_t i = 0; i < times; ++i) {
        const std::wstring from = FocusedControl();
        TypeKeys(keys);
        PumpUntil([&] { return FocusedControl() != from; });
        walk.push_back(FocusedControl());
    }
    return walk;
}

} // namespace

// From the keyboard, Tab walks the window in reading order: the search box
// and its button, the theme group's buttons and list, then the function
// buttons, and round again; Shift+Tab walks back.
TEST_F(MainFormTest, TabMovesTheFocusThroughTheWindowInReadingOrder) {
    SetUpThemes({{L"a.theme", "甲"}});
    FrmMain->Show();
    SetForegroundWindow(FrmMain->Handle());
    FrmMain->TxtSearchName->SetFocus();
    ASSERT_TRUE(PumpUntil([] { return FocusedControl() == L"TxtSearchName"; }));
    const std::vector<std::wstring> forward = {
        L"BtnSearch", L"BtnAllSelection", L"BtnReverseSelection", L"LstThemes",
        L"BitBtn1",   L"BtnPaperPath",    L"BtnThemesPath",       L"TxtSearchName"};
    EXPECT_EQ(FocusWalk({VK_TAB}, forward.size()), forward);
    std::vector<std::wstring> back(forward.rbegin() + 1, forward.rend());
    back.push_back(forward.back());
    EXPECT_EQ(FocusWalk({VK_SHIFT, VK_TAB}, back.size()), back);
}

TEST_F(MainFormTest, KeyboardReachesTheRowMenuTheUninstallAndTheSkinMenu) {
    SetUpThemes({{L"a.theme", "甲"}, {L"b.theme", "乙"}});
    int skinMenus = 0;
    FrmMain->PopupMenu1->Track = [&skinMenus](HMENU, int, int) -> UINT {
        ++skinMenus;
        return 0;
    };
    HWND window = FrmMain->Handle();
    FrmMain->Show();
    SetForegroundWindow(window);
    const int row = RowOf(L"b.theme");
    FrmMain->LstThemes->Items()[row]->SetSelected(true);
    FrmMain->LstThemes->SetFocus();
    // The pointer is far from the row: the menu must not follow it.
    SetCursorPos(2, 2);
    POINT rowAt = FrmMain->LstThemes->Items()[row]->Position();
    ClientToScreen(window, &rowAt);

    const struct {
        const char* what;
        std::vector<WORD> keys;
        int rowMenus, skinMenus;
    } presses[] = {
        {"Menu key", {VK_APPS}, 1, 0},
        {"Shift+F10", {VK_SHIFT, VK_F10}, 1, 0},
        {"Alt+K", {VK_MENU, 'K'}, 0, 1},
    };
    for (const auto& p : presses) {
        menu_ = {};
        skinMenus = 0;
        TypeKeys(p.keys);
        PumpUntil([&] { return menu_.Shown + skinMenus > 0; });
        Application().ProcessMessages();
        EXPECT_EQ(menu_.Shown, p.rowMenus) << p.what;
        EXPECT_EQ(skinMenus, p.skinMenus) << p.what;
        if (menu_.Shown == 0) continue;
        EXPECT_EQ(menu_.Captions[0], L"卸载: 乙") << p.what;
        EXPECT_EQ(menu_.At.x, rowAt.x + 42) << p.what;
        EXPECT_EQ(menu_.At.y, rowAt.y + 41) << p.what;
    }

    // Delete asks the single uninstall's question; No keeps the theme.
    TMessageBoxAnswerer answerer(IDNO);
    TypeKeys({VK_DELETE});
    PumpUntil([&] { return !answerer.Boxes().empty(); });
    const auto boxes = answerer.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Caption, L"提示");
    EXPECT_EQ(boxes[0].Text, L"你要卸载主题: 乙 吗?");
    EXPECT_EQ(boxes[0].DefaultButton, IDNO);
    EXPECT_TRUE(FileExists(folder_ / L"Resources\\Themes\\b.theme"));
    EXPECT_EQ(FrmMain->LstThemes->Items().Count(), 2);
}

TEST_F(MainFormTest, EmptyThemeFolderGivesAnEmptyList) {
    SetUpThemes({});
    EXPECT_EQ(FrmMain->LstThemes->Items().Count(), 0);
    EXPECT_EQ(ListView_GetItemCount(FrmMain->LstThemes->Handle()), 0);
}
