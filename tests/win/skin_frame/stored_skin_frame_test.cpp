// The stored blue and yellow skins' frames on a shown window, saved as
// pictures for a look and checked where the skins are known: the yellow
// skin's rounded corners are cut out of the window.
#include "frame_fixture.h"
#include "stored_skins.h"

#include "engine/skin_manager.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace {

// The window as the screen shows it, as a 24-bit BMP file.
void SaveWindowPicture(HWND window, const std::string& path) {
    RECT r{};
    GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    TWindowDC screen(nullptr);
    TMemoryDC dc(CreateCompatibleDC(screen.Get()));
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen.Get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bmp) return;
    HGDIOBJ old = SelectObject(dc.Get(), bmp);
    BitBlt(dc.Get(), 0, 0, w, h, screen.Get(), r.left, r.top, SRCCOPY);
    GdiFlush();
    const DWORD stride = (static_cast<DWORD>(w) * 3 + 3) & ~3u;
    BITMAPFILEHEADER fh{0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    fh.bfSize = fh.bfOffBits + stride * h;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&fh), sizeof fh);
    out.write(reinterpret_cast<const char*>(&bi.bmiHeader), sizeof bi.bmiHeader);
    out.write(static_cast<const char*>(bits), static_cast<std::streamsize>(stride) * h);
    SelectObject(dc.Get(), old);
    DeleteObject(bmp);
}

void Pump(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        PumpMessages();
        Sleep(10);
    }
}

TEST(StoredSkinFrameTest, BlueAndYellowFramesOnAShownWindow) {
    struct TCase {
        int Index;
        const char* Name;
        bool Rounded;
    } cases[] = {{0, "blue", false}, {1, "yellow", true}};
    CreateDirectoryA("build\\win\\screenshots", nullptr);
    for (const TCase& c : cases) {
        TSkinData data(nullptr);
        const TSkinBytes image = StoredSkin(c.Index);
        std::vector<std::uint8_t> stream(4);
        const auto size = static_cast<std::uint32_t>(image.size());
        for (int i = 0; i < 4; ++i)
            stream[i] = static_cast<std::uint8_t>(size >> (8 * i));
        stream.insert(stream.end(), image.begin(), image.end());
        data.SetSkinStreamValue(stream);
        ASSERT_FALSE(data.SkinNotLoaded()) << c.Name;
        {
            TFrameWindow window(420, 260, WS_OVERLAPPEDWINDOW, L"Velmora 主题管理器 - frame");
            window.Skin(data);
            window.Form().UpdateRegion();
            ShowWindow(window.Handle(), SW_SHOW);
            SetForegroundWindow(window.Handle());
            Pump(400);
            window.Form().PaintFrame(nullptr);
            Pump(200);
            EXPECT_GT(window.Form().BorderTop, 10) << c.Name;
            TRegionHandle rgn(CreateRectRgn(0, 0, 0, 0));
            GetWindowRgn(window.Handle(), rgn.Get());
            if (c.Rounded) {
                EXPECT_FALSE(PtInRegion(rgn.Get(), 0, 0)) << "rounded top-left corner";
                EXPECT_FALSE(PtInRegion(rgn.Get(), window.Width() - 1, 0)) << "top-right";
            }
            EXPECT_TRUE(PtInRegion(rgn.Get(), window.Width() / 2, window.Height() / 2));
            SaveWindowPicture(window.Handle(),
                              std::string("build\\win\\screenshots\\frame-") + c.Name + ".bmp");
        }
    }
    FreeSkinManager();
}

} // namespace
