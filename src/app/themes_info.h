#pragma once
// The catalogue of installed desktop themes: one record per *.theme file of
// the system theme folder ("windir" + \Resources\Themes\).
#include "core/assertion_failed.h"
#include "app/url_encode.h"
#include "toolkit/persistent.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Where a theme came from.
enum TThemesCompany : std::uint8_t {
    tcNone = 0,
    tcTavro123 = 1, // carries a non-empty [tavro123] section (Tavro theme web site)
    tcNubrix = 2,
};

extern const TEnumInfo ThemesCompanyInfo; // tcNone, tcTavro123, tcNubrix

// One installed theme; its fields are published under their own names.
class TThemeBase : public TPersistent {
    VELMORA_CLASS()
public:
    std::wstring DisplayName; // [Theme] DisplayName as stored, may be "@themeui.dll,-2017"
    std::wstring Wallpaper;   // expanded [Control Panel\Desktop] Wallpaper, or empty
    std::wstring FileName;    // e.g. "Luna.theme"
    std::wstring Path;        // ThemesPath + FileName
    std::wstring ThemeDir;    // visual-style folder removed with the theme, or empty
    TThemesCompany Company = tcNone;
    // [VisualStyles] Path as the system reads it (variables expanded,
    // %ResourceDir% the Windows folder's Resources), or empty. Not published:
    // only the uninstaller's checks read it.
    std::wstring VisualStyle;
};

// The records of the catalogue, in file-search order; owns them.
class TItems : public TPersistent {
    VELMORA_CLASS()
public:
    TItems() = default;
    TItems(const TItems&) = delete;
    TItems& operator=(const TItems&) = delete;

    // Appends an empty record and returns it.
    TThemeBase& Add();
    // Throws EAssertionFailed ("GetItem 索引值超出!", Src\ThemesInfo, 206) when
    // index is out of range.
    TThemeBase& GetItem(int index) const;
    int Count() const { return static_cast<int>(items_.size()); }
    // Frees every record, last first. References obtained earlier dangle.
    void Clear();
    void Exchange(int a, int b);

private:
    std::vector<std::unique_ptr<TThemeBase>> items_;
};

class TThemesInfo {
public:
    // Reads the theme folder once.
    TThemesInfo();
    TThemesInfo(const TThemesInfo&) = delete;
    TThemesInfo& operator=(const TThemesInfo&) = delete;

    // Rebuilds Items from disk; records of an earlier Refresh are freed.
    void Refresh();

    std::wstring WallpaperPath; // "SystemRoot" + \Web\Wallpaper\  (trailing backslash)
    std::wstring ThemesPath;    // "windir" + \Resources\Themes\  (trailing backslash)
    TItems Items;
};
