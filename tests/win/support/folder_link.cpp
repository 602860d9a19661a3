#include "support/folder_link.h"

#include <windows.h>
#include <winioctl.h>

#include <cstddef>
#include <vector>

namespace {

bool IsLinkOnDisk(const std::wstring& link) {
    DWORD attributes = GetFileAttributesW(link.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// The mount-point reparse data: tag, sizes, then the NT target name and the
// printable name, both NUL-terminated.
struct MountPointHeader {
    DWORD Tag;
    WORD DataLength;
    WORD Reserved;
    WORD SubstituteOffset, SubstituteLength, PrintOffset, PrintLength;
};

std::string MakeJunction(const std::wstring& link, const std::wstring& target) {
    if (!CreateDirectoryW(link.c_str(), nullptr)) return "cannot create the junction folder";
    HANDLE h = CreateFileW(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "cannot open the junction folder";
    std::wstring nt = L"\\??\\" + target;
    WORD ntBytes = WORD(nt.size() * 2), printBytes = WORD(target.size() * 2);
    std::vector<char> buffer(sizeof(MountPointHeader) + ntBytes + printBytes + 4, 0);
    auto* header = reinterpret_cast<MountPointHeader*>(buffer.data());
    header->Tag = IO_REPARSE_TAG_MOUNT_POINT;
    header->DataLength = WORD(buffer.size() - 8);
    header->SubstituteLength = ntBytes;
    header->PrintOffset = ntBytes + 2;
    header->PrintLength = printBytes;
    char* names = buffer.data() + sizeof(MountPointHeader);
    memcpy(names, nt.data(), ntBytes);
    memcpy(names + ntBytes + 2, target.data(), printBytes);
    DWORD returned = 0;
    BOOL ok = DeviceIoControl(h, FSCTL_SET_REPARSE_POINT, buffer.data(), (DWORD)buffer.size(),
                              nullptr, 0, &returned, nullptr);
    DWORD error = GetLastError();
    CloseHandle(h);
    if (ok && IsLinkOnDisk(link)) return {};
    RemoveDirectoryW(link.c_str());
    return "junctions are refused too, error " + std::to_string(ok ? 0 : error);
}

} // namespace

std::string MakeFolderLink(const std::wstring& link, const std::wstring& target) {
    if (CreateSymbolicLinkW(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY) &&
        IsLinkOnDisk(link))
        return {};
    return MakeJunction(link, target);
}
