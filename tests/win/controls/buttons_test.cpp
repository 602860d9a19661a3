// Buttons drawn by the skin: which frame and glyph piece each rule shows,
// where glyph and caption go, a kept glyph picture following its glyph, the
// frame a real button shows for the mouse and the keyboard read back as
// pixels, a new caption shown, a click only for a release over the button,
// hover repainting the button alone, timers left to their owners, and
// windowless speed buttons hooked and let go with their control.
#include "controls_fixture.h"

#include "engine/controls/bit_button.h"
#include "engine/controls/button_rules.h"
#include "engine/controls/menu_button.h"
#include "engine/controls/push_button.h"
#include "engine/controls/speed_button.h"
#include "engine/engine_messages.h"
#include "engine/skin_data.h"
#include "toolkit/button.h"
#include "toolkit/group_box.h"
#include "toolkit/speed_button.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>
#include <vector>

namespace {

TButtonFacts Facts(const std::string& flags) {
    TButtonFacts f;
    f.Enabled = flags.find('x') == std::string::npos; // x: disabled
    f.Pressed = flags.find('p') != std::string::npos;
    f.Hot = flags.find('h') != std::string::npos;
    f.Focused = flags.find('f') != std::string::npos;
    f.Default = flags.find('d') != std::string::npos;
    f.Down = flags.find('D') != std::string::npos;
    return f;
}

LPARAM At(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                      static_cast<WORD>(static_cast<short>(y)));
}

} // namespace

TEST(ButtonFrames, EachRuleShowsItsFrameForEachState) {
    // Flags: x disabled, p pressed, h hot, f focused, d default, D latched down.
    struct TRow {
        const char* Flags;
        int Push, Menu, Speed;
    } rows[] = {
        {"", 1, 1, 1},  {"p", 2, 2, 2},  {"x", 3, 3, 3},  {"xpd", 3, 3, 3}, {"xd", 3, 3, 3},
        {"h", 4, 4, 4}, {"f", 5, 4, 1},  {"d", 5, 1, 1},  {"hd", 4, 4, 4},  {"ph", 2, 2, 2},
        {"D", 1, 1, 2}, {"Dh", 4, 4, 2}, {"xD", 3, 3, 3}, {"fd", 5, 4, 1},
    };
    for (const TRow& r : rows) {
        const TButtonFacts f = Facts(r.Flags);
        EXPECT_EQ(PushButtonFrame(f), r.Push) << "push, flags '" << r.Flags << "'";
        EXPECT_EQ(MenuButtonFrame(f), r.Menu) << "menu, flags '" << r.Flags << "'";
        EXPECT_EQ(SpeedButtonFrame(f), r.Speed) << "speed, flags '" << r.Flags << "'";
    }
}

TEST(ButtonGlyphs, PieceForEachFrameFallsBackToTheFirstThatExists) {
    struct TRow {
        int Frame;
        bool Down;
        int NumGlyphs, Bit, Speed;
    } rows[] = {
        {bfNormal, false, 4, 1, 1},   {bfPressed, false, 4, 3, 3},  {bfDisabled, false, 4, 2, 2},
        {bfHot, false, 4, 1, 1},      {bfFocused, false, 4, 1, 1},  {bfDisabled, false, 1, 1, 1},
        {bfPressed, false, 2, 1, 1},  {bfNormal, true, 4, 1, 4},    {bfPressed, true, 3, 3, 1},
        {bfDisabled, false, 0, 1, 1}, {bfPressed, false, -5, 1, 1},
    };
    for (const TRow& r : rows) {
        EXPECT_EQ(BitButtonGlyph(r.Frame, r.NumGlyphs), r.Bit)
            << "frame " << r.Frame << ", " << r.NumGlyphs << " glyphs";
        EXPECT_EQ(SpeedButtonGlyph(r.Frame, r.Down, r.NumGlyphs), r.Speed)
            << "frame " << r.Frame << (r.Down ? " down" : "") << ", " << r.NumGlyphs << " glyphs";
    }
    EXPECT_EQ(GlyphCount(0), 1);
    EXPECT_EQ(GlyphCount(-1), 1);
    EXPECT_EQ(GlyphCount(3), 3);
}

