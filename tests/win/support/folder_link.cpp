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

// Runs a Unix program under Wine with the given Unix path arguments.
std::string RunUnix(const wchar_t* program, const std::string& commandLine) {
    std::wstring wide(commandLine.begin(), commandLine.end());
    STARTUPINFOW si{sizeof(si)};
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(program, wide.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
        return "cannot run a Unix program, error " + std::to_string(GetLastError());
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return {};
}

std::string UnixName(const std::wstring& path) {
    using Converter = char*(CDECL*)(LPCWSTR);
    auto convert = reinterpret_cast<Converter>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name"));
    if (!convert) return {};
    char* name = convert(path.c_str());
    if (!name) return {};
    std::string out = name;
    HeapFree(GetProcessHeap(), 0, name);
    return out;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Wine may report a Unix child finished before it has run.
bool WaitFor(const std::wstring& path, bool present) {
    for (int i = 0; i < 100 && Exists(path) != present; ++i)
        Sleep(20);
    return Exists(path) == present;
}

// Under Wine: a Unix symbolic link made by /bin/ln, which Wine shows as a
// plain folder (no reparse point) - the hardest case for a tree removal.
std::string MakeUnixLink(const std::wstring& link, const std::wstring& target) {
    std::string unixLink = UnixName(link), unixTarget = UnixName(target);
    if (unixLink.empty() || unixTarget.empty()) return "not Wine";
    std::string error =
        RunUnix(L"Z:\\bin\\ln", "/bin/ln -s \"" + unixTarget + "\" \"" + unixLink + "\"");
    if (!error.empty()) return error;
    return WaitFor(link, true) ? "" : "ln made nothing";
}

} // namespace

std::string MakeFolderLink(const std::wstring& link, const std::wstring& target) {
    if (CreateSymbolicLinkW(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY) &&
        IsLinkOnDisk(link))
        return {};
    std::string junction = MakeJunction(link, target);
    if (junction.empty()) return {};
    std::string unixLink = MakeUnixLink(link, target);
    return unixLink.empty() ? std::string() : junction + "; " + unixLink;
}

void RemoveFolderLink(const std::wstring& link) {
    if (!Exists(link)) return;
    RemoveDirectoryW(link.c_str());
    std::string unixLink = UnixName(link);
    if (Exists(link) && !unixLink.empty()) {
        RunUnix(L"Z:\\bin\\rm", "/bin/rm -f \"" + unixLink + "\"");
        WaitFor(link, false);
    }
}

TFolderLink::TFolderLink(const std::wstring& link, const std::wstring& target)
    : link_(link), refused_(MakeFolderLink(link, target)) {}

TFolderLink::~TFolderLink() {
    if (refused_.empty()) RemoveFolderLink(link_);
}
