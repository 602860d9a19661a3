#include "support/registry_key_guard.h"

#include "toolkit/unique_handle.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

namespace {

const wchar_t kJournal[] = L"Software\\Velmora.TestJournal";

struct TRoot {
    HKEY Key;
    const wchar_t* Name;
};
const TRoot kRoots[] = {{HKEY_LOCAL_MACHINE, L"HKLM"}, {HKEY_CURRENT_USER, L"HKCU"}};

std::wstring JournalPath(const std::wstring& entry) {
    return std::wstring(kJournal) + L"\\" + entry;
}

TRegistryKey OpenKey(HKEY root, const std::wstring& subKey, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subKey.c_str(), 0, access, &key) != ERROR_SUCCESS) return {};
    return TRegistryKey(key);
}

TRegistryKey CreateKey(HKEY root, const std::wstring& subKey) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return {};
    return TRegistryKey(key);
}

// The whole tree root\from copied into to\subKey (both existing or made).
bool CopyTree(HKEY fromRoot, const std::wstring& from, HKEY toRoot, const std::wstring& to) {
    TRegistryKey source = OpenKey(fromRoot, from, KEY_READ);
    TRegistryKey target = source ? CreateKey(toRoot, to) : TRegistryKey();
    return target && RegCopyTreeW(source.Get(), nullptr, target.Get()) == ERROR_SUCCESS;
}

void DeleteTree(HKEY root, const std::wstring& subKey) {
    RegDeleteTreeW(root, subKey.c_str());
    RegDeleteKeyW(root, subKey.c_str());
}

bool WriteString(HKEY key, const wchar_t* name, const std::wstring& value) {
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          DWORD((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

std::wstring ReadString(HKEY key, const wchar_t* name) {
    wchar_t value[1024] = L"";
    DWORD size = sizeof(value) - sizeof(wchar_t);
    if (RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) !=
        ERROR_SUCCESS)
        return {};
    return value;
}

ULONGLONG StartOf(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    return (ULONGLONG(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

// "<when>-<process id>-<process start>-<sequence>": entries sort by when
// they were made; the process is known by its id and start time, since ids
// are reused.
std::wstring NewEntryName() {
    static std::atomic<unsigned> sequence{0};
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    wchar_t name[96];
    swprintf(name, 96, L"%08lx%08lx-%lu-%llx-%04x", now.dwHighDateTime, now.dwLowDateTime,
             GetCurrentProcessId(), StartOf(GetCurrentProcess()), sequence++ & 0xFFFF);
    return name;
}

bool OwnerIsAlive(const std::wstring& entry) {
    unsigned long id = 0;
    unsigned long long start = 0;
    if (swscanf(entry.c_str(), L"%*16x-%lu-%llx", &id, &start) != 2) return false;
    HANDLE raw = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, id);
    TFileHandle process(raw);
    return process && StartOf(raw) == start && WaitForSingleObject(raw, 0) == WAIT_TIMEOUT;
}

// Puts the entry's key back (its saved tree, or nothing) and drops the entry.
void Restore(const std::wstring& entry) {
    const std::wstring path = JournalPath(entry);
    if (TRegistryKey record = OpenKey(HKEY_CURRENT_USER, path, KEY_READ)) {
        const std::wstring rootName = ReadString(record.Get(), L"Root");
        const std::wstring subKey = ReadString(record.Get(), L"Key");
        for (const TRoot& root : kRoots) {
            if (rootName != root.Name || subKey.empty()) continue;
            DeleteTree(root.Key, subKey);
            if (TRegistryKey saved = OpenKey(HKEY_CURRENT_USER, path + L"\\Saved", KEY_READ))
                CopyTree(HKEY_CURRENT_USER, path + L"\\Saved", root.Key, subKey);
        }
    }
    DeleteTree(HKEY_CURRENT_USER, path);
}

} // namespace

TRegistryKeyGuard::TRegistryKeyGuard(HKEY root, const std::wstring& subKey) {
    RestoreLeftovers();
    const TRoot* known = std::find_if(std::begin(kRoots), std::end(kRoots),
                                      [root](const TRoot& r) { return r.Key == root; });
    if (known == std::end(kRoots)) return;
    const std::wstring entry = NewEntryName();
    TRegistryKey record = CreateKey(HKEY_CURRENT_USER, JournalPath(entry));
    const bool noted = record && WriteString(record.Get(), L"Root", known->Name) &&
                       WriteString(record.Get(), L"Key", subKey);
    const bool saved =
        noted && (!OpenKey(root, subKey, KEY_READ) ||
                  CopyTree(root, subKey, HKEY_CURRENT_USER, JournalPath(entry) + L"\\Saved"));
    record.Reset();
    if (saved)
        entry_ = entry;
    else
        DeleteTree(HKEY_CURRENT_USER, JournalPath(entry)); // never touched on the way out
}

TRegistryKeyGuard::~TRegistryKeyGuard() {
    if (!entry_.empty()) Restore(entry_);
}

void TRegistryKeyGuard::RestoreLeftovers() {
    TRegistryKey journal = OpenKey(HKEY_CURRENT_USER, kJournal, KEY_READ);
    if (!journal) return;
    std::vector<std::wstring> entries;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(journal.Get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        entries.push_back(name);
    }
    journal.Reset();
    std::sort(entries.rbegin(), entries.rend());
    for (const std::wstring& entry : entries)
        if (!OwnerIsAlive(entry)) Restore(entry);
}
