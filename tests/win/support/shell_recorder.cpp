#include "support/shell_recorder.h"

#include "support/temp_folder.h"

namespace {

// Wine 8 does not merge per-user classes into HKEY_CLASSES_ROOT, so the
// machine's classes are the ones the shell reads.
const HKEY kRoot = HKEY_LOCAL_MACHINE;
constexpr wchar_t kClasses[] = L"Software\\Classes\\";
constexpr wchar_t kRecorderClass[] = L"Velmora.ShellRecorder";

bool SetDefaultValue(HKEY root, const std::wstring& subKey, const std::wstring& value) {
    HKEY key;
    if (RegCreateKeyExW(root, subKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    LONG result =
        RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       DWORD((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

std::wstring Trimmed(const std::wstring& text) {
    const wchar_t* noise = L" \t\r\n\"";
    size_t first = text.find_first_not_of(noise);
    if (first == std::wstring::npos) return {};
    return text.substr(first, text.find_last_not_of(noise) - first + 1);
}

} // namespace

TShellRecorder::TShellRecorder(const std::wstring& folder) : record_(folder + L"\\received.txt") {}

TShellRecorder::~TShellRecorder() {
    while (!guards_.empty())
        guards_.pop_back();
}

bool TShellRecorder::WriteCommand(const std::wstring& classKey) {
    guards_.push_back(std::make_unique<TRegistryKeyGuard>(kRoot, classKey));
    RegDeleteTreeW(kRoot, classKey.c_str());
    // The redirection comes first so that anything the shell appends after
    // the path is recorded too; so are the parameters it was handed (%*), so
    // that a program given more than its path shows it. Each arrival adds a
    // line: one that should not have come cannot hide behind a later one.
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring command =
        std::wstring(system) + L"\\cmd.exe /c >>\"" + record_ + L"\" echo \"%1\" \"%*\"";
    return SetDefaultValue(kRoot, classKey + L"\\shell\\open\\command", command);
}

bool TShellRecorder::Catch(const std::wstring& extensionOrClass) {
    const std::wstring classes = kClasses;
    if (extensionOrClass.empty() || extensionOrClass[0] != L'.')
        return WriteCommand(classes + extensionOrClass);
    const std::wstring extension = classes + extensionOrClass;
    guards_.push_back(std::make_unique<TRegistryKeyGuard>(kRoot, extension));
    RegDeleteTreeW(kRoot, extension.c_str());
    return SetDefaultValue(kRoot, extension, kRecorderClass) &&
           WriteCommand(classes + kRecorderClass);
}

std::wstring TShellRecorder::Received(DWORD waitMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        // cmd writes the whole line at once; a line end means it is done.
        const std::string bytes = FileExists(record_) ? ReadFileBytes(record_) : std::string();
        if (!bytes.empty() && bytes.back() == '\n') {
            DeleteFileW(record_.c_str());
            int n = MultiByteToWideChar(CP_OEMCP, 0, bytes.data(), int(bytes.size()), nullptr, 0);
            std::wstring text(n, L'\0');
            MultiByteToWideChar(CP_OEMCP, 0, bytes.data(), int(bytes.size()), text.data(), n);
            return Trimmed(text);
        }
        if (GetTickCount() - start >= waitMs) return {};
        Sleep(50);
    }
}
