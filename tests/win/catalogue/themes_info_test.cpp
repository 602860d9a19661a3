// The catalogue read from a fake Windows folder: every *.theme file becomes
// one record, whatever its encoding or state.
#include "app/themes_info.h"
#include "app/theme_paths.h"
#include "app/theme_uninstall.h"
#include "support/theme_fixture.h"
#include "toolkit/published_properties.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>

namespace {

// Bytes of a literal that may hold NULs.
template <size_t N> std::string Bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

std::map<std::wstring, TThemeBase> ByFileName(const TThemesInfo& info) {
    std::map<std::wstring, TThemeBase> out;
    for (int i = 0; i < info.Items.Count(); ++i)
        out[info.Items.GetItem(i).FileName] = info.Items.GetItem(i);
    return out;
}

struct ThemeCase {
    const wchar_t* FileName;
    std::string Bytes;
    std::wstring DisplayName;
    std::wstring Wallpaper; // after the windows folder; "" for none
    std::wstring ThemeDir;  // after the themes folder; "" for none
    TThemesCompany Company;
};

std::vector<ThemeCase> Cases() {
    const std::wstring body =
        L"\r\n[Control Panel\\Desktop]\r\nWallpaper=%windir%\\Web\\Wallpaper\\"
        L"春.jpg\r\n";
    return {
        {L"utf16.theme",
         Utf16Bytes(L"[Theme]\r\nDisplayName=春天 龘 🌸" + body +
                    L"[VisualStyles]\r\nPath=C:\\Styles\\Spring\\Spring.msstyles\r\n"
                    L"[tavro123]\r\nid=7\r\n"),
         L"春天 龘 🌸", L"\\Web\\Wallpaper\\春.jpg", L"spring", tcTavro123},
        {L"gb2312.theme",
         Gb2312Bytes(L"[Theme]\r\nDisplayName=蓝色经典" + body + L"[tavro123]\r\n\r\n"),
         L"蓝色经典", L"\\Web\\Wallpaper\\春.jpg", L"", tcNone},
        {L"utf8.theme", "\xEF\xBB\xBF[theme]\ndisplayname = 夏日 \n[TAVRO123]\nx\n", L"夏日", L"",
         L"", tcTavro123},
        {L"gbshort.theme", Gb2312Bytes(L"; 主题文件\r\n[Theme]\r\nDisplayName=色\r\n"), L"色", L"",
         L"", tcNone},
        {L"utf8plain.theme", "[Theme]\nDisplayName=\xE5\xA4\x8F\xE6\x97\xA5\n", L"夏日", L"", L"",
         tcNone},
        {L"quoted.theme", "[Theme]\nDisplayName=\"Quoted Name\"\n", L"Quoted Name", L"", L"",
         tcNone},
        {L"empty.theme", "", L"", L"", L"", tcNone},
        {L"nosections.theme", "DisplayName=Orphan\n[Other]\nDisplayName=Elsewhere\n", L"", L"", L"",
         tcNone},
        {L"resourcedir.theme", "[VisualStyles]\nPath=%ResourceDir%\\Themes\\Luna\\Luna.msstyles\n",
         L"", L"", L"luna", tcNone},
        {L"systemroot.theme",
         "[VisualStyles]\nPath=%SystemRoot%\\resources\\Themes\\Royale\\Royale.msstyles\n", L"",
         L"", L"", tcNone},
        {L"nofolder.theme", "[VisualStyles]\nPath=Plain.msstyles\n", L"", L"", L"", tcNone},
        {L"rootstyle.theme", "[VisualStyles]\nPath=\\Root.msstyles\n", L"", L"", L"", tcNone},
        {L"dotdot.theme", "[VisualStyles]\nPath=C:\\Styles\\..\\x.msstyles\n", L"", L"", L"",
         tcNone},
        {L"dots.theme", "[VisualStyles]\nPath=C:\\Styles\\...\\x.msstyles\n", L"", L"", L"",
         tcNone},
        {L"quote.theme", "[VisualStyles]\nPath=C:\\x\\a\" & rd \"C:\\x.msstyles\n", L"", L"", L"",
         tcNone},
        {L"wild.theme", "[VisualStyles]\nPath=C:\\Styles\\*\\x.msstyles\n", L"", L"", L"", tcNone},
        {L"binary.theme", Bytes("\x00\x01\xFF\xFE\x00[Theme]\x00\x80\x81\x82"), L"", L"", L"",
         tcNone},
        {L"mixed.theme",
         Bytes("\x01\x02junk\x00\xFF\n[Theme]\nDisplayName=Survivor\n\x8f\x00\x01\n"), L"Survivor",
         L"", L"", tcNone},
    };
}

} // namespace

TEST(ThemesInfo, ReadsEveryThemeFileWhateverItsEncodingOrState) {
    TThemeFixture fixture;
    std::vector<ThemeCase> cases = Cases();
    for (const auto& c : cases)
        fixture.AddTheme(c.FileName, c.Bytes);
    fixture.Root().MakeFolder(L"Windows\\Resources\\Themes\\folder.theme");
    fixture.AddTheme(L"notatheme.txt", "[Theme]\nDisplayName=x\n");

    TThemesInfo info;
    EXPECT_EQ(info.ThemesPath, fixture.Themes());
    EXPECT_EQ(info.WallpaperPath, fixture.Wallpapers());
    ASSERT_EQ(info.Items.Count(), (int)cases.size());
    auto themes = ByFileName(info);
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.FileName));
        ASSERT_EQ(themes.count(c.FileName), 1u);
        const TThemeBase& t = themes[c.FileName];
        EXPECT_EQ(Narrow(t.DisplayName), Narrow(c.DisplayName));
        EXPECT_EQ(t.Wallpaper, c.Wallpaper.empty() ? L"" : fixture.Windows() + c.Wallpaper);
        EXPECT_EQ(t.Path, fixture.Themes() + c.FileName);
        EXPECT_EQ(t.ThemeDir, c.ThemeDir.empty() ? L"" : fixture.Themes() + c.ThemeDir);
        EXPECT_EQ(t.Company, c.Company);
    }
}

