#include "engine/win_skin_form.h"

// Placeholder bodies; non-client mouse handling is being built.
POINT TWinSkinForm::ScreenToWindow(int x, int y) const { return {x, y}; }
TNCObject* TWinSkinForm::ButtonAt(POINT) { return nullptr; }
void TWinSkinForm::HandleNCHitTest(TMessage& m) { Default(m); }
void TWinSkinForm::HandleNCMouseMove(TMessage& m) { Default(m); }
void TWinSkinForm::HandleNCLButtonDown(TMessage& m) { Default(m); }
void TWinSkinForm::HandleNCLButtonUp(TMessage& m) { Default(m); }
void TWinSkinForm::HandleNCLButtonDblClk(TMessage& m) { Default(m); }
void TWinSkinForm::HandleNCRButtonDown(TMessage& m) { Default(m); }
void TWinSkinForm::HoverTick() {}
void TWinSkinForm::SetHoverTimer(bool enabled) { HoverTimerEnabled = enabled; }
void TWinSkinForm::ExecuteButton(int, int) {}
void TWinSkinForm::ToggleMaximize() {}
void TWinSkinForm::RestoreWindow() {}
void TWinSkinForm::ToggleMinimize() {}
void TWinSkinForm::SendToActiveChild(UINT) {}
