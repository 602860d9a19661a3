// Skinning a window repaints what the skin changes and nothing more: the
// controls no family draws keep their pixels through the fitting of the
// frame, and the window ends up exactly as a full repaint draws it.
#include "controls_fixture.h"

#include "engine/window_facts.h"

#include <string>
#include <vector>

namespace {

BOOL CALLBACK AddWindow(HWND w, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
    return TRUE;
}

// A named callback: a lambda is no stdcall function in a 32-bit build.
std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> windows;
    EnumChildWindows(parent, &AddWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

size_t CountDifferent(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
    if (a.size() != b.size()) return a.size() + b.size();
    size_t different = 0;
    for (size_t i = 0; i < a.size(); ++i)
        different += a[i] != b[i];
    return different;
}

} // namespace

TEST_F(SkinFormTest, TheStartRepaintsTheSkinnedPartsOnlyAndAsAFullRepaintWould) {
    // Attached as the manager's timer does it; its start waits in the queue
    // and runs alone, before any paint.
    manager_->SetPendingSkinData(data_);
    manager_->Schedule(ActionSkinAll, 250);
    manager_->TimerTick();
    MSG start{};
    ASSERT_TRUE(PeekMessageW(&start, main_, SKINMSG_START, SKINMSG_START, PM_REMOVE));
    DispatchMessageW(&start);
    const TWinSkinForm* skin = manager_->FindSkinForm(main_);
    ASSERT_NE(skin, nullptr);
    ASSERT_FALSE(skin->SkinControls().empty());

    for (HWND w : Descendants(main_)) {
        if (skin->SkinControlOf(w)) continue;
        RECT dirty{};
        const std::wstring cls = WindowClassName(w);
        EXPECT_FALSE(GetUpdateRect(w, &dirty, FALSE))
            << "the start left a " << std::string(cls.begin(), cls.end()) << " to repaint";
    }

    Pump();
    HideCaret(nullptr); // a blinking caret would tell the two pictures apart
    const std::vector<COLORREF> started = WindowPixels(main_);
    RedrawWindow(main_, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    EXPECT_EQ(CountDifferent(WindowPixels(main_), started), 0u);
}
