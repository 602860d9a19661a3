// The shell hand-offs observed for real: the "open" command of each class
// the program may reach is pointed at a recorder, the real command runs, and
// the path the recorder received is checked — or that nothing but a known
// good hand-off after the refused ones arrived.
#include "app/search_share.h"
#include "app/theme_commands_shell.h"
#include "handoff_fixture.h"

TEST_F(ShellHandoff, WallpapersThemesAndFoldersReachTheirOpenCommand) {
    const std::wstring bmp = fixture_.AddFile(fixture_.Wallpapers() + L"blue.bmp", "BM");
    const std::wstring jpg = fixture_.AddFile(fixture_.Wallpapers() + L"My Pictures\\sky.jpg", "x");
    const std::wstring theme = fixture_.AddTheme(L"Blue.theme", "[Theme]\r\n");

    ASSERT_TRUE(ViewWallpaper(nullptr, bmp));
    EXPECT_EQ(Comparable(recorder_.Received(kArrivalMs)), Comparable(bmp));
    ASSERT_TRUE(ViewWallpaper(nullptr, jpg));
    EXPECT_EQ(Comparable(recorder_.Received(kArrivalMs)), Comparable(jpg));
    ASSERT_TRUE(UseTheme(nullptr, theme, fixture_.Themes()));
    EXPECT_EQ(Comparable(recorder_.Received(kArrivalMs)), Comparable(theme));
    ASSERT_TRUE(OpenFolder(nullptr, fixture_.Wallpapers()));
    const std::wstring folder = recorder_.Received(kArrivalMs);
    EXPECT_EQ(Comparable(folder), Comparable(fixture_.Wallpapers()));
    // Quoted with its trailing backslash, the folder would escape its own
    // closing quote in the file manager's command line.
    EXPECT_NE(folder.empty() ? L'\\' : folder.back(), L'\\');
}

TEST_F(ShellHandoff, SearchOpensTheSearchAddressOnly) {
    for (const wchar_t* keyword : {L"blue", L"蓝天"}) {
        OpenSearchPage(nullptr, keyword);
        EXPECT_EQ(Narrow(recorder_.Received(kArrivalMs)), Narrow(SearchUrl(keyword)));
    }
}

TEST_F(ShellHandoff, RefusedPathsReachNothing) {
    const std::wstring themes = fixture_.Themes();
    const std::wstring outside = fixture_.AddFile(fixture_.Root() / L"Elsewhere\\Blue.theme", "x");
    const std::wstring script = fixture_.AddFile(fixture_.Wallpapers() + L"blue.bat", "@echo x");
    const std::wstring program = fixture_.AddFile(fixture_.Wallpapers() + L"blue.exe", "MZ");
    const std::wstring nested = fixture_.AddTheme(L"Sub\\Blue.theme", "x");

    struct Case {
        const char* what;
        bool handed;
    } cases[] = {
        {"UNC wallpaper", ViewWallpaper(nullptr, L"\\\\localhost\\share\\blue.bmp")},
        {"program as wallpaper", ViewWallpaper(nullptr, program)},
        {"script as wallpaper", ViewWallpaper(nullptr, script)},
        {"missing wallpaper", ViewWallpaper(nullptr, fixture_.Wallpapers() + L"gone.bmp")},
        {"theme outside the theme folder", UseTheme(nullptr, outside, themes)},
        {"theme in a sub-folder", UseTheme(nullptr, nested, themes)},
        {"theme climbing out",
         UseTheme(nullptr, themes + L"..\\..\\..\\Elsewhere\\Blue.theme", themes)},
        {"UNC folder", OpenFolder(nullptr, L"\\\\localhost\\share\\")},
        {"file as folder", OpenFolder(nullptr, script)},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(c.handed) << c.what;
    // One hand-off that must arrive, after all of them: only it is recorded,
    // however long a refused one would have taken to get there.
    const std::wstring good = fixture_.AddFile(fixture_.Wallpapers() + L"good.bmp", "BM");
    ASSERT_TRUE(ViewWallpaper(nullptr, good));
    EXPECT_EQ(Comparable(recorder_.Received(kArrivalMs)), Comparable(good));
}
