#include "skin_argument.h"

#include "engine/skin_data.h"
#include "toolkit/application.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>

namespace {

// The word after --skin, or empty.
std::wstring SkinArgument() {
    int count = 0;
    std::unique_ptr<LPWSTR, decltype(&LocalFree)> argv(
        CommandLineToArgvW(GetCommandLineW(), &count), &LocalFree);
    if (!argv) return {};
    for (int i = 1; i + 1 < count; ++i)
        if (std::wstring(argv.get()[i]) == L"--skin") return argv.get()[i + 1];
    return {};
}

std::wstring Widen(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

} // namespace

void OpenSkinArgument(TComponent& form) {
    const std::wstring path = SkinArgument();
    if (!path.empty()) OpenSkinFile(form, path);
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
