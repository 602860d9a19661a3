#include "engine/win_skin_form.h"

// Placeholder bodies; the window icon is being built.
void TWinSkinForm::BuildIconBitmap() {}
void TWinSkinForm::DrawWindowIcon(HDC, int, int) {}
