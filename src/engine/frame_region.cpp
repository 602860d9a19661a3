#include "engine/win_skin_form.h"

// Placeholder bodies; the window region is being built.
void TWinSkinForm::UpdateRegion() {}
void TWinSkinForm::RemoveRegion() {}
