#include "engine/win_skin_form.h"

// Placeholder bodies; the frame geometry is being built.
void TWinSkinForm::ReloadFrameMetrics() {}
void TWinSkinForm::HandleNCCalcSize(TMessage& m) { Default(m); }
void TWinSkinForm::FitWindow(bool) {}
void TWinSkinForm::SetSysMenuStyle(bool) {}
void TWinSkinForm::RefreshFrame() {}
