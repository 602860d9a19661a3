// A skin file dropped on the gallery: the dropped file's name read back from
// the drop, Chinese and long names included, and nothing from an empty drop.
#include "skin_argument.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <string>

namespace {

// A drop of `files` as the shell hands it to a window.
HDROP MakeDrop(const std::wstring& files) {
    const size_t bytes = sizeof(DROPFILES) + (files.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), files.c_str(),
                files.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST(DroppedSkinFile, TheFirstFileOfADrop) {
    const std::wstring longName = L"C:\\皮肤\\" + std::wstring(300, L'长') + L".skn";
    struct TRow {
        std::wstring Files; // each ended by a null, as in a drop
        std::wstring First;
    } rows[] = {
        {std::wstring(L"C:\\skins\\green.skn") + L'\0', L"C:\\skins\\green.skn"},
        {std::wstring(L"D:\\皮肤\\绿色.skn") + L'\0' + L"D:\\b.skn" + L'\0', L"D:\\皮肤\\绿色.skn"},
        {longName + L'\0', longName},
        {L"", L""},
    };
    for (const TRow& r : rows) {
        HDROP drop = MakeDrop(r.Files);
        EXPECT_EQ(FirstDroppedFile(drop), r.First);
        GlobalFree(drop);
    }
    EXPECT_EQ(FirstDroppedFile(nullptr), L"");
}

} // namespace
