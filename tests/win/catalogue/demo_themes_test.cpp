// The demo themes that a first run installs read back as intended.
#include "app/themes_info.h"
#include "support/theme_fixture.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>

namespace {

// The source tree as Wine sees it (drive Z: is the Unix root).
std::wstring DemoThemesFolder() {
    std::wstring file = Widen(__FILE__);
    for (auto& c : file)
        if (c == L'/') c = L'\\';
    std::wstring root = file.substr(0, file.rfind(L"\\tests\\win\\"));
    return (root[0] == L'\\' ? L"Z:" : L"") + root + L"\\data\\demo-themes\\Themes\\";
}

} // namespace

TEST(DemoThemes, ReadBackAsIntended) {
    TThemeFixture fixture;
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW((DemoThemesFolder() + L"*.theme").c_str(), &found);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << Narrow(DemoThemesFolder());
    do {
        fixture.AddTheme(found.cFileName, ReadFileBytes(DemoThemesFolder() + found.cFileName));
    } while (FindNextFileW(h, &found));
    FindClose(h);

    TThemesInfo info;
    std::map<std::wstring, const TThemeBase*> byName;
    for (int i = 0; i < info.Items.Count(); ++i)
        byName[info.Items.GetItem(i).FileName] = &info.Items.GetItem(i);
    struct {
        const wchar_t *File, *DisplayName, *Wallpaper;
        TThemesCompany Company;
    } expected[] = {
        {L"Luna.theme", L"@themeui.dll,-2017", L"Azure.bmp", tcNone},
        {L"Windows Classic.theme", L"@themeui.dll,-2016", L"", tcNone},
        {L"蓝色天空.theme", L"蓝色天空", L"蓝色天空.jpg", tcTavro123},
        {L"夏天.theme", L"夏日 喆喆", L"夏天.jpg", tcNone},
        {L"Autumn.theme", L"秋日红叶", L"秋叶.bmp", tcNone},
        {L"Green Meadow.theme", L"绿野仙踪", L"绿野.jpg", tcNone},
    };
    ASSERT_EQ(info.Items.Count(), (int)std::size(expected));
    for (const auto& e : expected) {
        SCOPED_TRACE(Narrow(e.File));
        ASSERT_TRUE(byName.count(e.File));
        const TThemeBase& t = *byName[e.File];
        EXPECT_EQ(Narrow(t.DisplayName), Narrow(e.DisplayName));
        EXPECT_EQ(t.Wallpaper, *e.Wallpaper ? fixture.Wallpapers() + e.Wallpaper : L"");
        EXPECT_EQ(t.Company, e.Company);
    }
}
