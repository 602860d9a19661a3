#include "app/main_form.h"

#include "app/theme_names.h"
#include "app/theme_ownership.h"
#include "app/theme_site.h"
#include "engine/skin_store_component.h"
#include "toolkit/text_compare.h"

#include <functional>
#include <stdexcept>
#include <utility>

TFrmMain* FrmMain = nullptr;
TThemesInfo* ThemesInfoObj = nullptr;
bool SortAscending = true;

namespace {

// Text comparison that folds ASCII letters only; the sign is what counts.
int CompareText(const std::wstring& a, const std::wstring& b) {
    auto fold = [](wchar_t c) { return c >= L'a' && c <= L'z' ? wchar_t(c - 32) : c; };
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        wchar_t x = fold(a[i]), y = fold(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::wstring FormatName(const std::wstring& pattern, const std::wstring& name) {
    std::wstring out = pattern;
    size_t at = out.find(L"%s");
    if (at != std::wstring::npos) out.replace(at, 2, name);
    return out;
}

template <class T> void Bind(TComponent& form, T*& field, const wchar_t* name) {
    field = form.Find<T>(name);
    if (!field) throw std::runtime_error("the main form's description lacks a component");
}

} // namespace

const TClassInfo& TFrmMain::StaticClass() {
    static const TClassInfo info(L"TFrmMain", &TForm::StaticClass());
    return info;
}

TFrmMain::TFrmMain(TComponent* owner) : TForm(owner) {
    // The stored description holds the skin components: the reader must know
    // them before it reads this form.
    RegisterSkinComponents();
}

TThemeBase* SelectedTheme(TListView& list) {
    TListItem* selected = list.Selected();
    return selected ? static_cast<TThemeBase*>(selected->Data()) : nullptr;
}

std::wstring SelectedThemeName(TListView& list) {
    TListItem* selected = list.Selected();
    return selected && selected->SubItems().Count() > 0 ? selected->SubItems()[0] : L"";
}

void TFrmMain::Loaded() {
    TForm::Loaded();
    Bind(*this, GroupBox1, L"GroupBox1");
    Bind(*this, Image1, L"Image1");
    Bind(*this, BtnAllSelection, L"BtnAllSelection");
    Bind(*this, BtnReverseSelection, L"BtnReverseSelection");
    Bind(*this, LstThemes, L"LstThemes");
    Bind(*this, BtnSearch, L"BtnSearch");
    Bind(*this, TxtSearchName, L"TxtSearchName");
    Bind(*this, GroupBox2, L"GroupBox2");
    Bind(*this, BitBtn1, L"BitBtn1");
    Bind(*this, BtnPaperPath, L"BtnPaperPath");
    Bind(*this, BtnThemesPath, L"BtnThemesPath");
    Bind(*this, Web, L"Web");
    Bind(*this, PopMenu, L"PopMenu");
    Bind(*this, MnUninstall, L"MnUninstall");
    Bind(*this, MnUses, L"MnUses");
    Bind(*this, MnLookPaper, L"MnLookPaper");
    Bind(*this, N1, L"N1");
    Bind(*this, N2, L"N2");
    Bind(*this, PopupMenu1, L"PopupMenu1");
    Bind(*this, N4, L"N4");
    Bind(*this, N3, L"N3");
    Bind(*this, N5, L"N5");
    // Keyboard ways to what the mouse reaches.
    LstThemes->OnKeyDown = [this](TObject* s, WORD& k, TShiftState sh) {
        LstThemesKeyDown(s, k, sh);
    };
    LstThemes->OnContextPopup = [this](TObject* s, POINT p, bool& h) {
        LstThemesContextPopup(s, p, h);
    };
}

// The handlers the stored description names, by name.
std::any TFrmMain::MethodAddress(const std::wstring& name) {
    using TNotify = void (TFrmMain::*)(TObject*);
    static const std::pair<const wchar_t*, TNotify> notifies[] = {
        {L"FormCreate", &TFrmMain::FormCreate},
        {L"FormDestroy", &TFrmMain::FormDestroy},
        {L"BtnAllSelectionClick", &TFrmMain::BtnAllSelectionClick},
        {L"BtnReverseSelectionClick", &TFrmMain::BtnReverseSelectionClick},
        {L"MnUninstallClick", &TFrmMain::MnUninstallClick},
        {L"MnUsesClick", &TFrmMain::MnUsesClick},
        {L"MnLookPaperClick", &TFrmMain::MnLookPaperClick},
        {L"BitBtn1Click", &TFrmMain::BitBtn1Click},
        {L"BtnPaperPathClick", &TFrmMain::BtnPaperPathClick},
        {L"BtnThemesPathClick", &TFrmMain::BtnThemesPathClick},
        {L"BtnSearchClick", &TFrmMain::BtnSearchClick},
        {L"N2Click", &TFrmMain::N2Click},
        {L"Image1Click", &TFrmMain::Image1Click},
        {L"N3Click", &TFrmMain::N3Click},
        {L"N4Click", &TFrmMain::N4Click},
        {L"N5Click", &TFrmMain::N5Click},
    };
    for (const auto& [n, method] : notifies)
        if (name == n) return TNotifyEvent([this, m = method](TObject* s) { (this->*m)(s); });
    if (name == L"LstThemesColumnClick")
        return TColumnClickEvent([this](TObject* s, int c) { LstThemesColumnClick(s, c); });
    if (name == L"LstThemesMouseDown")
        return TMouseEvent([this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
            LstThemesMouseDown(s, b, sh, x, y);
        });
    if (name == L"TxtSearchNameKeyDown")
        return TKeyEvent(
            [this](TObject* s, WORD& k, TShiftState sh) { TxtSearchNameKeyDown(s, k, sh); });
    return {};
}

void TFrmMain::FormCreate(TObject*) {
    Web->Navigate(std::wstring(kThemeSite) + L"/gg/uninstall.html");
    ThemesInfoObj = new TThemesInfo();
    LoadThemeList();
    RestoreLook();
}

void TFrmMain::FormDestroy(TObject*) {
    // The rows point into the catalogue: empty them before it goes.
    LstThemes->Items().Clear();
    delete ThemesInfoObj;
    ThemesInfoObj = nullptr;
}

void TFrmMain::LoadThemeList() {
    TListUpdate quiet(*LstThemes);
    LstThemes->Items().Clear();
    LstThemes->SetSortArrow(-1, true); // the rows come back in catalogue order
    ThemesInfoObj->Refresh();
    for (int i = 0; i < ThemesInfoObj->Items.Count(); ++i) {
        TListItem* item = LstThemes->Items().Add();
        TThemeBase& theme = ThemesInfoObj->Items.GetItem(i);
        item->SetData(&theme);
        item->SetCaption(std::to_wstring(i));
        item->SubItems().Add(ShownThemeName(theme));
    }
}

void TFrmMain::BtnAllSelectionClick(TObject*) {
    for (int i = 0; i < LstThemes->Items().Count(); ++i)
        LstThemes->Items()[i]->SetChecked(true);
}

void TFrmMain::BtnReverseSelectionClick(TObject*) {
    for (int i = 0; i < LstThemes->Items().Count(); ++i) {
        TListItem* item = LstThemes->Items()[i];
        item->SetChecked(!item->Checked());
    }
}

int CompareThemeItems(TListItem* item1, TListItem* item2, LPARAM column) {
    int result;
    if (column == 0) {
        result = CompareText(item1->Caption(), item2->Caption());
    } else {
        try {
            int sub = static_cast<int>(column) - 1;
            result = CompareGbkText(item1->SubItems()[sub], item2->SubItems()[sub]);
        } catch (const std::out_of_range&) {
            result = -1;
        }
    }
    return SortAscending ? result : -result;
}

void TFrmMain::LstThemesColumnClick(TObject*, int column) {
    LstThemes->CustomSort(CompareThemeItems, column);
    LstThemes->SetSortArrow(column, SortAscending);
    SortAscending = !SortAscending;
}

void TFrmMain::LstThemesMouseDown(TObject*, TMouseButton button, TShiftState, int, int) {
    if (button == TMouseButton::Right) ShowThemeMenu();
}

// Shift+F10 and the Menu key open the row's menu where the mouse would.
void TFrmMain::LstThemesContextPopup(TObject*, POINT mousePos, bool& handled) {
    if (mousePos.x != -1 || mousePos.y != -1) return; // the mouse's own menu came at mouse down
    handled = true;
    if (TListItem* selected = LstThemes->Selected()) {
        ListView_EnsureVisible(LstThemes->Handle(), selected->Index(), FALSE);
        ShowThemeMenu();
    }
}

void TFrmMain::LstThemesKeyDown(TObject*, WORD& key, TShiftState shift) {
    if (key == VK_DELETE && shift == 0 && LstThemes->Selected()) {
        key = 0;
        MnUninstallClick(LstThemes);
    }
}

void TFrmMain::ShowThemeMenu() {
    TListItem* selected = LstThemes->Selected();
    if (!selected) return;
    // The item's position in the list, mapped from the window's client
    // origin; the offset below accounts for where the list sits.
    POINT p = selected->Position();
    ::ClientToScreen(Handle(), &p);
    const std::wstring name = SelectedThemeName(*LstThemes);
    MnUses->SetCaption(FormatName(L"使用: %s", name));
    MnLookPaper->SetCaption(FormatName(L"查看: %s 壁纸", name));
    MnUninstall->SetCaption(FormatName(L"卸载: %s", name));
    const TThemeBase* theme = SelectedTheme(*LstThemes);
    const bool system = theme && IsSystemThemeFile(theme->FileName);
    MnUninstall->SetEnabled(!system);
    MnLookPaper->SetEnabled(!system);
    PopMenu->Popup(p.x + 42, p.y + 41);
}
