#include "engine/win_skin_form.h"

#include "core/skin_elements.h"

// Placeholder bodies; the caption buttons are being built.
void TNCObject::MouseDown() {}
void TNCObject::MouseUp() {}
void TNCObject::MouseEnter() {}
void TNCObject::MouseLeave() {}
void TNCObject::SetState(int state) { State = state; }
void TWinSysButton::Paint() {}
const TPixelBitmap& TWinSysButton::Image() const { return Element->Bitmap; }
int TWinSysButton::FrameCount() const { return Element->FrameCount; }
void TWinSkinForm::CreateSysButtons() {}
bool TWinSkinForm::IsButtonVisible(int) { return false; }
void TWinSkinForm::LayoutSysButtons() {}
void TWinSkinForm::PaintSysButtons(TCanvas&) {}
void TWinSkinForm::DrawSysButton(TWinSysButton&, int) {}
