// A DLL for tests to plant under a system DLL's name where a search by bare
// name would find it first. It exports nothing, so a program that loads it
// by mistake finds none of the entry points it looks for.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
