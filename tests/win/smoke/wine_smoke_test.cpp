// The harness itself: a window can be created, painted and read back.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

TEST(Harness, WindowPaintsAndReadsBack) {
    HWND w = CreateWindowExW(0, L"STATIC", L"x", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(w, nullptr);
    HDC dc = GetDC(w);
    RECT r{0, 0, 40, 40};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &r, red);
    DeleteObject(red);
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(255, 0, 0));
    ReleaseDC(w, dc);
    DestroyWindow(w);
}

TEST(Harness, TempFolderHoldsChineseNames) {
    std::wstring kept;
    {
        TempFolder t;
        kept = t.Path();
        std::wstring f = t.WriteFile(L"主题\\秋天.theme", "[Theme]\r\n");
        EXPECT_TRUE(FileExists(f));
        EXPECT_EQ(ReadFileBytes(f), "[Theme]\r\n");
    }
    EXPECT_FALSE(FolderExists(kept));
}
