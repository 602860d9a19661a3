#include "support/temp_folder.h"

#include <windows.h>

#include <stdexcept>

std::wstring Widen(const std::string& utf8) {
    if (utf8.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), nullptr, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), out.data(), n);
    return out;
}

std::string Narrow(const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), (int)text.size(), nullptr, 0, nullptr,
                                nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), (int)text.size(), out.data(), n, nullptr,
                        nullptr);
    return out;
}

namespace {

void MakeParents(const std::wstring& file) {
    size_t pos = file.find_last_of(L'\\');
    if (pos == std::wstring::npos) return;
    std::wstring dir = file.substr(0, pos);
    if (FolderExists(dir)) return;
    MakeParents(dir);
    CreateDirectoryW(dir.c_str(), nullptr);
}

// Removes a tree without following links out of it: a reparse point is
// removed as itself, never entered.
void RemoveTree(const std::wstring& dir) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring full = dir + L"\\" + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            bool isDir = fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
            bool isLink = fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
            if (isDir && !isLink) {
                RemoveTree(full);
            } else if (isDir) {
                RemoveDirectoryW(full.c_str());
            } else {
                DeleteFileW(full.c_str());
            }
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(dir.c_str());
}

}  // namespace

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    for (unsigned attempt = 0;; ++attempt) {
        path_ = std::wstring(base) + L"velmora-test-" + std::to_wstring(GetCurrentProcessId()) +
                L"-" + std::to_wstring(GetTickCount() + attempt);
        if (CreateDirectoryW(path_.c_str(), nullptr)) break;
        if (GetLastError() != ERROR_ALREADY_EXISTS || attempt > 100)
            throw std::runtime_error("cannot create a temporary folder");
    }
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::wstring TempFolder::WriteFile(const std::wstring& relative, const std::string& bytes) const {
    std::wstring full = *this / relative;
    MakeParents(full);
    HANDLE h = CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write a fixture file");
    DWORD written = 0;
    ::WriteFile(h, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
    CloseHandle(h);
    return full;
}

std::wstring TempFolder::MakeFolder(const std::wstring& relative) const {
    std::wstring full = *this / relative;
    MakeParents(full + L"\\x");
    return full;
}

bool FileExists(const std::wstring& path) {
    DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::wstring& path) {
    DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadFileBytes(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::string out;
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got) out.append(buf, got);
    CloseHandle(h);
    return out;
}
