// The skinned frame on a real window: widths, client rectangle, active and
// inactive borders, caption text, region and fitting, read back as pixels.
#include "frame_fixture.h"

#include "engine/skin_manager.h"
#include "support/gdi_handles.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

COLORREF Rgb(TColour c) {
    return static_cast<COLORREF>(c) & 0xFFFFFF;
}

// Borders of solid colour: top 30, sides 4, bottom 4 per frame.
void UseSyntheticSkin(TSkinModel& skin, int frames, int trans = 0) {
    struct TPart {
        TDataSkinBorder& Record;
        TPixelBitmap Bitmap;
    };
    TPart parts[] = {{skin.Top, SolidStrip(20, 30, frames, true)},
                     {skin.Bottom, SolidStrip(20, 4, frames, true)},
                     {skin.Left, SolidStrip(4, 20, frames, false)},
                     {skin.Right, SolidStrip(4, 20, frames, false)}};
    for (TPart& part : parts) {
        part.Record.Bitmap = part.Bitmap;
        part.Record.FrameCount = frames;
        part.Record.Tile = 1;
        part.Record.Trans = trans;
        part.Record.SetMargins({0, 0, 0, 0});
    }
    skin.Title.Bitmap = TPixelBitmap();
    skin.Title.SetMargins({12, 0, 40, 0}); // text shift 12, right clip 40
    skin.Title.TextAlignment = 0;
    skin.Colours[sciTitleTextActive] = MakeColour(255, 255, 255);
    skin.Colours[sciTitleTextNoActive] = MakeColour(255, 255, 0);
    skin.Colours[sciButtonFace] = MakeColour(192, 192, 192);
}

class FrameTest : public testing::Test {
protected:
    void SetUp() override {
        data_ = std::make_unique<TSkinData>(nullptr);
        UseSyntheticSkin(EditableModel(*data_), 2);
    }
    void TearDown() override {
        data_.reset();
        FreeSkinManager();
    }
    TSkinModel& Model() { return EditableModel(*data_); }
    std::unique_ptr<TSkinData> data_;
};

// Window styles of each frame kind.
constexpr DWORD kSingleFrame = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kNoCaption = WS_POPUP | WS_THICKFRAME;

TEST_F(FrameTest, WidthsComeFromOneFrameOfEachBorderImage) {
    const int menu = GetSystemMetrics(SM_CYMENU);
    struct TCase {
        int Frames;
        DWORD Style;
        int Top, Left, Bottom, Menu;
    } cases[] = {
        {2, WS_OVERLAPPEDWINDOW, 30, 4, 4, menu},
        {1, kSingleFrame, 30, 4, 4, menu},
        {0, WS_OVERLAPPEDWINDOW, 30, 4, 4, menu}, // a record claiming no frames holds one
        {2, kNoCaption, 0, 0, 0, 0},
    };
    for (const TCase& c : cases) {
        UseSyntheticSkin(Model(), c.Frames == 0 ? 1 : c.Frames);
        if (c.Frames == 0)
            for (TDataSkinBorder* r :
                 {&Model().Top, &Model().Left, &Model().Right, &Model().Bottom})
                r->FrameCount = 0;
        TFrameWindow window(300, 200, c.Style);
        HMENU bar = CreateMenu();
        AppendMenuW(bar, MF_STRING, 1, L"&File");
        SetMenu(window.Handle(), bar); // the window owns it from here
        window.Skin(*data_);
        const TFrameWidths f = window.Form().FrameWidths();
        EXPECT_EQ(f.Top, c.Top) << c.Frames << " " << std::hex << c.Style;
        EXPECT_EQ(f.Left, c.Left) << c.Frames;
        EXPECT_EQ(f.Right, c.Left) << c.Frames;
        EXPECT_EQ(f.Bottom, c.Bottom) << c.Frames;
        EXPECT_EQ(f.Menu, c.Menu) << c.Frames;
    }
}

LRESULT CalcSize(HWND window, BOOL validRects, NCCALCSIZE_PARAMS& params) {
    return SendMessageW(window, WM_NCCALCSIZE, validRects, reinterpret_cast<LPARAM>(&params));
}

