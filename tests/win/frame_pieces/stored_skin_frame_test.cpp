// The stored blue and yellow skins' frames on a shown window: both skins'
// rounded top corners are cut out of the window, its middle is kept. (The
// end-to-end tests keep screenshots of both frames to look at.)
#include "frame_fixture.h"
#include "stored_skins.h"

#include "engine/skin_manager.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

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
    } cases[] = {{0, "blue"}, {1, "yellow"}};
    for (const TCase& c : cases) {
        TSkinData data(nullptr);
        data.SetSkinStreamValue(SkinStreamOf(StoredSkin(c.Index)));
        ASSERT_FALSE(data.SkinNotLoaded()) << c.Name;
        {
            TFrameWindow window(420, 260, WS_OVERLAPPEDWINDOW, L"Velmora 主题管理器 - frame");
            window.Skin(data);
            ShowWindow(window.Handle(), SW_SHOW);
            SetForegroundWindow(window.Handle());
            Pump(400);
            SendMessageW(window.Handle(), SKINMSG_PAINTFRAME, 0, 0);
            Pump(200);
            EXPECT_GT(window.Form().FrameWidths().Top, 10) << c.Name;
            TRegionHandle rgn(CreateRectRgn(0, 0, 0, 0));
            GetWindowRgn(window.Handle(), rgn.Get());
            EXPECT_FALSE(PtInRegion(rgn.Get(), 0, 0)) << c.Name << ": rounded top-left corner";
            EXPECT_FALSE(PtInRegion(rgn.Get(), window.Width() - 1, 0)) << c.Name << ": top-right";
            EXPECT_TRUE(PtInRegion(rgn.Get(), window.Width() / 2, window.Height() / 2)) << c.Name;
        }
    }
    FreeSkinManager();
}

} // namespace
