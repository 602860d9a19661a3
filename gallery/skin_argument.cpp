#include "skin_argument.h"

#include "engine/skin_data.h"
#include "engine/skin_store_component.h"
#include "toolkit/application.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>

namespace {

// The word after `option`, or empty.
std::wstring ArgumentAfter(const wchar_t* option) {
    int count = 0;
    std::unique_ptr<LPWSTR, decltype(&LocalFree)> argv(
        CommandLineToArgvW(GetCommandLineW(), &count), &LocalFree);
    if (!argv) return {};
    for (int i = 1; i + 1 < count; ++i)
        if (std::wstring(argv.get()[i]) == option) return argv.get()[i + 1];
    return {};
}

std::wstring Widen(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

} // namespace

void OpenSkinArgument(TComponent& form) {
    const std::wstring path = ArgumentAfter(L"--skin");
    if (!path.empty()) OpenSkinFile(form, path);
}

void OpenLookArgument(TComponent& form) {
    const std::wstring look = ArgumentAfter(L"--look");
    // The stored skins: the blue one first, the yellow one second.
    if (look == L"yellow") SwitchToStoredSkin(form, 1);
    if (look == L"blue") SwitchToStoredSkin(form, 0);
    if (look == L"system") SwitchSkinOff(form);
}

std::wstring FirstDroppedFile(HDROP drop) {
    if (!drop || DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) == 0) return {};
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    path.resize(DragQueryFileW(drop, 0, path.data(), length + 1));
    return path;
}

void OpenSkinFile(TComponent& form, const std::wstring& path) {
    auto* skinData = form.Find<TSkinData>(L"SkinData");
    if (!skinData) return;
    std::string why;
    if (skinData->OpenSkinFile(path, why)) {
        skinData->SetActive(true);
        return;
    }
    Application().MessageBox(L"无法使用皮肤文件 " + path + L"：\n" + Widen(why) +
                                 L"\n\n仍使用原来的皮肤。",
                             Application().Title(), MB_OK | MB_ICONWARNING);
}
