// The commands of the main window: theme commands (uninstall, use, view
// wallpaper, batch uninstall, open folders) and search, sharing and skin
// switching.
#include "app/main_form.h"
#include "app/theme_commands_shell.h"
#include "app/theme_uninstall.h"

namespace {

// The shell follows a theme's paths as they are, shares included: the user
// decides whether another computer is reached.
bool MayReachOtherComputer(HWND owner, const std::wstring& name, const std::wstring& themeFile) {
    std::wstring path = OffComputerPathOfTheme(themeFile);
    if (path.empty()) return true;
    std::wstring text = L"主题: " + name + L" 要用的文件不在本机上:\r\n" + path +
                        L"\r\n使用它会连接别的电脑,你真的要使用这个主题么?";
    return MessageBoxW(owner, text.c_str(), L"警告", MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) ==
           IDYES;
}

// The name as the uninstall question gives it: rows that show the same name
// are told apart by the theme's file.
std::wstring NameInQuestion(TListView& list, const TThemeBase& theme, const std::wstring& name) {
    int same = 0;
    for (int i = 0; i < list.Items().Count(); ++i) {
        TListItem* item = list.Items()[i];
        if (item->SubItems().Count() > 0 && item->SubItems()[0] == name) ++same;
    }
    return same > 1 ? name + L" (" + theme.FileName + L")" : name;
}

} // namespace

void TFrmMain::MnUninstallClick(TObject*) {
    TThemeBase* theme = SelectedTheme(*LstThemes);
    // The menu item is disabled for the system themes; a click that gets
    // through anyway still removes nothing of theirs.
    if (!theme || IsSystemThemeFile(theme->FileName)) return;
    const std::wstring name = NameInQuestion(*LstThemes, *theme, SelectedThemeName(*LstThemes));
    // No is the default: Enter alone must not delete files.
    if (MessageBoxW(Handle(), (L"你要卸载主题: " + name + L" 吗?").c_str(), L"提示",
                    MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    UninstallTheme(*theme, *ThemesInfoObj);
    LoadThemeList();
}

void TFrmMain::MnUsesClick(TObject*) {
    TThemeBase* theme = SelectedTheme(*LstThemes);
    if (theme && MayReachOtherComputer(Handle(), SelectedThemeName(*LstThemes), theme->Path))
        UseTheme(Handle(), theme->Path, ThemesInfoObj->ThemesPath);
}

void TFrmMain::MnLookPaperClick(TObject*) {
    if (TThemeBase* theme = SelectedTheme(*LstThemes)) ViewWallpaper(Handle(), theme->Wallpaper);
}

void TFrmMain::BitBtn1Click(TObject*) {
    int answer = MessageBoxW(Handle(), L"你真的要批量卸载打\"√\"的主题么?", L"警告",
                             MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2);
    if (answer == IDYES) {
        // Last row first; each failure shows its own message and the walk goes on.
        for (int i = LstThemes->Items().Count() - 1; i >= 0; --i) {
            TListItem* item = LstThemes->Items()[i];
            auto* theme = static_cast<TThemeBase*>(item->Data());
            if (item->Checked() && theme && !IsSystemThemeFile(theme->FileName))
                UninstallTheme(*theme, *ThemesInfoObj);
        }
    }
    LoadThemeList();
}

void TFrmMain::BtnPaperPathClick(TObject*) {
    OpenFolder(Handle(), ThemesInfoObj->WallpaperPath);
}

void TFrmMain::BtnThemesPathClick(TObject*) {
    OpenFolder(Handle(), ThemesInfoObj->ThemesPath);
}
