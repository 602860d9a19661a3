#pragma once
// The program's one window: the check-box list of installed themes, the
// search box, the function buttons and the small web panel.
#include "app/theme_names.h"
#include "app/themes_info.h"
#include "toolkit/button.h"
#include "toolkit/edit.h"
#include "toolkit/form.h"
#include "toolkit/group_box.h"
#include "toolkit/image.h"
#include "toolkit/list_view.h"
#include "toolkit/menus.h"
#include "toolkit/web_browser.h"

class TFrmMain : public TForm {
    VELMORA_CLASS()
public:
    explicit TFrmMain(TComponent* owner);

    // The stored components.
    TGroupBox* GroupBox1 = nullptr;
    TImage* Image1 = nullptr;
    TButton* BtnAllSelection = nullptr;
    TButton* BtnReverseSelection = nullptr;
    TListView* LstThemes = nullptr;
    TBitBtn* BtnSearch = nullptr;
    TEdit* TxtSearchName = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BtnPaperPath = nullptr;
    TBitBtn* BtnThemesPath = nullptr;
    TWebBrowser* Web = nullptr;
    TPopupMenu* PopMenu = nullptr;
    TMenuItem* MnUninstall = nullptr;
    TMenuItem* MnUses = nullptr;
    TMenuItem* MnLookPaper = nullptr;
    TMenuItem* N1 = nullptr;
    TMenuItem* N2 = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;
    TMenuItem* N4 = nullptr;
    TMenuItem* N3 = nullptr;
    TMenuItem* N5 = nullptr;

    void FormCreate(TObject* sender);
    void FormDestroy(TObject* sender);
    // Rebuilds the rows from a fresh enumeration of the theme folder.
    void LoadThemeList();
    void BtnAllSelectionClick(TObject* sender);
    void BtnReverseSelectionClick(TObject* sender);
    void LstThemesColumnClick(TObject* sender, int column);
    void LstThemesMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    // Keyboard conventions: the Menu key and Shift+F10 open the selected
    // row's menu, Delete uninstalls the selected theme, Alt+K opens the skin
    // menu.
    void LstThemesContextPopup(TObject* sender, POINT mousePos, bool& handled);
    void LstThemesKeyDown(TObject* sender, WORD& key, TShiftState shift);
    bool DialogKey(const MSG& msg) override;

    // Theme commands (main_form_commands.cpp).
    void MnUninstallClick(TObject* sender);
    void MnUsesClick(TObject* sender);
    void MnLookPaperClick(TObject* sender);
    void BitBtn1Click(TObject* sender);
    void BtnPaperPathClick(TObject* sender);
    void BtnThemesPathClick(TObject* sender);
    // Search, sharing and skins (main_form_search_skin.cpp).
    void TxtSearchNameKeyDown(TObject* sender, WORD& key, TShiftState shift);
    void BtnSearchClick(TObject* sender);
    void N2Click(TObject* sender);
    void Image1Click(TObject* sender);
    void N3Click(TObject* sender);
    void N4Click(TObject* sender);
    void N5Click(TObject* sender);
    // Shows the look the user chose at the last run (the skin menu saves it).
    void RestoreLook();

    void Loaded() override;
    std::any MethodAddress(const std::wstring& name) override;

private:
    // Names the selected row's theme in the context menu and shows it by
    // the row; nothing without a selection.
    void ShowThemeMenu();
};

extern TFrmMain* FrmMain;
extern TThemesInfo* ThemesInfoObj;
// Direction of the next column sort, shared by both columns.
extern bool SortAscending;

// The record behind the list's selected row, or null.
TThemeBase* SelectedTheme(TListView& list);
// The name the selected row shows; empty without a selection.
std::wstring SelectedThemeName(TListView& list);

// List-view compare callback: `column` 0 compares captions as text ignoring
// ASCII case, n > 0 sub-item n - 1 as code-page-936 text (Chinese names in
// pinyin order); negated when descending.
int CompareThemeItems(TListItem* item1, TListItem* item2, LPARAM column);