TEST(ButtonCaption, OnlyTheFirstDoubleBarBreaksTheLine) {
    const std::pair<std::wstring, std::wstring> rows[] = {
        {L"两行||文字", L"两行\r\n文字"},
        {L"a||b||c", L"a\r\nb||c"},
        {L"||", L"\r\n"},
        {L"a|b", L"a|b"},
        {L"", L""},
    };
    for (const auto& [caption, shown] : rows)
        EXPECT_EQ(SplitCaptionLines(caption), shown);
    EXPECT_EQ(GlyphLayoutFromName(L"blGlyphRight"), TGlyphLayout::Right);
    EXPECT_EQ(GlyphLayoutFromName(L"BLGLYPHTOP"), TGlyphLayout::Top);
    EXPECT_EQ(GlyphLayoutFromName(L"blGlyphBottom"), TGlyphLayout::Bottom);
    EXPECT_EQ(GlyphLayoutFromName(L""), TGlyphLayout::Left);
    EXPECT_EQ(GlyphLayoutFromName(L"sideways"), TGlyphLayout::Left);
}

TEST(GlyphPlacement, LayoutMarginAndSpacingPlaceGlyphAndCaption) {
    // A 16x16 glyph and a 40x14 caption.
    struct TRow {
        const char* What;
        TGlyphLayout Layout;
        SIZE Client;
        bool HasText;
        int Margin, Spacing;
        bool Centre;
        int Nudge;
        POINT Glyph, Text;
        UINT Flags;
    } rows[] = {
        {"left, centred",
         TGlyphLayout::Left,
         {100, 30},
         true,
         -1,
         4,
         false,
         0,
         {20, 7},
         {40, 8},
         DT_WORDBREAK},
        {"left, margin 4",
         TGlyphLayout::Left,
         {100, 30},
         true,
         4,
         4,
         false,
         0,
         {4, 7},
         {24, 8},
         DT_WORDBREAK},
        {"left, even spacing",
         TGlyphLayout::Left,
         {100, 30},
         true,
         4,
         -1,
         false,
         0,
         {4, 7},
         {40, 8},
         DT_WORDBREAK},
        {"left, both even",
         TGlyphLayout::Left,
         {100, 30},
         true,
         -1,
         -1,
         false,
         0,
         {14, 7},
         {44, 8},
         DT_WORDBREAK},
        {"left, centred alignment",
         TGlyphLayout::Left,
         {100, 30},
         true,
         4,
         4,
         true,
         0,
         {20, 7},
         {40, 8},
         DT_WORDBREAK},
        {"left, no caption",
         TGlyphLayout::Left,
         {100, 30},
         false,
         -1,
         4,
         false,
         0,
         {42, 7},
         {58, 15},
         DT_WORDBREAK},
        {"left, speed nudge",
         TGlyphLayout::Left,
         {100, 30},
         true,
         -1,
         4,
         false,
         1,
         {21, 7},
         {41, 8},
         DT_WORDBREAK},
        {"right, margin 4",
         TGlyphLayout::Right,
         {100, 30},
         true,
         4,
         4,
         false,
         0,
         {80, 7},
         {36, 8},
         DT_WORDBREAK | DT_RIGHT},
        {"top, centred",
         TGlyphLayout::Top,
         {100, 60},
         true,
         -1,
         4,
         false,
         0,
         {42, 13},
         {30, 33},
         DT_WORDBREAK | DT_CENTER},
        {"bottom, margin 5",
         TGlyphLayout::Bottom,
         {100, 60},
         true,
         5,
         2,
         false,
         0,
         {42, 39},
         {30, 23},
         DT_WORDBREAK | DT_CENTER},
    };
    for (const TRow& r : rows) {
        TGlyphPlacementIn in;
        in.Client = r.Client;
        in.Glyph = SIZE{16, 16};
        in.Text = r.HasText ? SIZE{40, 14} : SIZE{0, 0};
        in.Layout = r.Layout;
        in.Margin = r.Margin;
        in.Spacing = r.Spacing;
        in.Centre = r.Centre;
        in.CentreNudge = r.Nudge;
        const TGlyphPlacement out = PlaceGlyphAndText(in);
        EXPECT_EQ(out.Glyph.x, r.Glyph.x) << r.What;
        EXPECT_EQ(out.Glyph.y, r.Glyph.y) << r.What;
        EXPECT_EQ(out.Text.x, r.Text.x) << r.What;
        EXPECT_EQ(out.Text.y, r.Text.y) << r.What;
        EXPECT_EQ(out.TextFlags, r.Flags) << r.What;
    }
}

