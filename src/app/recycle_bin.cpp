#include "app/recycle_bin.h"

#include <windows.h>

#include <shellapi.h>

namespace {

// Fixed drives have a bin; removable and network drives have none, and the
// shell would delete from them for good.
bool VolumeHasRecycleBin(const std::wstring& path) {
    wchar_t root[MAX_PATH];
    if (!GetVolumePathNameW(path.c_str(), root, MAX_PATH)) return false;
    if (GetDriveTypeW(root) != DRIVE_FIXED) return false;
    SHQUERYRBINFO info{};
    info.cbSize = sizeof info;
    return SHQueryRecycleBinW(root, &info) == S_OK;
}

bool Recycle(const std::wstring& path, bool folder) {
    // The shell takes no "\\?\" paths and none longer than MAX_PATH.
    if (path.empty() || path.size() >= MAX_PATH || path.find(L'\0') != std::wstring::npos)
        return false;
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        bool(attributes & FILE_ATTRIBUTE_DIRECTORY) != folder || !VolumeHasRecycleBin(path))
        return false;
    std::wstring from = path + L'\0'; // a list of one, ended by two nulls
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_ALLOWUNDO | FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
    return SHFileOperationW(&op) == 0 && !op.fAnyOperationsAborted &&
           GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

} // namespace

bool RecycleFile(const std::wstring& path) {
    return Recycle(path, false);
}

bool RecycleFolder(const std::wstring& path) {
    return Recycle(path, true);
}
