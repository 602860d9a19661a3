// System DLLs come from the system folder only: a DLL of the same name
// planted where a search by bare name looks first is never loaded.
#include "support/temp_folder.h"
#include "toolkit/form.h"
#include "toolkit/web_browser.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

std::wstring FolderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring ModulePath(HMODULE module) {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(module, path, MAX_PATH);
    return path;
}

// SetDllDirectoryW for a scope: the folder is searched before the system
// folder, right after the program's own.
class TDllDirectory {
public:
    explicit TDllDirectory(const std::wstring& folder) : set_(SetDllDirectoryW(folder.c_str())) {}
    ~TDllDirectory() { SetDllDirectoryW(nullptr); }
    TDllDirectory(const TDllDirectory&) = delete;
    TDllDirectory& operator=(const TDllDirectory&) = delete;
    bool Set() const { return set_; }

private:
    bool set_;
};

} // namespace

TEST(SystemLibraries, TheWebPanelLoadsAtlFromTheSystemFolderOnly) {
    ASSERT_EQ(GetModuleHandleW(L"atl.dll"), nullptr) << "loaded before the test";
    TempFolder folder;
    const std::wstring planted = folder / L"atl.dll";
    ASSERT_TRUE(CopyFileW((FolderOf(ModulePath(nullptr)) + L"\\planted.dll").c_str(),
                          planted.c_str(), FALSE));
    {
        TDllDirectory searched(folder.Path());
        ASSERT_TRUE(searched.Set());
        TComponent root(nullptr);
        auto* form = new TForm(&root);
        auto* web = new TWebBrowser(&root);
        web->SetParent(form);
        form->HandleNeeded();
        FreeForm(form);
    }
    HMODULE atl = GetModuleHandleW(L"atl.dll");
    ASSERT_NE(atl, nullptr) << "the web panel loaded no atl.dll";
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(CompareStringOrdinal(FolderOf(ModulePath(atl)).c_str(), -1, system, -1, TRUE),
              CSTR_EQUAL)
        << Narrow(ModulePath(atl));
}
