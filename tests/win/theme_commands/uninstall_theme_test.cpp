// Uninstalling removes exactly what belongs to the theme, and nothing that a
// hostile .theme file points at outside it.
#include "app/theme_uninstall.h"
#include "app/themes_info.h"
#include "support/folder_link.h"
#include "support/message_box_answerer.h"
#include "support/private_trash.h"
#include "support/theme_fixture.h"
#include "toolkit/text_compare.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

const TThemeBase* Find(const TThemesInfo& info, const std::wstring& fileName) {
    for (int i = 0; i < info.Items.Count(); ++i)
        if (info.Items.GetItem(i).FileName == fileName) return &info.Items.GetItem(i);
    return nullptr;
}

// Uninstalls under a watch that answers any message box, so that a test never
// hangs on one; returns the boxes that were shown.
std::vector<TAnsweredBox> Uninstall(const std::wstring& fileName, bool expectDeleted = true) {
    TThemesInfo info;
    const TThemeBase* theme = Find(info, fileName);
    EXPECT_NE(theme, nullptr) << Narrow(fileName);
    if (!theme) return {};
    TMessageBoxAnswerer answerer(IDOK);
    EXPECT_EQ(UninstallTheme(*theme, info), expectDeleted);
    return answerer.Boxes();
}

// The system theme and its style folder, always present: nothing may remove them.
void AddLuna(const TThemeFixture& fixture, TSurvivors& survivors) {
    survivors.Add(fixture.AddTheme(
        L"Luna.theme", Utf16Bytes(L"[Theme]\r\nDisplayName=@themeui.dll,-2017\r\n[VisualStyles]\r\n"
                                  L"Path=%ResourceDir%\\Themes\\Luna\\Luna.msstyles\r\n")));
    survivors.Add(fixture.AddTheme(L"Luna\\Luna.msstyles", "style"));
}

} // namespace

TEST(UninstallTheme, RemovesThemeWallpaperStyleFolderAndShortcut) {
    TThemeFixture fixture;
    TSurvivors survivors;
    AddLuna(fixture, survivors);
    fixture.AddTheme(
        L"tavro.theme",
        Utf16Bytes(L"[Theme]\r\nDisplayName=蓝天\r\n[Control Panel\\Desktop]\r\n"
                   L"Wallpaper=%windir%\\Web\\Wallpaper\\蓝天.bmp\r\n[VisualStyles]\r\n"
                   L"Path=C:\\Program Files\\Tavro\\BlueSky\\BlueSky.msstyles\r\n"
                   L"[tavro123]\r\nid=1\r\n"));
    std::wstring wallpaper = fixture.AddFile(fixture.Wallpapers() + L"蓝天.bmp", "BM");
    std::wstring style = fixture.AddTheme(L"BlueSky\\BlueSky.msstyles", "style");
    std::wstring styleShell = fixture.AddTheme(L"BlueSky\\Shell\\shell.dll", "dll");
    std::wstring shortcut = fixture.AddFile(fixture.StartMenu() + L"蓝天.lnk", "lnk");
    fixture.AddTheme(L"other.theme",
                     Gb2312Bytes(L"[Theme]\r\nDisplayName=蓝天\r\n[Control Panel\\Desktop]\r\n"
                                 L"Wallpaper=%windir%\\Web\\Wallpaper\\other.bmp\r\n"));
    survivors.Add(fixture.Themes() + L"other.theme");
    survivors.Add(fixture.AddFile(fixture.Wallpapers() + L"other.bmp", "BM2"));
    survivors.Add(fixture.AddFile(fixture.StartMenu() + L"其它.lnk", "lnk2"));

    EXPECT_TRUE(Uninstall(L"tavro.theme").empty());
    EXPECT_FALSE(FileExists(fixture.Themes() + L"tavro.theme"));
    EXPECT_FALSE(FileExists(wallpaper));
    EXPECT_FALSE(FileExists(style));
    EXPECT_FALSE(FileExists(styleShell));
    EXPECT_FALSE(FolderExists(fixture.Themes() + L"BlueSky"));
    EXPECT_FALSE(FileExists(shortcut));
    EXPECT_TRUE(survivors.Lost().empty());

    // A theme that is not from Tavro never touches the start menu, even with
    // the same display name.
    fixture.AddFile(fixture.StartMenu() + L"蓝天.lnk", "lnk");
    survivors.Add(fixture.StartMenu() + L"蓝天.lnk");
    EXPECT_TRUE(Uninstall(L"other.theme").empty());
    EXPECT_FALSE(FileExists(fixture.Themes() + L"other.theme"));
    EXPECT_FALSE(FileExists(fixture.Wallpapers() + L"other.bmp"));
}