TEST(ThemesInfo, MissingOrUnsetFolderGivesAnEmptyList) {
    TempFolder root;
    {
        TEnvironmentOverride windir(L"windir", (root / L"nowhere").c_str());
        TThemesInfo info;
        EXPECT_EQ(info.Items.Count(), 0);
        EXPECT_EQ(info.ThemesPath, root / L"nowhere\\Resources\\Themes\\");
    }
    TEnvironmentOverride windir(L"windir", nullptr);
    TEnvironmentOverride systemRoot(L"SystemRoot", nullptr);
    TThemesInfo info;
    EXPECT_EQ(info.ThemesPath, L"\\Resources\\Themes\\");
    EXPECT_EQ(info.WallpaperPath, L"\\Web\\Wallpaper\\");
}

TEST(ThemesInfo, RefreshRereadsTheFolder) {
    TThemeFixture fixture;
    fixture.AddTheme(L"one.theme", "[Theme]\nDisplayName=One\n");
    TThemesInfo info;
    ASSERT_EQ(info.Items.Count(), 1);
    fixture.AddTheme(L"two.theme", "[Theme]\nDisplayName=Two\n");
    DeleteFileW((fixture.Themes() + L"one.theme").c_str());
    info.Refresh();
    ASSERT_EQ(info.Items.Count(), 1);
    EXPECT_EQ(info.Items.GetItem(0).DisplayName, L"Two");
}

TEST(ThemesInfo, LongPathsAreReadWholeAndNeverCut) {
    // Windows folder deep enough that the theme file path passes 260 characters.
    TempFolder root;
    std::wstring windows = root.Path();
    for (int i = 0; i < 6; ++i)
        windows += L"\\" + std::wstring(40, L'a' + i);
    std::wstring themes = windows + L"\\Resources\\Themes";
    std::wstring prefixed = L"\\\\?\\" + windows;
    for (size_t at = prefixed.find(L'\\', 8); at != std::wstring::npos;
         at = prefixed.find(L'\\', at + 1))
        CreateDirectoryW(prefixed.substr(0, at).c_str(), nullptr);
    CreateDirectoryW(prefixed.c_str(), nullptr);
    CreateDirectoryW((prefixed + L"\\Resources").c_str(), nullptr);
    CreateDirectoryW((prefixed + L"\\Resources\\Themes").c_str(), nullptr);
    struct Cleanup {
        std::wstring first;
        ~Cleanup() { RemoveFolderTree(first); }
    } cleanup{root.Path() + L"\\" + std::wstring(40, L'a')};

    std::string text =
        "[Theme]\r\nDisplayName=Long\r\n[Control Panel\\Desktop]\r\nWallpaper=%windir%\\" +
        std::string(200, 'w') + ".bmp\r\n";
    HANDLE h = CreateFileW((L"\\\\?\\" + themes + L"\\long.theme").c_str(), GENERIC_WRITE, 0,
                           nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(h, text.data(), (DWORD)text.size(), &written, nullptr);
    CloseHandle(h);

    TEnvironmentOverride windir(L"windir", windows.c_str());
    TThemesInfo info;
    ASSERT_EQ(info.Items.Count(), 1);
    const TThemeBase& theme = info.Items.GetItem(0);
    EXPECT_GT(theme.Path.size(), 260u);
    EXPECT_EQ(theme.DisplayName, L"Long");
    EXPECT_EQ(theme.Wallpaper, windows + L"\\" + std::wstring(200, L'w') + L".bmp");
}

TEST(ThemesInfo, ItemsOwnTheirRecordsAndCheckIndexes) {
    TItems items;
    TThemeBase& first = items.Add();
    EXPECT_TRUE(first.DisplayName.empty() && first.Path.empty() && first.ThemeDir.empty());
    EXPECT_EQ(first.Company, tcNone);
    first.FileName = L"a";
    items.Add().FileName = L"b";
    items.Exchange(0, 1);
    EXPECT_EQ(items.GetItem(0).FileName, L"b");
    EXPECT_EQ(items.GetItem(1).FileName, L"a");

    for (int bad : {2, 3, -1}) {
        try {
            items.GetItem(bad);
            ADD_FAILURE() << "no assertion for index " << bad;
        } catch (const EAssertionFailed& e) {
            EXPECT_STREQ(e.what(), "GetItem 索引值超出! (Src\\ThemesInfo, line 206)");
        }
    }
    items.Clear();
    EXPECT_EQ(items.Count(), 0);
    EXPECT_THROW(items.GetItem(0), EAssertionFailed);
}

TEST(ThemesInfo, RecordFieldsArePublishedByName) {
    TThemeBase theme;
    SetStrProp(theme, L"ThemeDir", L"C:\\x");
    SetEnumProp(theme, L"Company", L"tcTavro123");
    theme.DisplayName = L"蓝天";
    EXPECT_EQ(theme.ThemeDir, L"C:\\x");
    EXPECT_EQ(theme.Company, tcTavro123);
    EXPECT_EQ(GetStrProp(theme, L"DisplayName"), L"蓝天");
    std::vector<std::wstring> names;
    for (const TPropInfo* p : theme.ClassInfo().AllProps())
        names.push_back(p->Name);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"DisplayName", L"Wallpaper", L"FileName", L"Path",
                                                L"ThemeDir", L"Company"}));
}
