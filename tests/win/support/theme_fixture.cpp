#include "support/theme_fixture.h"

#include <windows.h>

TEnvironmentOverride::TEnvironmentOverride(const wchar_t* name, const wchar_t* value)
    : name_(name) {
    wchar_t buffer[32768];
    DWORD got = GetEnvironmentVariableW(name, buffer, 32768);
    wasSet_ = got > 0 && got < 32768;
    if (wasSet_) saved_.assign(buffer, got);
    SetEnvironmentVariableW(name, value);
}

TEnvironmentOverride::~TEnvironmentOverride() {
    SetEnvironmentVariableW(name_.c_str(), wasSet_ ? saved_.c_str() : nullptr);
}

std::string Utf16Bytes(const std::wstring& text) {
    std::string out = "\xFF\xFE";
    for (wchar_t c : text) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}

std::string Gb2312Bytes(const std::wstring& text) {
    if (text.empty()) return {};
    int n =
        WideCharToMultiByte(936, 0, text.data(), (int)text.size(), nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(936, 0, text.data(), (int)text.size(), out.data(), n, nullptr, nullptr);
    return out;
}

TThemeFixture::TThemeFixture()
    : windir_(L"windir", (root_ / L"Windows").c_str()),
      systemRoot_(L"SystemRoot", (root_ / L"Windows").c_str()),
      allUsers_(L"ALLUSERSPROFILE", (root_ / L"AllUsers").c_str()) {
    root_.MakeFolder(L"Windows\\Resources\\Themes");
    root_.MakeFolder(L"Windows\\Web\\Wallpaper");
    root_.MakeFolder(L"AllUsers\\「开始」菜单\\程序\\Tavro主题");
}

std::wstring TThemeFixture::StartMenu() const {
    return root_ / L"AllUsers\\「开始」菜单\\程序\\Tavro主题\\";
}

std::wstring TThemeFixture::AddTheme(const std::wstring& name, const std::string& bytes) const {
    return AddFile(Themes() + name, bytes);
}

std::wstring TThemeFixture::AddFile(const std::wstring& path, const std::string& bytes) const {
    return root_.WriteFile(path.substr(root_.Path().size() + 1), bytes);
}

void TSurvivors::Add(const std::wstring& path) {
    files_.emplace_back(path, ReadFileBytes(path));
}

std::vector<std::wstring> TSurvivors::Lost() const {
    std::vector<std::wstring> lost;
    for (const auto& [path, bytes] : files_) {
        if (!FileExists(path) || ReadFileBytes(path) != bytes) lost.push_back(path);
    }
    return lost;
}
