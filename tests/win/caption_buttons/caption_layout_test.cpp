// The caption strip's rules: which buttons show and are enabled, where each
// stands, and where the caption text goes.
#include "engine/caption_layout.h"
#include "engine/engine_messages.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr unsigned char kMax = biMaximizeBit, kMin = biMinimizeBit, kHelp = biHelpBit,
                        kSys = biSystemMenuBit;

// Records are not copied: a caption button points into its skin's.
std::unique_ptr<TDataSkinSysButton> Record(int action, int visibility = 0, int visibility1 = 0,
                                           int align = 0, int x = 0, int y = 0) {
    auto r = std::make_unique<TDataSkinSysButton>("Button");
    r->Action = action;
    r->Visibility = visibility;
    r->Visibility1 = visibility1;
    r->Align = align;
    r->XCoord = x;
    r->YCoord = y;
    return r;
}

struct VisibilityCase {
    int V, V1;
    unsigned char Icons;
    TWindowState State;
    bool Active;
    TBorderKind Kind;
    bool Expected;
};

const VisibilityCase kVisibilityCases[] = {
    {0, 0, 0, wsNormal, true, bkSizeable, true},
    {1, 0, 0, wsNormal, true, bkSizeable, false},
    {1, 1, 0, wsMaximized, true, bkSizeable, true},
    {2, 0, 0, wsMaximized, true, bkSizeable, false},
    {0, 2, 0, wsNormal, true, bkSizeable, true},
    {3, 0, 0, wsNormal, false, bkSizeable, false},
    {0, 3, 0, wsNormal, true, bkSizeable, true},
    {4, 0, 0, wsNormal, false, bkSizeable, true},
    {0, 4, 0, wsNormal, true, bkSizeable, false},
    {5, 0, kMax | kSys, wsNormal, true, bkSizeable, false},
    {0, 5, kMax | kSys, wsNormal, true, bkSizeable, false},
    // 6 and 8: the first needs the system menu too, the second does not.
    {6, 0, kMin, wsNormal, true, bkSizeable, false},
    {6, 0, kMin | kSys, wsNormal, true, bkSizeable, true},
    {0, 6, kMin, wsNormal, true, bkSizeable, true},
    {0, 6, kSys, wsNormal, true, bkSizeable, false},
    {8, 0, kMax | kSys, wsNormal, true, bkSizeable, true},
    {0, 8, kHelp, wsNormal, true, bkSizeable, false},
    {7, 0, kMax, wsNormal, true, bkSizeable, false},
    {7, 7, kMin, wsNormal, true, bkSizeable, true},
    {9, 0, kMin, wsNormal, true, bkSizeable, false},
    {0, 9, kMax, wsNormal, true, bkSizeable, true},
    // 10: help alone as the first condition; help at all as the second.
    {10, 0, kHelp, wsNormal, true, bkSizeable, true},
    {10, 0, kHelp | kMin, wsNormal, true, bkSizeable, false},
    {0, 10, kHelp | kMin, wsNormal, true, bkSizeable, true},
    {0, 10, kMin, wsNormal, true, bkSizeable, false},
    // 100 only for an MDI frame with a maximized child; this is none.
    {100, 100, kSys, wsNormal, true, bkSizeable, false},
    {0, 100, kSys, wsNormal, true, bkSizeable, true},
    {200, 0, 0, wsNormal, true, bkDialog, true},
    {200, 0, 0, wsNormal, true, bkSingle, false},
    {0, 200, 0, wsNormal, true, bkSizeable, false},
    {201, 999, 0, wsNormal, true, bkSizeable, true},
    {-1, 0, 0, wsNormal, true, bkSizeable, false},
    {0, -1, 0, wsNormal, true, bkSizeable, false},
    {11, 0, 0, wsNormal, true, bkSizeable, false},
    {0, 3000, 0, wsNormal, true, bkSizeable, false},
};

TEST(CaptionLayout, VisibilityTable) {
    for (const VisibilityCase& c : kVisibilityCases) {
        TCaptionFacts facts;
        facts.BorderIcons = c.Icons;
        facts.State = c.State;
        facts.Active = c.Active;
        facts.BorderKind = c.Kind;
        EXPECT_EQ(CaptionButtonLook(*Record(50, c.V, c.V1), facts).Visible, c.Expected)
            << "V " << c.V << " V1 " << c.V1;
    }
    // A dialog of the system's own is not a dialog frame of the program's.
    TCaptionFacts dialog;
    dialog.BorderKind = bkDialog;
    dialog.SystemDialog = true;
    EXPECT_FALSE(CaptionButtonLook(*Record(50, 200), dialog).Visible);
}

// A window that answers SKINMSG_BUTTONVISIBLE for one value and records the
// action it was asked about.
int gAnswerFor = -1;
LPARAM gAskedAction = -1;

LRESULT CALLBACK AnsweringProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != SKINMSG_BUTTONVISIBLE) return DefWindowProcW(window, msg, wParam, lParam);
    gAskedAction = lParam;
    return static_cast<int>(wParam) == gAnswerFor ? 1 : 0;
}

TEST(CaptionLayout, TheProgramsOwnCodesAskTheWindow) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = AnsweringProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VelmoraButtonVisibleTest";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(window);
    TCaptionFacts facts;
    facts.Window = window;
    gAnswerFor = 1500;
    EXPECT_TRUE(CaptionButtonLook(*Record(57, 1500), facts).Visible);
    EXPECT_EQ(gAskedAction, 57);
    gAnswerFor = 1000;
    EXPECT_FALSE(CaptionButtonLook(*Record(57, 1500), facts).Visible);
    // As the second condition the range always holds, without asking.
    gAskedAction = -1;
    EXPECT_TRUE(CaptionButtonLook(*Record(57, 0, 1500), facts).Visible);
    EXPECT_EQ(gAskedAction, -1);
    DestroyWindow(window);
}

