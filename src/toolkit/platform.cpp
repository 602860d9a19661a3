#include "toolkit/platform.h"

#include <string>

TPlatform::TPlatform() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    wine_ = ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (GetVersionExW(&info))
        ntDotZero_ = info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion > 4 &&
                     info.dwMinorVersion == 0;
#pragma GCC diagnostic pop
}

const TPlatform& Platform() {
    static const TPlatform platform;
    return platform;
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
    if (HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return module;
    // A Windows 7 without the search flags refuses them: the full path gives
    // the same DLL there.
    if (GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
    wchar_t system[MAX_PATH];
    UINT length = GetSystemDirectoryW(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    return LoadLibraryExW((std::wstring(system) + L"\\" + name).c_str(), nullptr,
                          LOAD_WITH_ALTERED_SEARCH_PATH);
}