TEST(GlyphPiece, ThePieceIsDrawnAroundItsKeyColourAndGreyedWhenAsked) {
    // Two 8x8 pieces, red and blue, each with a green bottom-left corner;
    // blue and green grey alike, and the grey glyph must not vanish.
    TBitmap glyph(16, 8);
    TBrushHandle red(CreateSolidBrush(RGB(255, 0, 0))), blue(CreateSolidBrush(RGB(0, 0, 255)));
    const RECT first{0, 0, 8, 8}, second{8, 0, 16, 8};
    FillRect(glyph.DC(), &first, red.Get());
    FillRect(glyph.DC(), &second, blue.Get());
    SetPixel(glyph.DC(), 0, 7, RGB(0, 255, 0));
    SetPixel(glyph.DC(), 8, 7, RGB(0, 255, 0));
    struct TRow {
        bool Grey;
        COLORREF Body;
    } rows[] = {{false, RGB(0, 0, 255)}, {true, RGB(85, 85, 85)}};
    for (const TRow& r : rows) {
        TCanvasBitmap target(20, 20, RGB(255, 255, 255));
        DrawGlyphPiece(target.DC(), POINT{4, 4}, glyph, second, r.Grey);
        EXPECT_EQ(target.At(7, 6), r.Body) << (r.Grey ? "grey" : "in colour");
        EXPECT_EQ(target.At(4, 11), RGB(255, 255, 255)) << "the key colour stays see-through";
        EXPECT_EQ(target.At(12, 6), RGB(255, 255, 255)) << "nothing beyond the piece";
    }
}

// A kept picture is made again when what it shows changes: the grey choice,
// or the glyph's pixels themselves (a program drawing on its glyph).
TEST(GlyphPiece, AKeptPictureFollowsTheGreyChoiceAndTheGlyphsPixels) {
    TBitmap glyph(8, 8);
    const RECT all{0, 0, 8, 8};
    const auto paint = [&](COLORREF body) {
        TBrushHandle brush(CreateSolidBrush(body));
        FillRect(glyph.DC(), &all, brush.Get());
        SetPixel(glyph.DC(), 0, 7, RGB(0, 255, 0));
    };
    paint(RGB(255, 0, 0));
    TGlyphPicture kept;
    struct TRow {
        const char* What;
        COLORREF Glyph; // painted on the glyph before the row; 0: left as it is
        bool Grey;
        COLORREF Shown;
    } rows[] = {
        {"in colour", 0, false, RGB(255, 0, 0)},
        {"greyed", 0, true, RGB(85, 85, 85)},
        {"in colour again", 0, false, RGB(255, 0, 0)},
        {"the glyph drawn on", RGB(0, 0, 255), false, RGB(0, 0, 255)},
    };
    for (const TRow& r : rows) {
        if (r.Glyph) paint(r.Glyph);
        TCanvasBitmap target(12, 12, RGB(255, 255, 255));
        kept.Draw(target.DC(), POINT{2, 2}, glyph, all, r.Grey);
        EXPECT_EQ(target.At(5, 4), r.Shown) << r.What;
        EXPECT_EQ(target.At(2, 9), RGB(255, 255, 255)) << r.What << ": the key stays see-through";
    }
}

