// A skin file whose INI holds extreme numbers (margins and offsets near the
// integer limits, negative ones, frame counts of zero and of millions)
// loaded through the real loader and painted on a real window: nothing
// crashes, memory stays bounded, and the window keeps working.
#include "frame_fixture.h"

#include "core/bmp_writer.h"
#include "engine/skin_manager.h"
#include "lzh_encoder.h"
#include "skin_archive_writer.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> SolidBmp(int width, int height, TColour colour) {
    TPixelBitmap bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.SetPixel(x, y, colour);
    return EncodeBmp24(bitmap);
}

// Every number the frame's records and caption button read set to `value`.
std::string HostileIni(const std::string& value) {
    std::string ini = "[Personality]\n";
    for (const char* part : {"Left", "Right", "Top", "Bottom"}) {
        const std::string p = part;
        ini += p + "=" + p + ".bmp\n";
        for (const char* key : {"TopHeight", "BotHeight", "Frame", "Stretch", "Trans"})
            ini += p + key + "=" + value + "\n";
    }
    for (const char* key : {"TextShift", "TextShiftVert", "TextRightClip", "TextAlignment"})
        ini += std::string(key) + "=" + value + "\n";
    ini += "[Button1]\nAction=0\nAlign=1\nXCoord=" + value + "\nYCoord=" + value +
           "\nFrame=" + value + "\nVisibility=0\nVisibility1=0\nButtonImage=Top.bmp\n";
    ini += "[Title]\nImage=Top.bmp\nLeftWidth=" + value + "\nRightWidth=" + value +
           "\nTopHeight=" + value + "\nBottomHeight=" + value + "\nFrame=" + value + "\n";
    return ini;
}

std::vector<std::uint8_t> SkinStream(const std::string& ini) {
    const std::vector<std::uint8_t> text(ini.begin(), ini.end());
    return SkinStreamOf(LzhCompressImage(BuildSkinArchive({
        {"skin.ini", text},
        {"Left.bmp", SolidBmp(4, 40, MakeColour(200, 0, 0))},
        {"Right.bmp", SolidBmp(4, 40, MakeColour(200, 0, 0))},
        {"Top.bmp", SolidBmp(40, 60, MakeColour(0, 0, 200))},
        {"Bottom.bmp", SolidBmp(40, 8, MakeColour(0, 160, 0))},
    })));
}

SIZE_T PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof(counters));
    return counters.PrivateUsage;
}

TEST(HostileSkin, ExtremeNumbersPaintWithinBoundsAndTheWindowGoesOn) {
    const char* values[] = {"2147483647", "-2147483648", "-5", "0", "4097", "100000000"};
    for (const char* value : values) {
        TSkinData data(nullptr);
        data.SetSkinStreamValue(SkinStream(HostileIni(value)));
        ASSERT_FALSE(data.SkinNotLoaded()) << value;
        const SIZE_T before = PrivateBytes();
        {
            TFrameWindow window(300, 200, WS_OVERLAPPEDWINDOW, L"Hostile skin");
            window.Skin(data);
            ShowWindow(window.Handle(), SW_SHOW);
            for (int i = 0; i < 3; ++i) {
                window.PaintOffscreen();
                SendMessageW(window.Handle(), WM_NCPAINT, 1, 0);
                SetWindowPos(window.Handle(), nullptr, 0, 0, 320 + 40 * i, 220 + 30 * i,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
                PumpMessages();
            }
            const SIZE_T grown = PrivateBytes() > before ? PrivateBytes() - before : 0;
            EXPECT_LT(grown, SIZE_T{64} << 20) << value << ": memory of one paint";
            // Still a working window.
            EXPECT_EQ(SendMessageW(window.Handle(), WM_NULL, 0, 0), 0);
            RECT client{};
            EXPECT_TRUE(GetClientRect(window.Handle(), &client)) << value;
        }
    }
    FreeSkinManager();
}

} // namespace
