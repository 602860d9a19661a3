// The commands of the main window: theme commands (uninstall, use, view
// wallpaper, batch uninstall, open folders) and search, sharing and skin
// switching. Not wired to any behaviour yet.
#include "app/main_form.h"

void TFrmMain::MnUninstallClick(TObject*) {}
void TFrmMain::MnUsesClick(TObject*) {}
void TFrmMain::MnLookPaperClick(TObject*) {}
void TFrmMain::BitBtn1Click(TObject*) {}
void TFrmMain::BtnPaperPathClick(TObject*) {}
void TFrmMain::BtnThemesPathClick(TObject*) {}

void TFrmMain::TxtSearchNameKeyDown(TObject*, WORD&, TShiftState) {}
void TFrmMain::BtnSearchClick(TObject*) {}
void TFrmMain::N2Click(TObject*) {}
void TFrmMain::Image1Click(TObject*) {}
void TFrmMain::N3Click(TObject*) {}
void TFrmMain::N4Click(TObject*) {}
void TFrmMain::N5Click(TObject*) {}
