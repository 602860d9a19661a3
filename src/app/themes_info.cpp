#include "app/themes_info.h"

#include "app/theme_file.h"
#include "app/theme_paths.h"

#include "toolkit/unique_handle.h"

#include <windows.h>

#include <utility>

namespace {

const wchar_t kThemesSuffix[] = L"\\Resources\\Themes\\";
const wchar_t kWallpaperSuffix[] = L"\\Web\\Wallpaper\\";

std::wstring LowerCase(std::wstring text) {
    if (!text.empty()) CharLowerBuffW(text.data(), (DWORD)text.size());
    return text;
}

// The folder removed with a theme: the last folder of its visual style,
// taken as a direct sub-folder of the theme folder. Styles already under a
// Resources\Themes folder are the system's own and are left alone; anything
// that cannot name exactly one sub-folder gives no folder at all.
std::wstring ThemeDirFor(const std::wstring& visualStylePath, const std::wstring& themesPath) {
    std::wstring expanded = ExpandEnvironment(visualStylePath);
    size_t slash = expanded.rfind(L'\\');
    if (slash == std::wstring::npos) return {};
    std::wstring folder = LowerCase(expanded.substr(0, slash));
    if (folder.find(L"\\resources\\themes\\") != std::wstring::npos) return {};
    size_t lastSlash = folder.rfind(L'\\');
    if (lastSlash == std::wstring::npos) return {};
    std::wstring last = folder.substr(lastSlash + 1);
    return IsPlainEntryName(last) ? themesPath + last : std::wstring();
}

// The theme engine reads %ResourceDir% as the Windows folder's Resources,
// although no such environment variable exists.
std::wstring StyleFileFor(const std::wstring& visualStylePath) {
    const std::wstring variable = L"%ResourceDir%";
    std::wstring path = visualStylePath;
    if (path.size() >= variable.size() && SameTextNoCase(path.substr(0, variable.size()), variable))
        path.replace(0, variable.size(), EnvironmentValue(L"windir") + L"\\Resources");
    return ExpandEnvironment(path);
}

void ReadTheme(TThemeBase& theme, const std::wstring& themesPath, const std::wstring& name) {
    theme.FileName = name;
    theme.Path = themesPath + name;
    TThemeFile file = TThemeFile::Load(theme.Path);
    theme.DisplayName = file.ReadString(L"Theme", L"DisplayName");
    theme.Wallpaper = ExpandEnvironment(file.ReadString(L"Control Panel\\Desktop", L"Wallpaper"));
    std::wstring visualStyle = file.ReadString(L"VisualStyles", L"Path");
    theme.ThemeDir = ThemeDirFor(visualStyle, themesPath);
    theme.VisualStyle = StyleFileFor(visualStyle);
    if (file.SectionHasKeys(L"tavro123")) theme.Company = tcTavro123;
}

} // namespace

const TEnumInfo ThemesCompanyInfo{{L"tcNone", L"tcTavro123", L"tcNubrix"}};

namespace {

void PublishString(TClassInfo& info, const wchar_t* name, std::wstring TThemeBase::*field) {
    TPropInfo p;
    p.Name = name;
    p.Kind = TPropKind::String;
    p.GetStr = [field](const TPersistent& o) { return static_cast<const TThemeBase&>(o).*field; };
    p.SetStr = [field](TPersistent& o, const std::wstring& v) {
        static_cast<TThemeBase&>(o).*field = v;
    };
    info.Add(std::move(p));
}

void DescribeThemeBase(TClassInfo& info) {
    PublishString(info, L"DisplayName", &TThemeBase::DisplayName);
    PublishString(info, L"Wallpaper", &TThemeBase::Wallpaper);
    PublishString(info, L"FileName", &TThemeBase::FileName);
    PublishString(info, L"Path", &TThemeBase::Path);
    PublishString(info, L"ThemeDir", &TThemeBase::ThemeDir);
    TPropInfo company;
    company.Name = L"Company";
    company.Kind = TPropKind::Enumeration;
    company.Enum = &ThemesCompanyInfo;
    company.GetOrd = [](const TPersistent& o) {
        return static_cast<long long>(static_cast<const TThemeBase&>(o).Company);
    };
    company.SetOrd = [](TPersistent& o, long long v) {
        if (v >= tcNone && v <= tcNubrix)
            static_cast<TThemeBase&>(o).Company = static_cast<TThemesCompany>(v);
    };
    info.Add(std::move(company));
}

} // namespace

const TClassInfo& TThemeBase::StaticClass() {
    static const TClassInfo info(L"TThemeBase", &TPersistent::StaticClass(), DescribeThemeBase);
    return info;
}

const TClassInfo& TItems::StaticClass() {
    static const TClassInfo info(L"TItems", &TPersistent::StaticClass());
    return info;
}

TThemeBase& TItems::Add() {
    items_.push_back(std::make_unique<TThemeBase>());
    return *items_.back();
}

TThemeBase& TItems::GetItem(int index) const {
    if (index < 0 || index >= Count())
        throw EAssertionFailed("GetItem 索引值超出!", "Src\\ThemesInfo", 206);
    return *items_[index];
}

void TItems::Clear() {
    while (!items_.empty())
        items_.pop_back();
}

void TItems::Exchange(int a, int b) {
    GetItem(a);
    GetItem(b);
    std::swap(items_[a], items_[b]);
}

TThemesInfo::TThemesInfo() {
    Refresh();
}

void TThemesInfo::Refresh() {
    Items.Clear();
    ThemesPath = EnvironmentValue(L"windir") + kThemesSuffix;
    WallpaperPath = EnvironmentValue(L"SystemRoot") + kWallpaperSuffix;

    WIN32_FIND_DATAW found;
    HANDLE raw = FindFirstFileW((LongPathForm(ThemesPath) + L"*.theme").c_str(), &found);
    TFindHandle search(ValidHandle(raw));
    if (!search) return;
    do {
        // A folder named like a theme is not a theme file and cannot be uninstalled.
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        ReadTheme(Items.Add(), ThemesPath, found.cFileName);
    } while (FindNextFileW(raw, &found));
}