// Where the volume has a Recycle Bin (under Wine: the desktop's trash
// folder), everything an uninstall removes goes there with its original
// path recorded, so that it can be put back.
TEST(UninstallTheme, WhatItRemovesGoesToTheRecycleBin) {
    TThemeFixture fixture;
    TSurvivors survivors;
    AddLuna(fixture, survivors);
    const std::string theme =
        Utf16Bytes(L"[Theme]\r\nDisplayName=回收\r\n[Control Panel\\Desktop]\r\n"
                   L"Wallpaper=%windir%\\Web\\Wallpaper\\回收.bmp\r\n[VisualStyles]\r\n"
                   L"Path=C:\\S\\Bin\\Bin.msstyles\r\n[tavro123]\r\nid=3\r\n");
    const std::vector<std::pair<std::wstring, std::string>> removed = {
        {fixture.AddTheme(L"回收站.theme", theme), theme},
        {fixture.AddFile(fixture.Wallpapers() + L"回收.bmp", "BM-bin"), "BM-bin"},
        {fixture.AddFile(fixture.StartMenu() + L"回收.lnk", "lnk-bin"), "lnk-bin"},
        {fixture.AddTheme(L"Bin\\Bin.msstyles", "style-bin"), "style-bin"},
    };
    const std::wstring styleFolder = fixture.Themes() + L"Bin";

    EXPECT_TRUE(Uninstall(L"回收站.theme").empty());
    EXPECT_TRUE(survivors.Lost().empty());
    auto trashed = [](const std::wstring& original) -> std::wstring {
        for (const TPrivateTrash::TEntry& e : PrivateTrash().Entries())
            if (SameTextNoCase(e.Original, original)) return e.Now;
        return {};
    };
    for (const auto& [path, bytes] : removed) {
        EXPECT_FALSE(FileExists(path)) << Narrow(path);
        if (path.rfind(styleFolder, 0) == 0) continue; // inside the folder, checked below
        std::wstring now = trashed(path);
        ASSERT_FALSE(now.empty()) << "not in the trash: " << Narrow(path);
        EXPECT_EQ(ReadFileBytes(now), bytes) << Narrow(path);
    }
    std::wstring folder = trashed(styleFolder);
    ASSERT_FALSE(folder.empty()) << "the style folder is not in the trash";
    EXPECT_EQ(ReadFileBytes(folder + L"\\Bin.msstyles"), "style-bin");
}

TEST(UninstallTheme, ThemeInUseShowsTheFailureAndKeepsEverything) {
    TThemeFixture fixture;
    TSurvivors survivors;
    std::wstring path = fixture.AddTheme(
        L"busy.theme", Utf16Bytes(L"[Theme]\r\nDisplayName=忙\r\n[Control Panel\\Desktop]\r\n"
                                  L"Wallpaper=%windir%\\Web\\Wallpaper\\busy.bmp\r\n"
                                  L"[VisualStyles]\r\nPath=C:\\S\\Busy\\Busy.msstyles\r\n"
                                  L"[tavro123]\r\nid=2\r\n"));
    survivors.Add(path);
    survivors.Add(fixture.AddFile(fixture.Wallpapers() + L"busy.bmp", "BM"));
    survivors.Add(fixture.AddTheme(L"Busy\\Busy.msstyles", "style"));
    survivors.Add(fixture.AddFile(fixture.StartMenu() + L"忙.lnk", "lnk"));

    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::vector<TAnsweredBox> boxes = Uninstall(L"busy.theme", false);
    CloseHandle(held);

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Caption, L"卸载失败");
    EXPECT_EQ(boxes[0].Text, L"主题可能正在使用,请切换到其\r\n它主题后再卸载本主题!");
    EXPECT_FALSE(boxes[0].HasOwner);
    EXPECT_EQ(boxes[0].Buttons, std::vector<int>{IDOK});
    EXPECT_TRUE(boxes[0].HasIcon);
    EXPECT_TRUE(survivors.Lost().empty());
}

