// The search really goes through ShellExecuteW: the test points the http
// protocol of the test prefix at a recorder and reads what it received.
#include "app/search_share.h"
#include "app/theme_site.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

#include <fstream>
#include <sstream>
#include <string>

namespace {

const wchar_t kCommandKey[] = L"http\\shell\\open\\command";

// Sends http links to `command` while it lives, then puts the prefix's own
// handler back.
class THttpHandlerOverride {
public:
    explicit THttpHandlerOverride(const std::wstring& command) {
        if (RegCreateKeyExW(HKEY_CLASSES_ROOT, kCommandKey, 0, nullptr, 0,
                            KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_,
                            nullptr) != ERROR_SUCCESS) {
            key_ = nullptr;
            return;
        }
        wchar_t old[1024] = {};
        DWORD size = sizeof(old) - sizeof(wchar_t);
        hadOld_ = RegQueryValueExW(key_, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(old),
                                   &size) == ERROR_SUCCESS;
        old_ = old;
        Write(command);
    }
    ~THttpHandlerOverride() {
        if (!key_) return;
        if (hadOld_)
            Write(old_);
        else
            RegDeleteValueW(key_, nullptr);
        RegCloseKey(key_);
    }
    bool Set() const { return key_ != nullptr; }

private:
    void Write(const std::wstring& value) {
        RegSetValueExW(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       DWORD((value.size() + 1) * sizeof(wchar_t)));
    }
    HKEY key_ = nullptr;
    bool hadOld_ = false;
    std::wstring old_;
};

std::string WaitForFile(const std::wstring& path) {
    for (int i = 0; i < 200; ++i) {
        std::ifstream in(path.c_str(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        if (!text.str().empty()) return text.str();
        Sleep(50);
    }
    return {};
}

TEST(ShellOpen, SearchHandsTheEncodedLinkToTheBrowser) {
    TempFolder folder;
    const std::wstring record = folder.Path() + L"\\opened.txt";
    THttpHandlerOverride handler(L"cmd.exe /c echo \"%1\">\"" + record + L"\"");
    ASSERT_TRUE(handler.Set());
    OpenSearchPage(nullptr, L"秋天 a~");
    const std::string opened = WaitForFile(record);
    EXPECT_NE(opened.find("http://www.tavro123.com/inc/?keyword=%C7%EF%CC%EC+a%7E"),
              std::string::npos)
        << opened;
}

} // namespace
