#pragma once
// A fake Windows folder for catalogue and uninstall tests: "windir",
// "SystemRoot" and "ALLUSERSPROFILE" point into a temporary tree while the
// fixture lives, and are restored afterwards.
#include "support/temp_folder.h"

#include <string>
#include <utility>
#include <vector>

// Sets an environment variable for its lifetime (nullptr unsets it).
class TEnvironmentOverride {
public:
    TEnvironmentOverride(const wchar_t* name, const wchar_t* value);
    ~TEnvironmentOverride();
    TEnvironmentOverride(const TEnvironmentOverride&) = delete;
    TEnvironmentOverride& operator=(const TEnvironmentOverride&) = delete;

private:
    std::wstring name_;
    std::wstring saved_;
    bool wasSet_;
};

// Text of a .theme file in the encodings found in the wild.
std::string Utf16Bytes(const std::wstring& text);  // little-endian, with BOM
std::string Gb2312Bytes(const std::wstring& text); // code page 936, no BOM

class TThemeFixture {
public:
    TThemeFixture();

    const TempFolder& Root() const { return root_; }
    std::wstring Windows() const { return root_ / L"Windows"; }
    std::wstring Themes() const { return Windows() + L"\\Resources\\Themes\\"; }
    std::wstring Wallpapers() const { return Windows() + L"\\Web\\Wallpaper\\"; }
    std::wstring StartMenu() const; // the Tavro shortcut folder, trailing backslash

    // Writes Resources\Themes\<name> with the given bytes; returns its path.
    std::wstring AddTheme(const std::wstring& name, const std::string& bytes) const;
    // Writes a file anywhere below the root (absolute path given) with bytes.
    std::wstring AddFile(const std::wstring& path, const std::string& bytes) const;

private:
    TempFolder root_;
    TEnvironmentOverride windir_, systemRoot_, allUsers_;
};

// Files that must still be there, byte for byte, when a check runs.
class TSurvivors {
public:
    void Add(const std::wstring& path);
    // Paths that are missing or changed; empty when all survived.
    std::vector<std::wstring> Lost() const;

private:
    std::vector<std::pair<std::wstring, std::string>> files_;
};