TEST_F(FrameTest, CalcSizePlacesTheClientInsideTheSkinFrame) {
    TFrameWindow window(300, 200);
    window.Skin(*data_);

    WINDOWPOS pos{window.Handle(), nullptr, 10, 20, 300, 200, 0};
    NCCALCSIZE_PARAMS params{};
    params.rgrc[0] = RECT{10, 20, 310, 220};
    params.lppos = &pos;
    EXPECT_EQ(CalcSize(window.Handle(), TRUE, params), WVR_VALIDRECTS);
    const RECT expected{14, 20 + 30, 306, 216};
    EXPECT_TRUE(EqualRect(&params.rgrc[0], &expected));
    EXPECT_TRUE(EqualRect(&params.rgrc[1], &expected));

    // wParam FALSE: the default procedure's rectangle stays and the answer is 0.
    RECT plain{10, 20, 310, 220};
    RECT byDefault = plain;
    DefWindowProcW(window.Handle(), WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&byDefault));
    EXPECT_EQ(SendMessageW(window.Handle(), WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&plain)),
              0);
    EXPECT_TRUE(EqualRect(&plain, &byDefault));

    // No caption: the default client rectangle is kept.
    TFrameWindow bare(300, 200, kNoCaption);
    bare.Skin(*data_);
    params.rgrc[0] = RECT{10, 20, 310, 220};
    pos.hwnd = bare.Handle();
    EXPECT_EQ(CalcSize(bare.Handle(), TRUE, params), WVR_VALIDRECTS);
    EXPECT_TRUE(EqualRect(&params.rgrc[0], &params.rgrc[1]));

    // The real window's client area follows.
    RECT client{};
    GetClientRect(window.Handle(), &client);
    EXPECT_EQ(client.right, window.Width() - 8);
    EXPECT_EQ(client.bottom, window.Height() - 34);
}

TEST_F(FrameTest, InactiveWindowShowsTheSecondFrameOfMultiFrameRecords) {
    struct TCase {
        int Frames;
        bool Active;
        TColour Expected;
    } cases[] = {{2, true, kActive}, {2, false, kInactive}, {1, false, kActive}};
    for (const TCase& c : cases) {
        UseSyntheticSkin(Model(), c.Frames);
        TFrameWindow window(200, 120);
        window.Skin(*data_);
        window.SetActive(c.Active);
        const auto px = window.PaintOffscreen();
        const int w = window.Width(), h = window.Height();
        const auto at = [&](int x, int y) { return px[static_cast<size_t>(y) * w + x]; };
        const COLORREF want = Rgb(c.Expected);
        EXPECT_EQ(at(1, h / 2), want) << "left " << c.Frames << c.Active;
        EXPECT_EQ(at(w - 2, h / 2), want) << "right";
        EXPECT_EQ(at(w / 2, h - 2), want) << "bottom";
        EXPECT_EQ(at(w - 10, 2), want) << "top";
        EXPECT_EQ(at(w / 2, h / 2), RGB(1, 2, 3)) << "the client area is not painted";
    }
}

TEST_F(FrameTest, PaintingIsSkippedWhereItMustBe) {
    struct TCase {
        const char* What;
        DWORD Style;
        bool Started;
        bool Painted;
    } cases[] = {{"before the start message", WS_OVERLAPPEDWINDOW, false, false},
                 {"a window without a caption", kNoCaption, true, false},
                 {"a skinned window", WS_OVERLAPPEDWINDOW, true, true}};
    for (const TCase& c : cases) {
        TFrameWindow window(200, 120, c.Style);
        window.Skin(*data_, c.Started);
        const auto px = window.PaintOffscreen();
        EXPECT_EQ(px[static_cast<size_t>(window.Width()) * 60 + 1] == Rgb(kActive), c.Painted)
            << c.What;
    }
}

TEST_F(FrameTest, CaptionTextIsPlacedAndCutBeforeTheRightClip) {
    struct TCase {
        const wchar_t* Text;
        int Alignment;
        DWORD Style;
    } cases[] = {
        {L"Short", 0, WS_OVERLAPPEDWINDOW},
        {L"Short", 2, WS_OVERLAPPEDWINDOW},
        {L"A caption far too long for the window it names, so it ends in an ellipsis", 0,
         WS_OVERLAPPEDWINDOW},
        {L"主题管理器 中文标题", 0, WS_OVERLAPPEDWINDOW},
    };
    for (const TCase& c : cases) {
        Model().Title.TextAlignment = c.Alignment;
        TFrameWindow window(260, 120, c.Style, c.Text);
        window.Skin(*data_);
        const auto px = window.PaintOffscreen();
        const int w = window.Width();
        const RECT r = window.Form().CaptionTextRect();
        const int pRight = w - 4;
        if (c.Alignment == 0) {
            EXPECT_EQ(r.left, 4 + 12) << c.Text;
        } else if (c.Alignment == 2) {
            EXPECT_EQ(r.right - 4, pRight - 4 - 40) << "right aligned";
        }
        EXPECT_LE(r.right, pRight - 40) << "clipped before TextRightClip";
        // White text pixels inside the rectangle, none right of the clip.
        int inside = 0, beyond = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < w; ++x) {
                if (px[static_cast<size_t>(y) * w + x] != RGB(255, 255, 255)) continue;
                if (x >= r.left && x < r.right)
                    ++inside;
                else
                    ++beyond;
            }
        EXPECT_GT(inside, 10) << "text drawn";
        EXPECT_EQ(beyond, 0) << "nothing drawn outside the text rectangle";
    }
}

