// What the shell may be handed: checked on the text of the path alone.
#include "app/theme_commands_shell.h"

#include <gtest/gtest.h>

TEST(ThemeCommandsShell, OnlyLocalImagesAreViewed) {
    for (const wchar_t* good :
         {L"C:\\windows\\Web\\Wallpaper\\a.bmp", L"D:\\pics\\蓝.JPEG", L"c:\\x\\y.webp"})
        EXPECT_TRUE(IsViewableWallpaperPath(good)) << good;
    for (const wchar_t* bad :
         {L"", L"\\\\server\\share\\a.bmp", L"\\\\?\\C:\\a.bmp", L"C:\\a.exe", L"C:\\a.bmp.bat",
          L"C:\\a.js", L"C:\\a.lnk", L"a.bmp", L"C:\\a.bmp:evil.exe", L"C:\\*.bmp",
          L"http://example.com/a.jpg", L"C:\\a.theme"})
        EXPECT_FALSE(IsViewableWallpaperPath(bad)) << bad;
}

TEST(ThemeCommandsShell, OnlyThemeFilesOfTheThemeFolderAreUsed) {
    const std::wstring themes = L"C:\\windows\\Resources\\Themes\\";
    EXPECT_TRUE(IsUsableThemePath(themes + L"Luna.theme", themes));
    EXPECT_TRUE(IsUsableThemePath(themes + L"蓝天.THEME", themes));
    for (const std::wstring& bad :
         {themes + L"a.exe", themes + L"sub\\a.theme", themes + L"..\\a.theme",
          std::wstring(L"D:\\other\\a.theme"), std::wstring(L"\\\\server\\share\\a.theme"),
          themes + L"a.theme.exe", std::wstring()})
        EXPECT_FALSE(IsUsableThemePath(bad, themes)) << bad;
}

TEST(ThemeCommandsShell, FoldersMustBeLocal) {
    EXPECT_TRUE(IsOpenableFolderPath(L"C:\\windows\\Web\\Wallpaper\\"));
    EXPECT_FALSE(IsOpenableFolderPath(L"\\Web\\Wallpaper\\"));
    EXPECT_FALSE(IsOpenableFolderPath(L"\\\\server\\share\\"));
}
