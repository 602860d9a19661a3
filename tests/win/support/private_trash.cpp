#include "support/private_trash.h"

#include <windows.h>

#include <cstdlib>

namespace {

// Wine's trash records hold the host path with bytes outside plain ASCII
// written as %XX.
std::string DecodePercents(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Calls one of Wine's path converters, which return a string allocated on
// the process heap; empty where the function is missing (not under Wine).
template <class Out, class In> Out ConvertedPath(const char* converter, const In* path) {
    using TConvert = typename Out::value_type*(CDECL*)(const In*);
    auto convert =
        reinterpret_cast<TConvert>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), converter));
    auto* converted = convert ? convert(path) : nullptr;
    if (!converted) return {};
    Out out = converted;
    HeapFree(GetProcessHeap(), 0, converted);
    return out;
}

std::wstring WindowsPath(const std::string& unixPath) {
    return ConvertedPath<std::wstring>("wine_get_dos_file_name", unixPath.c_str());
}

} // namespace

std::string UnixPath(const std::wstring& path) {
    return ConvertedPath<std::string>("wine_get_unix_file_name", path.c_str());
}

TPrivateTrash::TPrivateTrash() {
    // The shell reads the host's XDG_DATA_HOME through the C runtime's
    // environment once, when it first recycles something; newer Wine hands
    // the host's variable over as WINE_HOST_XDG_DATA_HOME.
    std::wstring home = Widen(UnixPath(folder_.Path()));
    for (const wchar_t* name : {L"XDG_DATA_HOME", L"WINE_HOST_XDG_DATA_HOME"}) {
        SetEnvironmentVariableW(name, home.c_str());
        _wputenv_s(name, home.c_str());
    }
}

std::vector<TPrivateTrash::TEntry> TPrivateTrash::Entries() const {
    std::vector<TEntry> entries;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((Info() + L"\\*.trashinfo").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return entries;
    do {
        std::string text = ReadFileBytes(Info() + L"\\" + found.cFileName);
        size_t at = text.find("\nPath=");
        if (at == std::string::npos) continue;
        size_t end = text.find('\n', at + 6);
        std::wstring record = found.cFileName;
        entries.push_back({WindowsPath(DecodePercents(text.substr(at + 6, end - at - 6))),
                           Files() + L"\\" + record.substr(0, record.size() - 10)});
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return entries;
}

const TPrivateTrash& PrivateTrash() {
    static const TPrivateTrash trash;
    return trash;
}
