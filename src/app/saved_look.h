#pragma once
// The look the user chose last in the skin menu, kept per user so that the
// next start shows it again: HKEY_CURRENT_USER\Software\Velmora, string
// value "Skin" holding "yellow", "blue" or "system".
enum class TLook { Yellow, Blue, System };

extern const wchar_t kSavedLookKey[];   // Software\Velmora, under HKEY_CURRENT_USER
extern const wchar_t kSavedLookValue[]; // Skin

// The saved look; yellow (the look of a first start) when none is saved or
// the value is not one this program writes.
TLook ReadSavedLook();
// False when the registry refused the value.
bool SaveLook(TLook look);