struct ActionCase {
    int Action;
    unsigned char Icons;
    TBorderKind Kind;
    bool Visible, Enabled;
};

TEST(CaptionLayout, PerActionRules) {
    const ActionCase cases[] = {
        {caClose, kSys | kMin, bkSizeable, true, true},
        // Shown, but disabled without a maximize box or a system menu.
        {caMaximize, kSys | kMin, bkSizeable, true, false},
        {caMaximize, kSys | kMax, bkSizeable, true, true},
        {caMaximize, kMax | kMin, bkSizeable, true, false},
        {caMinimize, kSys | kMin, bkSizeable, true, true},
        {caMinimize, kMax | kMin, bkSizeable, true, false},
        // No system menu: no close button.
        {caClose, kMax | kMin, bkSizeable, false, true},
        // A dialog frame has no system-menu buttons.
        {caIconMenu, kSys, bkSizeable, true, true},
        {caIconMenu, kSys, bkDialog, false, true},
        {caIconMenuToo, kSys, bkDialog, false, true},
        {caMenu, kSys, bkDialog, false, true},
        {caClose, kSys, bkDialog, true, true},
    };
    for (const ActionCase& c : cases) {
        TCaptionFacts facts;
        facts.BorderIcons = c.Icons;
        facts.BorderKind = c.Kind;
        const TButtonLook look = CaptionButtonLook(*Record(c.Action), facts);
        EXPECT_EQ(look.Visible, c.Visible) << "action " << c.Action;
        EXPECT_EQ(look.Enabled, c.Enabled) << "action " << c.Action;
    }
    // Other actions keep whatever enabled state the button had.
    EXPECT_FALSE(CaptionButtonLook(*Record(caClose), TCaptionFacts{}, false).Enabled);
}

struct AlignCase {
    int Align, X, Y;
    POINT Expected;
};

TEST(CaptionLayout, ButtonPlacePerAlign) {
    TCaptionGeometry g;
    g.WindowWidth = 300;
    g.TextRect = RECT{50, 2, 200, 20};
    g.BorderRight = 4;
    g.BorderTop = 30;
    g.MenuHeight = 20;
    const AlignCase cases[] = {
        {0, 5, 6, {5, 6}},   {1, 30, 3, {270, 3}}, {2, 5, 1, {35, 1}},       {8, 5, 1, {35, 1}},
        {3, 5, 2, {205, 2}}, {9, 5, 2, {205, 2}},  {100, 30, 99, {266, 35}}, {7, 40, 40, {0, 0}},
    };
    for (const AlignCase& c : cases) {
        const RECT r = CaptionButtonRect(*Record(50, 0, 0, c.Align, c.X, c.Y), 10, 10, g);
        EXPECT_EQ(r.left, c.Expected.x) << "Align " << c.Align;
        EXPECT_EQ(r.top, c.Expected.y) << "Align " << c.Align;
        EXPECT_EQ(r.right - r.left, 10);
        EXPECT_EQ(r.bottom - r.top, 10);
    }
    // The menu bar's own left end moves the MDI child's buttons further in.
    g.MenuBarLeft = 6;
    EXPECT_EQ(CaptionButtonRect(*Record(50, 0, 0, calMenuBar, 30, 0), 10, 10, g).left, 260);
}

struct TextCase {
    const char* What;
    int Alignment;
    TCaptionTextFacts Facts;
    RECT Expected;
};

TEST(CaptionLayout, TextPlace) {
    TDataSkinTitle title("Title");
    title.LeftWidth = 20;
    title.RightWidth = 30;
    title.TopHeight = 4;
    const RECT strip{4, 0, 204, 24}; // 200 wide
    // As DrawText measures it: from the strip's top-left corner.
    const RECT measured{4, 0, 64, 14};
    const TextCase cases[] = {
        {"left", 0, {}, {24, 7, 84, 21}},
        {"centre", 1, {}, {74, 7, 134, 21}},
        {"right", 2, {}, {114, 7, 174, 21}},
        {"dialog frames start 16 further left", 0, {false, false, bkDialog, 0}, {8, 7, 84, 21}},
        {"right to left, before the buttons", 0, {true, false, bkSizeable, 40}, {114, 7, 174, 21}},
        {"right to left, right aligned", 2, {true, false, bkSizeable, 40}, {34, 7, 94, 21}},
    };
    for (const TextCase& c : cases) {
        title.TextAlignment = c.Alignment;
        const RECT r = PlaceCaptionText(title, measured, strip, c.Facts);
        EXPECT_EQ(r.left, c.Expected.left) << c.What;
        EXPECT_EQ(r.top, c.Expected.top) << c.What;
        EXPECT_EQ(r.right, c.Expected.right) << c.What;
        EXPECT_EQ(r.bottom, c.Expected.bottom) << c.What;
    }
}

TEST(CaptionLayout, LongTextStopsBeforeTheButtonsOrTheTitlesEnd) {
    TDataSkinTitle title("Title");
    title.LeftWidth = 20;
    title.RightWidth = 30;
    const RECT strip{0, 0, 200, 20};
    const RECT measured{0, 0, 400, 14};
    // A framed window stops at the title's right part...
    EXPECT_EQ(PlaceCaptionText(title, measured, strip, {}).right, 170);
    // ...a popup before its right-hand buttons (with 5 pixels to spare).
    TCaptionTextFacts popup{false, true, bkSizeable, 50};
    EXPECT_EQ(PlaceCaptionText(title, measured, strip, popup).right, 145);
}

} // namespace