class ButtonSkinTest : public RawHostTest {
protected:
    std::vector<COLORREF> StripProbe(int frame) const {
        return ButtonStripProbe(data_->Skin().Buttons, frame);
    }
    std::vector<COLORREF> Shown(HWND button) const {
        RECT r{};
        GetClientRect(button, &r);
        return ButtonProbe(ClientPixels(button), r.right, r);
    }

    HWND Button(DWORD type = BS_PUSHBUTTON, const wchar_t* text = L"确定") {
        return Child(L"BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | type, text,
                     RECT{20, 20, 120, 50});
    }
    TSkinButton* Skin(HWND button) {
        auto skin = std::make_unique<TSkinButton>();
        TSkinButton* raw = skin.get();
        if (!skin->AttachWindow(*form_, *data_, button)) return nullptr;
        form_->AdoptControl(std::move(skin));
        return raw;
    }
};

TEST_F(ButtonSkinTest, MouseAndStateShowTheirFramesOnScreen) {
    ASSERT_GE(data_->Skin().Buttons.Frames(), 5);
    // The probe must tell the frames apart, or the test proves nothing.
    for (int a = 1; a <= 5; ++a)
        for (int b = a + 1; b <= 5; ++b)
            ASSERT_NE(StripProbe(a), StripProbe(b)) << "frames " << a << " and " << b;

    HWND button = Button();
    HWND other = Button(BS_DEFPUSHBUTTON, L"默认");
    SetWindowPos(other, nullptr, 140, 20, 100, 30, SWP_NOZORDER);
    // The window's buttons share their composed frames, each size its own.
    HWND small = Button(BS_PUSHBUTTON, L"小");
    SetWindowPos(small, nullptr, 260, 20, 60, 22, SWP_NOZORDER);
    ASSERT_NE(Skin(button), nullptr);
    ASSERT_NE(Skin(other), nullptr);
    ASSERT_NE(Skin(small), nullptr);
    SetFocus(host_->Handle());
    Pump();
    EXPECT_EQ(Shown(button), StripProbe(bfNormal)) << "at rest";
    EXPECT_EQ(Shown(other), StripProbe(bfFocused)) << "the default button";
    EXPECT_EQ(Shown(small), StripProbe(bfNormal)) << "a smaller button at rest";

    SendMessageW(button, WM_MOUSEMOVE, 0, At(10, 10));
    EXPECT_EQ(Shown(button), StripProbe(bfHot)) << "under the pointer";
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    EXPECT_EQ(Shown(button), StripProbe(bfPressed)) << "held down";
    SendMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, At(-30, 10));
    EXPECT_EQ(Shown(button), StripProbe(bfFocused)) << "held, pointer away: focused, not pressed";
    SendMessageW(button, WM_LBUTTONUP, 0, At(-30, 10));
    EnableWindow(button, FALSE);
    EXPECT_EQ(Shown(button), StripProbe(bfDisabled)) << "disabled";
    EnableWindow(other, FALSE);
    EXPECT_EQ(Shown(other), StripProbe(bfDisabled)) << "a disabled default button";
}

// The skin shows the caption it keeps of the window text: a new text shows
// as on a button made with it, whether it came while the skin was on or
// while the skin was suspended.
TEST_F(ButtonSkinTest, ANewCaptionShowsAsOnAButtonMadeWithIt) {
    HWND button = Button(BS_PUSHBUTTON, L"确定");
    HWND cancel = Button(BS_PUSHBUTTON, L"取消(&C)");
    SetWindowPos(cancel, nullptr, 140, 20, 100, 30, SWP_NOZORDER);
    ASSERT_NE(Skin(button), nullptr);
    ASSERT_NE(Skin(cancel), nullptr);
    SetFocus(host_->Handle());
    Pump();
    const auto ok = ClientPixels(button);
    ASSERT_NE(ok, ClientPixels(cancel)) << "the captions must tell the buttons apart";
    struct TRow {
        const char* What;
        bool Suspended;
        const wchar_t* Text;
        std::vector<COLORREF> Shown;
    } rows[] = {
        {"while skinned", false, L"取消(&C)", ClientPixels(cancel)},
        {"while suspended", true, L"确定", ok},
    };
    for (const TRow& r : rows) {
        if (r.Suspended) SendMessageW(button, SKINMSG_ENABLE, 0, 0);
        SetWindowTextW(button, r.Text);
        if (r.Suspended) SendMessageW(button, SKINMSG_ENABLE, 1, 0);
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(ClientPixels(button), r.Shown) << r.What;
    }
}

