#include "app/real_paths.h"

#include "app/theme_paths.h"

namespace {

std::wstring WithoutLongPrefix(const std::wstring& path) {
    return path.rfind(L"\\\\?\\", 0) == 0 ? path.substr(4) : path;
}

// Short (8.3) spellings of a name that exists resolve to its long one.
std::wstring LongName(const std::wstring& full) {
    std::wstring longForm = LongPathForm(full);
    DWORD size = GetLongPathNameW(longForm.c_str(), nullptr, 0);
    if (size == 0) return full;
    std::wstring out(size, L'\0');
    DWORD got = GetLongPathNameW(longForm.c_str(), out.data(), size);
    if (got == 0 || got >= size) return full;
    out.resize(got);
    return WithoutLongPrefix(out);
}

} // namespace

std::wstring FinalPath(HANDLE file) {
    std::wstring path(MAX_PATH, L'\0');
    // The first call may only tell the size it needs.
    for (int attempt = 0; attempt < 2; ++attempt) {
        DWORD got =
            GetFinalPathNameByHandleW(file, path.data(), DWORD(path.size()), FILE_NAME_NORMALIZED);
        if (got == 0) return {};
        if (got < path.size()) {
            path.resize(got);
            return WithoutLongPrefix(path);
        }
        path.resize(got);
    }
    return {};
}

std::wstring ExistingPath(const std::wstring& path) {
    HANDLE raw = CreateFileW(LongPathForm(path).c_str(), FILE_READ_ATTRIBUTES,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    TFileHandle handle(ValidHandle(raw));
    return handle ? FinalPath(raw) : std::wstring();
}

std::wstring RealPath(const std::wstring& path) {
    std::wstring full = NormalisePath(path);
    if (full.empty()) return {};
    std::wstring existing = ExistingPath(full);
    return existing.empty() ? LongName(full) : existing;
}

TFileHandle OpenPlainFile(const std::wstring& path, DWORD access) {
    HANDLE raw = CreateFileW(LongPathForm(path).c_str(), access | FILE_READ_ATTRIBUTES,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    TFileHandle file(ValidHandle(raw));
    BY_HANDLE_FILE_INFORMATION info;
    if (!file || !GetFileInformationByHandle(raw, &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
        return {};
    return file;
}

bool DeleteOpenedFile(HANDLE file) {
    FILE_DISPOSITION_INFO disposition{TRUE};
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition,
                                      sizeof disposition) != FALSE;
}
