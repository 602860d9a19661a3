#include "app/saved_look.h"

#include "toolkit/text_compare.h"
#include "toolkit/unique_handle.h"

#include <windows.h>

#include <string>

const wchar_t kSavedLookKey[] = L"Software\\Velmora";
const wchar_t kSavedLookValue[] = L"Skin";

namespace {

const struct {
    TLook Look;
    const wchar_t* Name;
} kLookNames[] = {
    {TLook::Yellow, L"yellow"},
    {TLook::Blue, L"blue"},
    {TLook::System, L"system"},
};

std::wstring ReadValue() {
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSavedLookKey, 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS)
        return {};
    TRegistryKey key(raw);
    wchar_t text[32] = L"";
    DWORD type = 0, size = sizeof(text) - sizeof(wchar_t); // room for a terminating NUL
    if (RegQueryValueExW(raw, kSavedLookValue, nullptr, &type, reinterpret_cast<BYTE*>(text),
                         &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return {};
    return std::wstring(text, size / sizeof(wchar_t)).c_str();
}

} // namespace

TLook ReadSavedLook() {
    const std::wstring value = ReadValue();
    for (const auto& entry : kLookNames)
        if (SameTextNoCase(value, entry.Name)) return entry.Look;
    return TLook::Yellow;
}

bool SaveLook(TLook look) {
    const wchar_t* name = kLookNames[0].Name;
    for (const auto& entry : kLookNames)
        if (entry.Look == look) name = entry.Name;
    HKEY raw = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSavedLookKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &raw, nullptr) != ERROR_SUCCESS)
        return false;
    TRegistryKey key(raw);
    const DWORD bytes = static_cast<DWORD>((wcslen(name) + 1) * sizeof(wchar_t));
    return RegSetValueExW(raw, kSavedLookValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(name),
                          bytes) == ERROR_SUCCESS;
}
