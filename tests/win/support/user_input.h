#pragma once
// Keys as the user types them, and the program's own message loop run until
// what they caused has happened.
#include <windows.h>

#include <functional>
#include <vector>

// Through the system's input queue, to the window with the focus: the
// first keys are held while the last is pressed.
void TypeKeys(const std::vector<WORD>& keys);

// Dispatches messages the way the program's loop does (dialog keys
// included) until `done` or `timeoutMs` has passed; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
