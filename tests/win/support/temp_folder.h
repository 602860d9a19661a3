#pragma once
// A real folder tree under the Windows temporary folder that a test fills
// with fixture files; removed with everything in it when the test ends.
#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return path_; }  // no trailing backslash
    std::wstring operator/(const std::wstring& relative) const { return path_ + L"\\" + relative; }

    // Writes bytes to a file below the folder, creating parent folders.
    std::wstring WriteFile(const std::wstring& relative, const std::string& bytes) const;
    std::wstring MakeFolder(const std::wstring& relative) const;

private:
    std::wstring path_;
};

bool FileExists(const std::wstring& path);
bool FolderExists(const std::wstring& path);
std::string ReadFileBytes(const std::wstring& path);
std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& text);