TEST_F(ButtonSkinTest, AClickOnlyForAReleaseOverTheButton) {
    using TStep = std::pair<UINT, LPARAM>;
    const TStep down{WM_LBUTTONDOWN, At(10, 10)}, up{WM_LBUTTONUP, At(12, 8)};
    const TStep away{WM_MOUSEMOVE, At(-40, 5)}, back{WM_MOUSEMOVE, At(30, 10)};
    const TStep upAway{WM_LBUTTONUP, At(-40, 5)};
    const TStep spaceDown{WM_KEYDOWN, VK_SPACE}, spaceUp{WM_KEYUP, VK_SPACE};
    struct TRow {
        const char* What;
        std::vector<TStep> Steps;
        int Clicks;
    } rows[] = {
        {"down and up over it", {down, up}, 1},
        {"released away from it", {down, away, upAway}, 0},
        {"away and back before the release", {down, away, back, up}, 1},
        {"up without a down", {up}, 0},
        {"space pressed and let go", {spaceDown, spaceDown, spaceUp}, 1},
        {"space let go without a press", {spaceUp}, 0},
        {"BM_CLICK", {{BM_CLICK, 0}}, 1},
    };
    std::vector<std::pair<WPARAM, LPARAM>> commands;
    host_->OnMessage = nullptr;
    for (const TRow& r : rows) {
        HWND button = Button();
        SetWindowLongPtrW(button, GWLP_ID, 77);
        ASSERT_NE(Skin(button), nullptr);
        commands.clear();
        for (const TStep& s : r.Steps) {
            const WPARAM wp = s.first == WM_KEYDOWN || s.first == WM_KEYUP ? s.second : 0;
            const LPARAM lp = s.first == WM_KEYDOWN || s.first == WM_KEYUP ? 0 : s.second;
            SendMessageW(button, s.first, wp, lp);
        }
        MSG msg;
        while (PeekMessageW(&msg, host_->Handle(), WM_COMMAND, WM_COMMAND, PM_REMOVE))
            commands.emplace_back(msg.wParam, msg.lParam);
        ASSERT_EQ(static_cast<int>(commands.size()), r.Clicks) << r.What;
        for (const auto& [wp, lp] : commands) {
            EXPECT_EQ(wp, MAKEWPARAM(77, BN_CLICKED)) << r.What;
            EXPECT_EQ(reinterpret_cast<HWND>(lp), button) << r.What;
        }
        EXPECT_NE(GetCapture(), button) << r.What << ": the capture is let go";
        DestroyWindow(button);
        form_->PurgeGoneControls();
    }
}

namespace {

struct TCounts {
    int Paints = 0;
    int Timers = 0;
    int LeftDowns = 0;
};

LRESULT CALLBACK Counter(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    auto* counts = reinterpret_cast<TCounts*>(data);
    if (msg == WM_PAINT) ++counts->Paints;
    if (msg == WM_TIMER) ++counts->Timers;
    if (msg == WM_LBUTTONDOWN) ++counts->LeftDowns;
    return DefSubclassProc(w, msg, wp, lp);
}

} // namespace

