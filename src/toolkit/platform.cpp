#include "toolkit/platform.h"

#include <windows.h>

TPlatform::TPlatform() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    wine_ = ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

const TPlatform& Platform() {
    static const TPlatform platform;
    return platform;
}
