#include "app/theme_paths.h"

#include <gtest/gtest.h>

TEST(ThemePaths, PlainEntryNamesNameOneEntryOnly) {
    for (const wchar_t* good : {L"luna", L"a&b", L"蓝色", L".hidden", L"a b"})
        EXPECT_TRUE(IsPlainEntryName(good)) << good;
    for (const wchar_t* bad : {L"", L".", L"..", L"...", L"a.", L"a ", L"a\\b", L"a/b", L"c:",
                               L"a\"b", L"*", L"a?", L"a|b", L"a<b", L"a\tb"})
        EXPECT_FALSE(IsPlainEntryName(bad)) << bad;
    // Device names open the device in any folder, with any extension.
    for (const wchar_t* device : {L"CON", L"con", L"Nul.txt", L"aux.a.b", L"PRN", L"COM1", L"lpt9",
                                  L"COM0", L"com\u00B9", L"CONOUT$", L"conin$.x", L"NUL .txt"})
        EXPECT_FALSE(IsPlainEntryName(device)) << device;
    for (const wchar_t* plain : {L"CONSOLE", L"COM10", L"LPT", L"nul_", L"xcon", L"COMA"})
        EXPECT_TRUE(IsPlainEntryName(plain)) << plain;
}

TEST(ThemePaths, LocalAbsolutePathsAndFolders) {
    for (const wchar_t* good : {L"C:\\x.bmp", L"d:\\a\\b"})
        EXPECT_TRUE(IsLocalAbsolutePath(good)) << good;
    for (const wchar_t* bad : {L"\\\\server\\share\\x.bmp", L"\\\\?\\C:\\x", L"x.bmp", L"C:x",
                               L"\\x.bmp", L"C:\\a:stream", L"C:\\*.bmp", L""})
        EXPECT_FALSE(IsLocalAbsolutePath(bad)) << bad;

    EXPECT_TRUE(IsInsideFolder(L"C:\\W\\Themes\\a\\b.bmp", L"c:\\w\\themes\\", false));
    EXPECT_FALSE(IsInsideFolder(L"C:\\W\\Themes\\a\\b.bmp", L"C:\\W\\Themes", true));
    EXPECT_TRUE(IsInsideFolder(L"C:\\W\\Themes\\b.bmp", L"C:\\W\\Themes", true));
    EXPECT_FALSE(IsInsideFolder(L"C:\\W\\Themes\\..\\b.bmp", L"C:\\W\\Themes", false));
    EXPECT_FALSE(IsInsideFolder(L"C:\\W\\Themes", L"C:\\W\\Themes\\", false));
    EXPECT_FALSE(IsInsideFolder(L"C:\\W\\ThemesX\\b.bmp", L"C:\\W\\Themes", false));
}

TEST(ThemePaths, ImageExtensions) {
    for (const wchar_t* good : {L"a.bmp", L"a.JPG", L"c:\\x\\a.jpeg", L"a.webp", L"a.tiff"})
        EXPECT_TRUE(HasImageExtension(good)) << good;
    for (const wchar_t* bad :
         {L"a.exe", L"a.bmp.exe", L"a.jpg.lnk", L"bmp", L"c:\\x.bmp\\a", L"a.theme", L"a.bat"})
        EXPECT_FALSE(HasImageExtension(bad)) << bad;
}
