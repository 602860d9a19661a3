#pragma once
// A skin file tried in the gallery at once, without rebuilding, named by
// `--skin FILE` on the command line or dropped on the window, through the
// same load as the stored skins; and the look to start in, named by
// `--look yellow|blue|system` (the screenshot script shows each).
#include "toolkit/component.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

// Loads the file named after --skin into the form's skin data; a file that
// cannot be read or is refused is reported in a message box and the stored
// skin stays. Nothing happens without the option.
void OpenSkinArgument(TComponent& form);
// Switches to the look named after --look; an unknown name changes nothing.
void OpenLookArgument(TComponent& form);

// Loads `path` the same way: refused files are reported and the skin stays.
void OpenSkinFile(TComponent& form, const std::wstring& path);
// The first file of a drop on a window (empty when there is none).
std::wstring FirstDroppedFile(HDROP drop);