// A skin whose [Colours] section lacks a key gets a system-colour reference:
// the painter shows the system's colour, not the reference's low bytes.
TEST_F(FrameTest, SystemColourReferencesPaintAsTheSystemColours) {
    Model().Colours[sciTitleTextActive] = SystemColour(COLOR_CAPTIONTEXT);
    const COLORREF expected = GetSysColor(COLOR_CAPTIONTEXT);
    ASSERT_NE(expected, Rgb(SystemColour(COLOR_CAPTIONTEXT))) << "the fault would not show";
    TFrameWindow window(260, 120, WS_OVERLAPPEDWINDOW, L"Caption in the system colour");
    window.Skin(*data_);
    const auto px = window.PaintOffscreen();
    const RECT r = window.Form().CaptionTextRect();
    int systemColoured = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (px[static_cast<size_t>(y) * window.Width() + x] == expected) ++systemColoured;
    EXPECT_GT(systemColoured, 10) << "caption text in the system's caption text colour";
}

TEST_F(FrameTest, TheSkinFrameFitsAroundTheClientAreaWhereItWas) {
    TFrameWindow window(300, 200);
    RECT saved{};
    GetClientRect(window.Handle(), &saved);
    POINT origin{0, 0};
    ClientToScreen(window.Handle(), &origin);
    window.Skin(*data_);
    RECT after{};
    GetClientRect(window.Handle(), &after);
    POINT moved{0, 0};
    ClientToScreen(window.Handle(), &moved);
    EXPECT_EQ(window.Width(), saved.right + 8);
    EXPECT_EQ(window.Height(), saved.bottom + 34);
    EXPECT_TRUE(EqualRect(&after, &saved));
    EXPECT_EQ(moved.x, origin.x);
    EXPECT_EQ(moved.y, origin.y);
}

int SystemCaptionTextWidth(HWND window) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    TFontHandle font(CreateFontIndirectW(&metrics.lfCaptionFont));
    wchar_t text[256] = {};
    const int length = GetWindowTextW(window, text, 256);
    TWindowDC dc(window, true);
    TSelectObject keep(dc.Get(), font.Get());
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), text, length, &size);
    return size.cx;
}

TEST_F(FrameTest, SystemDialogIsWidenedToItsCaptionAndItsControlsMovedByHalf) {
    // A window of the system's dialog class.
    TFrameWindow window(120, 120, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                        L"A dialog caption much wider than the dialog itself", WC_DIALOG);
    HWND button = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE, 10, 10, 40, 20,
                                  window.Handle(), nullptr, nullptr, nullptr);
    RECT client{};
    GetClientRect(window.Handle(), &client);
    window.Skin(*data_);
    // The caption's width in the system's caption font, measured here: the
    // text shift (12), the text and the right clip (40).
    const int needed = 12 + SystemCaptionTextWidth(window.Handle()) + 40;
    EXPECT_GT(needed, 120 + 52);
    EXPECT_EQ(window.Width(), needed);
    RECT r{};
    GetWindowRect(button, &r);
    POINT p{r.left, r.top};
    ScreenToClient(window.Handle(), &p);
    // The fitted width was the client's plus the side borders.
    EXPECT_EQ(p.x, 10 + (needed - (client.right + 8)) / 2);
}