TEST(UninstallTheme, HostileThemesRemoveNothingOutsideTheirOwnFiles) {
    struct Case {
        const char* Name;
        std::wstring Text;              // written as UTF-16; %ROOT% is the test folder
        std::vector<std::wstring> Keep; // below the test folder, must survive
        std::vector<std::wstring> Gone; // below the test folder, must be removed
    };
    const Case cases[] = {
        {"dot-dot style folder and wallpaper",
         L"[VisualStyles]\r\nPath=%ROOT%\\Styles\\..\\x.msstyles\r\n[Control Panel\\Desktop]\r\n"
         L"Wallpaper=%windir%\\Web\\Wallpaper\\..\\..\\Secret\\s.bmp\r\n",
         {L"Windows\\Resources\\Themes\\keep\\k.msstyles", L"Windows\\Secret\\s.bmp",
          L"Styles\\x.msstyles"},
         {}},
        {"trailing dots in the style folder",
         L"[VisualStyles]\r\nPath=%ROOT%\\Styles\\...\\x.msstyles\r\n",
         {L"Windows\\Resources\\Themes\\keep\\k.msstyles"},
         {}},
        {"quotes in the style folder",
         L"[VisualStyles]\r\nPath=C:\\x\\a\" & rd \"C:\\x.msstyles\r\n",
         {L"Windows\\Resources\\Themes\\keep\\k.msstyles", L"keep.txt"},
         {}},
        {"command text in the style path",
         L"[VisualStyles]\r\nPath=C:\\a\" & rd /s /q \"%ROOT%\\Outside\\x.msstyles\r\n",
         {L"Outside\\o.txt", L"Windows\\Resources\\Themes\\keep\\k.msstyles"},
         {}},
        {"ampersand is a plain folder name",
         L"[VisualStyles]\r\nPath=%ROOT%\\a&b\\x.msstyles\r\n",
         {L"a&b\\keep.txt"},
         {L"Windows\\Resources\\Themes\\a&b\\x.msstyles"}},
        {"UNC wallpaper",
         L"[Control Panel\\Desktop]\r\nWallpaper=\\\\localhost\\share\\x.bmp\r\n",
         {},
         {}},
        {"wallpaper in the user's documents",
         L"[Control Panel\\Desktop]\r\nWallpaper=%ROOT%\\Documents\\photo.jpg\r\n",
         {L"Documents\\photo.jpg"},
         {}},
        {"another theme file as wallpaper",
         L"[Control Panel\\Desktop]\r\nWallpaper=%windir%\\Resources\\Themes\\Luna.theme\r\n",
         {},
         {}},
        {"system wallpaper below Web\\Wallpaper",
         L"[Control Panel\\Desktop]\r\nWallpaper=%windir%\\Web\\Wallpaper\\Windows\\img0.jpg\r\n",
         {L"Windows\\Web\\Wallpaper\\Windows\\img0.jpg"},
         {}},
        {"wallpaper inside the theme folder tree",
         L"[Control Panel\\Desktop]\r\nWallpaper=%windir%\\Resources\\Themes\\Pics\\p.png\r\n",
         {},
         {L"Windows\\Resources\\Themes\\Pics\\p.png"}},
        {"wallpaper inside another theme's style folder",
         L"[Control Panel\\Desktop]\r\nWallpaper=%windir%\\Resources\\Themes\\Luna\\p.jpg\r\n",
         {L"Windows\\Resources\\Themes\\Luna\\p.jpg"},
         {}},
        {"style folder of the system theme",
         L"[VisualStyles]\r\nPath=%ResourceDir%\\Themes\\Luna\\Luna.msstyles\r\n",
         {},
         {}},
        {"shortcut name climbing out of the start menu",
         L"[Theme]\r\nDisplayName=..\\..\\victim\r\n[tavro123]\r\nid=1\r\n",
         {L"AllUsers\\「开始」菜单\\victim.lnk", L"AllUsers\\「开始」菜单\\程序\\victim.lnk"},
         {}},
        {"shortcut name with a stream",
         L"[Theme]\r\nDisplayName=x:y\r\n[tavro123]\r\nid=1\r\n",
         {L"AllUsers\\「开始」菜单\\程序\\Tavro主题\\x"},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TThemeFixture fixture;
        TEnvironmentOverride root(L"ROOT", fixture.Root().Path().c_str());
        TSurvivors survivors;
        AddLuna(fixture, survivors);
        fixture.AddTheme(L"hostile.theme", Utf16Bytes(c.Text));
        for (const auto& keep : c.Keep)
            survivors.Add(fixture.Root().WriteFile(keep, "keep"));
        for (const auto& gone : c.Gone)
            fixture.Root().WriteFile(gone, "gone");

        EXPECT_TRUE(Uninstall(L"hostile.theme").empty());
        EXPECT_FALSE(FileExists(fixture.Themes() + L"hostile.theme"));
        for (const auto& lost : survivors.Lost())
            ADD_FAILURE() << "removed: " << Narrow(lost);
        for (const auto& gone : c.Gone)
            EXPECT_FALSE(FileExists(fixture.Root() / gone)) << Narrow(gone);
    }
}

TEST(UninstallTheme, SharedWallpaperAndStyleFolderGoWithTheLastTheme) {
    TThemeFixture fixture;
    const std::wstring text = L"[Control Panel\\Desktop]\r\nWallpaper=%windir%\\Web\\Wallpaper\\"
                              L"SHARED.jpg\r\n";
    const std::wstring style = L"[VisualStyles]\r\nPath=C:\\S\\Shared\\s.msstyles\r\n";
    fixture.AddTheme(L"first.theme", Utf16Bytes(text));
    fixture.AddTheme(L"second.theme", Gb2312Bytes(text));
    std::wstring wallpaper = fixture.AddFile(fixture.Wallpapers() + L"shared.jpg", "JPG");

    EXPECT_TRUE(Uninstall(L"first.theme").empty());
    EXPECT_EQ(ReadFileBytes(wallpaper), "JPG");
    EXPECT_TRUE(Uninstall(L"second.theme").empty());
    EXPECT_FALSE(FileExists(wallpaper));

    // A batch removes several themes from one catalogue without re-reading
    // it: a theme already removed no longer holds its files.
    fixture.AddTheme(L"third.theme", Utf16Bytes(text + style));
    fixture.AddTheme(L"fourth.theme", Utf16Bytes(text + style));
    fixture.AddFile(wallpaper, "JPG");
    std::wstring styleFile = fixture.AddTheme(L"Shared\\s.msstyles", "style");
    TThemesInfo info;
    TMessageBoxAnswerer answerer(IDOK);
    ASSERT_TRUE(UninstallTheme(*Find(info, L"third.theme"), info));
    EXPECT_TRUE(FileExists(wallpaper));
    EXPECT_TRUE(FileExists(styleFile));
    ASSERT_TRUE(UninstallTheme(*Find(info, L"fourth.theme"), info));
    EXPECT_FALSE(FileExists(wallpaper));
    EXPECT_FALSE(FileExists(styleFile));
    EXPECT_TRUE(answerer.Boxes().empty());
}

TEST(UninstallTheme, LinksInsideTheStyleFolderAreRemovedNotFollowed) {
    TThemeFixture fixture;
    TSurvivors survivors;
    survivors.Add(fixture.Root().WriteFile(L"Outside\\keep.txt", "keep"));
    survivors.Add(fixture.Root().WriteFile(L"Outside\\Deep\\keep2.txt", "keep2"));
    fixture.AddTheme(L"linked.theme",
                     Utf16Bytes(L"[VisualStyles]\r\nPath=C:\\S\\Linked\\Linked.msstyles\r\n"));
    fixture.AddTheme(L"Linked\\Linked.msstyles", "style");
    std::wstring link = fixture.Themes() + L"Linked\\out";
    TFolderLink made(link, fixture.Root() / L"Outside");
    ASSERT_EQ(made.Refused(), "");

    EXPECT_TRUE(Uninstall(L"linked.theme").empty());
    EXPECT_FALSE(FileExists(fixture.Themes() + L"Linked\\Linked.msstyles"));
    // Wine cannot remove a Unix link to a folder that is not empty (it looks
    // through it): there the link stays, and so does the folder holding it.
    EXPECT_EQ(FolderExists(fixture.Themes() + L"Linked"), FolderExists(link));
    EXPECT_TRUE(FolderExists(fixture.Root() / L"Outside\\Deep"));
    EXPECT_TRUE(survivors.Lost().empty());
}

TEST(UninstallTheme, SystemThemesAreNeverRemoved) {
    TThemeFixture fixture;
    TSurvivors survivors;
    const std::wstring text = L"[Control Panel\\Desktop]\r\nWallpaper=%windir%\\Web\\Wallpaper\\"
                              L"sys.bmp\r\n[VisualStyles]\r\nPath=C:\\S\\Sys\\sys.msstyles\r\n";
    survivors.Add(fixture.AddFile(fixture.Wallpapers() + L"sys.bmp", "BM"));
    survivors.Add(fixture.AddTheme(L"Sys\\sys.msstyles", "style"));
    for (const wchar_t* name :
         {L"aero.theme", L"LUNA.THEME", L"Windows Classic.theme", L"Classic.theme"}) {
        survivors.Add(fixture.AddTheme(name, Utf16Bytes(text)));
        EXPECT_TRUE(Uninstall(name, false).empty()) << Narrow(name);
    }
    for (const auto& lost : survivors.Lost())
        ADD_FAILURE() << "removed: " << Narrow(lost);
}

// The style folder goes only with proof that it is the theme's own. Every
// case has the folder BlueSkyTheme, with a long name, a short alias and a
// link Alias to it ("owned" is a theme that uses it), and a link Out to a
// folder outside the theme folder; both folders hold a sky.msstyles.
TEST(UninstallTheme, TheStyleFolderGoesOnlyWhenTheThemeOwnsIt) {
    const std::wstring owned = L"[VisualStyles]\r\nPath=C:\\S\\BlueSkyTheme\\sky.msstyles\r\n";
    const std::wstring pack = L"[VisualStyles]\r\nPath=C:\\S\\Pack\\pack.msstyles\r\n";
    struct Case {
        const char* Name;
        std::wstring Text;              // of the theme uninstalled
        std::wstring Other;             // of another installed theme
        std::vector<std::wstring> Keep; // below the theme folder, must survive
    };
    const Case cases[] = {
        {"the named style file is not in the folder",
         pack,
         L"",
         {L"Pack\\readme.txt", L"Pack\\sub\\pack.msstyles"}},
        {"the named style file is a folder", pack, L"", {L"Pack\\pack.msstyles\\x.txt"}},
        {"another theme's wallpaper lies in the folder",
         pack,
         L"[Control Panel\\Desktop]\r\nWallpaper=%windir%\\Resources\\Themes\\Pack\\w.jpg\r\n",
         {L"Pack\\pack.msstyles", L"Pack\\w.jpg"}},
        {"another theme's style lies in the folder",
         pack,
         L"[VisualStyles]\r\nPath=%windir%\\Resources\\Themes\\Pack\\other.msstyles\r\n",
         {L"Pack\\pack.msstyles", L"Pack\\other.msstyles"}},
        {"another theme's style lies deeper, named as the system names it",
         pack,
         L"[VisualStyles]\r\nPath=%ResourceDir%\\Themes\\Pack\\Sub\\other.msstyles\r\n",
         {L"Pack\\pack.msstyles", L"Pack\\Sub\\other.msstyles"}},
        {"a folder of the system's styles",
         L"[VisualStyles]\r\nPath=C:\\S\\Aero\\aero.msstyles\r\n",
         L"",
         {L"Aero\\aero.msstyles"}},
        {"the short name of another theme's folder",
         L"[VisualStyles]\r\nPath=C:\\S\\%SHORT%\\sky.msstyles\r\n",
         owned,
         {}},
        {"a link to another theme's folder",
         L"[VisualStyles]\r\nPath=C:\\S\\Alias\\sky.msstyles\r\n",
         owned,
         {}},
        {"a link out of the theme folder",
         L"[VisualStyles]\r\nPath=C:\\S\\Out\\sky.msstyles\r\n",
         L"",
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TThemeFixture fixture;
        TSurvivors survivors;
        survivors.Add(fixture.AddTheme(L"BlueSkyTheme\\sky.msstyles", "sky"));
        survivors.Add(fixture.Root().WriteFile(L"Outside\\sky.msstyles", "outside"));
        for (const auto& keep : c.Keep)
            survivors.Add(fixture.AddTheme(keep, "keep"));
        if (!c.Other.empty()) survivors.Add(fixture.AddTheme(L"other.theme", Utf16Bytes(c.Other)));
        fixture.AddTheme(L"uninstalled.theme", Utf16Bytes(c.Text));
        std::wstring longName = fixture.Themes() + L"BlueSkyTheme";
        wchar_t shortName[MAX_PATH] = L"";
        GetShortPathNameW(longName.c_str(), shortName, MAX_PATH);
        std::wstring alias = shortName;
        alias = alias.substr(alias.find_last_of(L'\\') + 1);
        TEnvironmentOverride shortVariable(L"SHORT", alias.c_str());
        TFolderLink link(fixture.Themes() + L"Alias", longName);
        ASSERT_EQ(link.Refused(), "");
        TFolderLink out(fixture.Themes() + L"Out", fixture.Root() / L"Outside");
        ASSERT_EQ(out.Refused(), "");
        ASSERT_NE(Narrow(alias), "BlueSkyTheme");

        EXPECT_TRUE(Uninstall(L"uninstalled.theme").empty());
        for (const auto& lost : survivors.Lost())
            ADD_FAILURE() << "removed: " << Narrow(lost);
    }
}

TEST(UninstallTheme, AWallpaperBehindALinkStays) {
    TThemeFixture fixture;
    TSurvivors survivors;
    survivors.Add(fixture.Root().WriteFile(L"Secret\\s.bmp", "BM"));
    TFolderLink link(fixture.Themes() + L"Pics", fixture.Root() / L"Secret");
    ASSERT_EQ(link.Refused(), "");
    fixture.AddTheme(L"linked.theme",
                     Utf16Bytes(L"[Control Panel\\Desktop]\r\n"
                                L"Wallpaper=%windir%\\Resources\\Themes\\Pics\\s.bmp\r\n"));

    EXPECT_TRUE(Uninstall(L"linked.theme").empty());
    EXPECT_FALSE(FileExists(fixture.Themes() + L"linked.theme"));
    EXPECT_TRUE(survivors.Lost().empty());
}

TEST(UninstallTheme, TheShortcutPathIsAbsoluteAndNeverADevice) {
    TempFolder root;
    struct Case {
        const wchar_t* AllUsers; // nullptr: not set
        const wchar_t* DisplayName;
        std::wstring Expected; // below the test folder; empty: no shortcut
    };
    const Case cases[] = {
        {L"%ROOT%\\AllUsers", L"蓝天", L"AllUsers\\「开始」菜单\\程序\\Tavro主题\\蓝天.lnk"},
        {L"%ROOT%\\AllUsers\\", L"蓝天", L"AllUsers\\「开始」菜单\\程序\\Tavro主题\\蓝天.lnk"},
        {nullptr, L"蓝天", L""},
        {L"", L"蓝天", L""},
        {L"AllUsers", L"蓝天", L""},
        {L"\\AllUsers", L"蓝天", L""},
        {L"C:AllUsers", L"蓝天", L""},
        {L"\\\\server\\share", L"蓝天", L""},
        {L"%ROOT%\\AllUsers", L"CON", L""},
        {L"%ROOT%\\AllUsers", L"nul.x", L""},
        {L"%ROOT%\\AllUsers", L"Com1", L""},
    };
    TThemeBase theme;
    for (const Case& c : cases) {
        std::wstring allUsers = c.AllUsers ? c.AllUsers : L"";
        if (allUsers.rfind(L"%ROOT%", 0) == 0) allUsers.replace(0, 6, root.Path());
        SCOPED_TRACE(Narrow(allUsers) + " / " + Narrow(c.DisplayName));
        TEnvironmentOverride variable(L"ALLUSERSPROFILE", c.AllUsers ? allUsers.c_str() : nullptr);
        theme.DisplayName = c.DisplayName;
        EXPECT_EQ(Narrow(TavroShortcutPath(theme)),
                  c.Expected.empty() ? "" : Narrow(root / c.Expected));
    }
}
