#pragma once
// `--skin FILE` on the gallery's command line: a skin file tried at once,
// without rebuilding, through the same load as the stored skins.
#include "toolkit/component.h"

// Loads the file named after --skin into the form's skin data; a file that
// cannot be read or is refused is reported in a message box and the stored
// skin stays. Nothing happens without the option.
void OpenSkinArgument(TComponent& form);