TEST_F(FrameTest, RegionFollowsTheKeyColourOfTransparentBorders) {
    // Trans 0 everywhere: the plain window rectangle.
    {
        TFrameWindow window(200, 120);
        window.Skin(*data_);
        TRegionHandle rgn(CreateRectRgn(0, 0, 0, 0));
        ASSERT_EQ(GetWindowRgn(window.Handle(), rgn.Get()), SIMPLEREGION);
        RECT box{};
        GetRgnBox(rgn.Get(), &box);
        const RECT whole{0, 0, window.Width(), window.Height()};
        EXPECT_TRUE(EqualRect(&box, &whole));
    }
    // Trans 1 with key-colour corners on the top and left images.
    UseSyntheticSkin(Model(), 1, 1);
    Model().Left.Bitmap.FillRect(0, 0, 2, 2, kKey);
    Model().Top.Bitmap.FillRect(0, 0, 20, 1, kKey); // top row transparent
    Model().Left.Tile = 0;                          // tiled: the key repeats down the side
    TFrameWindow window(200, 120);
    window.Skin(*data_);
    ASSERT_TRUE(window.Form().HasRegion());
    TRegionHandle rgn(CreateRectRgn(0, 0, 0, 0));
    GetWindowRgn(window.Handle(), rgn.Get());
    EXPECT_FALSE(PtInRegion(rgn.Get(), 0, 0)) << "key pixel of the left border";
    EXPECT_FALSE(PtInRegion(rgn.Get(), 50, 0)) << "key row of the top border";
    EXPECT_TRUE(PtInRegion(rgn.Get(), 50, 1));
    EXPECT_TRUE(PtInRegion(rgn.Get(), 3, 0));
    EXPECT_TRUE(PtInRegion(rgn.Get(), 100, 60)) << "inside of the frame";
    // A new size gets a region of that size.
    SetWindowPos(window.Handle(), nullptr, 0, 0, 220, 130, SWP_NOMOVE | SWP_NOZORDER);
    GetWindowRgn(window.Handle(), rgn.Get());
    RECT box{};
    GetRgnBox(rgn.Get(), &box);
    EXPECT_EQ(box.right, 220);
    EXPECT_EQ(box.bottom, 130);
}

namespace {

// Each style write sends WM_STYLECHANGED and, on Wine, invalidates the frame
// again: a frame paint that wrote its unchanged style caused a second one.
HWND watched;
int styleChanges;
LRESULT CALLBACK CountStyleChanges(int code, WPARAM w, LPARAM l) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(l);
    if (code >= 0 && call->hwnd == watched && call->message == WM_STYLECHANGED) ++styleChanges;
    return CallNextHookEx(nullptr, code, w, l);
}

} // namespace

TEST_F(FrameTest, FramePaintWritesTheStyleOnlyWhenItChanges) {
    // An owned window: unowned top-level windows keep WS_SYSMENU on some
    // releases of the system (Wine's among them).
    TFrameWindow owner(100, 100);
    TFrameWindow window(300, 200);
    SetWindowLongPtrW(window.Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner.Handle()));
    window.Skin(*data_);
    watched = window.Handle();
    styleChanges = 0;
    const THookHandle hook(
        SetWindowsHookExW(WH_CALLWNDPROC, CountStyleChanges, nullptr, GetCurrentThreadId()));
    ASSERT_TRUE(hook);
    // The skin frame takes WS_SYSMENU away on its first paint, so that the
    // system draws no buttons of its own; later paints find it gone.
    const auto paint = [&] { SendMessageW(window.Handle(), WM_NCPAINT, 1, 0); };
    paint();
    EXPECT_EQ(styleChanges, 1);
    EXPECT_FALSE(GetWindowLongW(window.Handle(), GWL_STYLE) & WS_SYSMENU);
    for (int i = 0; i < 3; ++i)
        paint();
    EXPECT_EQ(styleChanges, 1) << "an unchanged style written again";
    SetWindowLongW(window.Handle(), GWL_STYLE,
                   GetWindowLongW(window.Handle(), GWL_STYLE) | WS_SYSMENU);
    styleChanges = 0;
    paint();
    EXPECT_EQ(styleChanges, 1);
    EXPECT_FALSE(GetWindowLongW(window.Handle(), GWL_STYLE) & WS_SYSMENU);
}

TEST_F(FrameTest, RepaintOfAnUnchangedFrameCreatesNoGdiObjects) {
    TFrameWindow window(300, 200);
    window.Skin(*data_);
    for (int i = 0; i < 2; ++i) { // the two frames' composites are cached
        window.SetActive(i % 2 == 0);
        window.PaintOffscreen();
    }
    // Wine counts no GDI objects per process: with the table nearly full, a
    // leak runs out of room.
    THandleFiller filler(100);
    ASSERT_TRUE(RoomFor(50));
    for (int i = 0; i < 200; ++i) {
        window.SetActive(i % 2 == 0);
        window.PaintOffscreen();
    }
    EXPECT_TRUE(RoomFor(50));
}

} // namespace
