#pragma once
// Small helpers shared by the painters of the skin engine.
#include <windows.h>

#include <string>

class TWinControl;

// "ControlOfs" + module instance + thread id: the window property under
// which the toolkit stores its control on every window it creates.
const std::wstring& ControlAtomName();
ATOM ControlAtom();
// The toolkit control behind `window`, or nullptr (also for a null window).
TWinControl* ControlOf(HWND window);
// The program's ANSI text as wide text (system ANSI code page).
std::wstring AnsiToWide(const std::string& text);
// The first `count` characters of `text`, or all of it for -1.
std::wstring WideCopy(const std::wstring& text, int count);
// DrawTextW with the text's own length; the program is Unicode throughout.
int DrawSkinText(HDC dc, const std::wstring& text, RECT& rect, UINT format);
