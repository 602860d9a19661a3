#include "engine/win_skin_form.h"

// Placeholder bodies; the system menu is being built.
void TWinSkinForm::HandleSysCommand(TMessage& m) { Default(m); }
void TWinSkinForm::HandleMenuAt(TMessage& m) { m.Result = 0; }
void TWinSkinForm::HandleDialogChar(TMessage& m) {}
void TWinSkinForm::ShowSystemMenu(POINT) {}
void TWinSkinForm::BuildSystemMenu() {}
bool TWinSkinForm::CloseAllowed() const { return true; }
