#include "app/search_share.h"

#include "app/theme_site.h"
#include "app/url_encode.h"
#include "toolkit/text_compare.h"

#include <shellapi.h>

#include <cstring>

namespace {

// Global memory holding `bytes`, for SetClipboardData (which takes it over).
HGLOBAL GlobalCopy(const void* bytes, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return nullptr;
    if (void* target = GlobalLock(memory)) {
        std::memcpy(target, bytes, size);
        GlobalUnlock(memory);
        return memory;
    }
    GlobalFree(memory);
    return nullptr;
}

bool SetClipboardBytes(UINT format, const void* bytes, std::size_t size) {
    HGLOBAL memory = GlobalCopy(bytes, size);
    if (!memory) return false;
    if (SetClipboardData(format, memory)) return true;
    GlobalFree(memory);
    return false;
}

// OpenClipboard/CloseClipboard as a pair.
class TClipboardOpen {
public:
    explicit TClipboardOpen(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~TClipboardOpen() {
        if (open_) CloseClipboard();
    }
    TClipboardOpen(const TClipboardOpen&) = delete;
    TClipboardOpen& operator=(const TClipboardOpen&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_;
};

} // namespace

std::wstring SearchUrl(const std::wstring& keyword) {
    return std::wstring(kThemeSite) + L"/inc/?keyword=" + UrlEncodeGb2312(keyword);
}

void OpenSearchPage(HWND owner, const std::wstring& keyword) {
    const std::wstring url = SearchUrl(keyword);
    ShellExecuteW(owner, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::wstring StripBrandMark(const std::wstring& name) {
    const std::wstring mark = kBrandMark;
    if (name.find(mark) == std::wstring::npos) return name;
    std::wstring out;
    for (std::size_t i = 0; i < name.size();) {
        if (name.size() - i >= mark.size() &&
            SameTextNoCase(std::wstring_view(name).substr(i, mark.size()), mark))
            i += mark.size();
        else
            out += name[i++];
    }
    return out;
}

bool PutTextOnClipboard(HWND owner, const std::wstring& text) {
    TClipboardOpen clipboard(owner);
    if (!clipboard || !EmptyClipboard()) return false;
    const int ansiSize =
        WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(ansiSize > 0 ? ansiSize : 1, '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, ansi.data(), ansiSize, nullptr, nullptr);
    const bool wide =
        SetClipboardBytes(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    const bool narrow = SetClipboardBytes(CF_TEXT, ansi.data(), ansi.size());
    return wide && narrow;
}