TEST_F(ButtonSkinTest, TheNativeButtonNeverSeesThePressAndKeepsTheApplicationsTimers) {
    HWND button = Button();
    TCounts below;
    ASSERT_TRUE(SetWindowSubclass(button, &Counter, 1, reinterpret_cast<DWORD_PTR>(&below)));
    ASSERT_NE(Skin(button), nullptr);
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageW(button, WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(below.LeftDowns, 0);
    SendMessageW(button, WM_TIMER, 7, 0);
    SendMessageW(button, WM_TIMER, 1, reinterpret_cast<LPARAM>(&DefWindowProcW));
    EXPECT_EQ(below.Timers, 2) << "the application's timers reach the button";
    SendMessageW(button, WM_TIMER, 1, 0);
    EXPECT_EQ(below.Timers, 2) << "the platform's animation timer stops at the skin";
    form_.reset(); // restores the button before its subclass goes
    RemoveWindowSubclass(button, &Counter, 1);
}

TEST_F(ButtonSkinTest, HoverRepaintsTheButtonOnceAndNothingElse) {
    HWND button = Button();
    ASSERT_NE(Skin(button), nullptr);
    Pump();
    TCounts above;
    ASSERT_TRUE(SetWindowSubclass(button, &Counter, 2, reinterpret_cast<DWORD_PTR>(&above)));
    int hostPaints = 0;
    host_->OnMessage = [&](HWND, UINT msg) {
        if (msg == WM_PAINT) ++hostPaints;
    };
    SendMessageW(button, WM_MOUSEMOVE, 0, At(10, 10));
    EXPECT_EQ(above.Paints, 1) << "entering";
    SendMessageW(button, WM_MOUSEMOVE, 0, At(20, 12));
    SendMessageW(button, WM_MOUSEMOVE, 0, At(30, 14));
    EXPECT_EQ(above.Paints, 1) << "moving over it";
    SendMessageW(button, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(above.Paints, 2) << "leaving";
    EXPECT_EQ(hostPaints, 0);
    host_->OnMessage = nullptr;
    RemoveWindowSubclass(button, &Counter, 2);
}

TEST(ButtonPaint, FocusCueOnlyAroundACaption) {
    // Without a skin strip nothing is drawn at all; with one, the focus cue
    // is the only difference between two looks.
    TCanvasBitmap probe(1, 1, 0);
    TPushButtonLook none;
    none.Caption = L"确定";
    PaintPushButton(probe.DC(), probe.Rect(), none);
    EXPECT_EQ(probe.At(0, 0), RGB(0, 0, 0));

    const auto paint = [](const std::wstring& caption, bool focus) {
        auto target = std::make_unique<TCanvasBitmap>(80, 26, RGB(250, 250, 250));
        TPushButtonLook look;
        look.Caption = caption;
        look.Font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        look.FocusCue = focus;
        DrawCentredCaption(target->DC(), target->Rect(), look);
        return target->Pixels();
    };
    EXPECT_NE(paint(L"确定", true), paint(L"确定", false));
    EXPECT_EQ(paint(L"", true), paint(L"", false));
}

TEST(MenuButtonPaint, TheArrowTipIsTwoPixelsBelowTheMiddle) {
    TDataSkinButton strip("Buttons");
    strip.Bitmap = TPixelBitmap(10, 10, MakeColour(200, 200, 200));
    strip.FrameCount = 5;
    for (const int height : {24, 41}) {
        TCanvasBitmap target(90, height, RGB(255, 255, 255));
        TPushButtonLook look;
        look.Buttons = &strip;
        PaintMenuButton(target.DC(), target.Rect(), look, RGB(255, 0, 0));
        const int tip = height / 2 + 2;
        EXPECT_EQ(target.At(90 - 12, tip), RGB(255, 0, 0)) << "height " << height;
        EXPECT_NE(target.At(90 - 12, tip + 1), RGB(255, 0, 0)) << "height " << height;
        EXPECT_EQ(target.At(90 - 14, tip - 3), RGB(255, 0, 0)) << "height " << height;
        EXPECT_NE(target.At(90 - 12, tip - 4), RGB(255, 0, 0)) << "height " << height;
    }
}
