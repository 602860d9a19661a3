// Skinned scroll bars: the bar's rules (parts, thickness, arrows, thumb),
// its picture, and overlays on a real list box: laid exactly over the native
// bars through every change of the host, presses handed to the host's own
// scroll loop, the thumb dragged to both ends, the skin taken away in the
// middle of a drag, the border and the corner.
#include "controls_fixture.h"

#include "core/skin_model.h"
#include "engine/controls/scrollbar.h"
#include "engine/controls/scrollbar_paint.h"
#include "engine/platform_api.h"
#include "engine/skin_data.h"
#include "toolkit/colours.h"
#include "toolkit/list_view.h"

#include <commctrl.h>

#include <memory>
#include <string>

namespace {

TEST(ScrollBarRules, PartsAlongABar) {
    const TBarSpan bar{200, 17, {60, 100}};
    struct TRow {
        int Along;
        TScrollPart Part;
    } rows[] = {
        {0, spFirstArrow},    {16, spFirstArrow},   {17, spPageBefore}, {59, spPageBefore},
        {60, spThumb},        {99, spThumb},        {100, spPageAfter}, {182, spPageAfter},
        {183, spSecondArrow}, {199, spSecondArrow},
    };
    for (const TRow& r : rows)
        EXPECT_EQ(HitTestBar(bar, r.Along), r.Part) << "at " << r.Along;
}

TEST(ScrollBarRules, ThicknessAndArrowLength) {
    EXPECT_EQ(BarThickness(20, 17), 17) << "a strip 3 pixels thicker than the arrows";
    EXPECT_EQ(BarThickness(19, 17), 19);
    EXPECT_EQ(BarThickness(15, 17), 15);
    EXPECT_EQ(BarThickness(14, 17), 17);
    EXPECT_EQ(ArrowLength(200, 17), 17);
    EXPECT_EQ(ArrowLength(34, 17), 17);
    EXPECT_EQ(ArrowLength(20, 17), 10) << "two half arrows and no track";
    EXPECT_EQ(ArrowLength(33, 17), 16);
}

TEST(ScrollBarRules, ThumbFromTheScrollRange) {
    struct TRow {
        const char* What;
        TScrollRange Range;
        int Length;
        TThumbSpan Thumb;
    } rows[] = {
        {"at the start", {0, 99, 10, 0}, 134, {17, 26}},
        {"in the middle",
         {0, 99, 10, 45},
         134,
         {17 + MulDiv(100, 45, 99), 17 + MulDiv(100, 45, 99) + 9}},
        {"a page too small for 8 pixels", {0, 999, 10, 0}, 134, {17, 25}},
        {"small thumb at the end", {0, 999, 10, 999}, 134, {17 + 92, 17 + 100}},
        {"no page: an arrow-long thumb", {0, 10, 0, 10}, 134, {17 + 83, 17 + 83 + 17}},
        {"min not zero", {50, 149, 10, 50}, 134, {17, 26}},
        {"an empty range", {5, 5, 1, 5}, 134, {17, 25}},
        {"an empty range, moved", {5, 5, 0, 6}, 134, {17 + 83, 17 + 100}},
    };
    for (const TRow& r : rows) {
        const TThumbSpan t = ThumbFromRange(r.Range, r.Length, 17);
        EXPECT_EQ(t.Start, r.Thumb.Start) << r.What;
        EXPECT_EQ(t.End, r.Thumb.End) << r.What;
    }
}

TEST(ScrollBarRules, ADraggedThumbStaysBetweenTheArrows) {
    const TThumbSpan atPress{40, 70};
    struct TRow {
        int Moved, Start;
    } rows[] = {{0, 40}, {25, 65}, {-10, 30}, {-100, 17}, {500, 200 - 17 - 30}};
    for (const TRow& r : rows) {
        const TThumbSpan t = DraggedThumb(atPress, r.Moved, 200, 17);
        EXPECT_EQ(t.Start, r.Start) << "moved " << r.Moved;
        EXPECT_EQ(t.Size(), 30) << "moved " << r.Moved;
    }
}

TEST(ScrollBarRules, DropDownThumbOffsetToPosition) {
    const TScrollRange paged{0, 99, 10, 0};
    const TScrollRange unpaged{0, 50, 0, 0};
    EXPECT_EQ(PositionForThumbOffset(paged, 0, 100, 10), 0);
    EXPECT_EQ(PositionForThumbOffset(paged, -20, 100, 10), 0) << "above the track";
    EXPECT_EQ(PositionForThumbOffset(paged, 45, 100, 10), MulDiv(45, 89, 90));
    EXPECT_EQ(PositionForThumbOffset(paged, 500, 100, 10), 90) << "the last page";
    EXPECT_EQ(PositionForThumbOffset(unpaged, 500, 100, 17), MulDiv(83, 50, 100));
    EXPECT_EQ(PositionForThumbOffset({0, 10, 100, 0}, 30, 100, 100), 0)
        << "a thumb filling the track";
}

TEST(ScrollBarRules, StripFrames) {
    struct TRow {
        bool Vertical, Second, Hot, Pressed;
        int Frame;
    } arrows[] = {
        {false, false, false, false, 1}, {false, false, false, true, 2},
        {false, false, true, false, 4},  {false, true, false, false, 5},
        {false, true, true, false, 8},   {true, false, false, false, 9},
        {true, false, false, true, 10},  {true, true, false, false, 13},
        {true, true, false, true, 14},   {true, true, true, false, 16},
    };
    for (const TRow& r : arrows)
        EXPECT_EQ(ArrowFrame(r.Vertical, r.Second, r.Hot, r.Pressed), r.Frame);
    EXPECT_EQ(GripFrame(false, false, false), 17);
    EXPECT_EQ(GripFrame(false, false, true), 18);
    EXPECT_EQ(GripFrame(true, true, false), 22);
    EXPECT_EQ(ThumbFrame(false, false), 1);
    EXPECT_EQ(ThumbFrame(false, true), 2);
    EXPECT_EQ(ThumbFrame(true, false), 3);
    EXPECT_EQ(TrackFrame(true), 1);
    EXPECT_EQ(TrackFrame(false), 3);
}

class ScrollBarPaintTest : public StoredMainFormTest {
protected:
    TScrollBarLook Vertical(TThumbSpan thumb) const {
        TScrollBarLook look;
        look.Vertical = true;
        look.Width = 17;
        look.Height = 200;
        look.ArrowSize = 17;
        look.Thumb = thumb;
        look.Face = RGB(1, 2, 3);
        return look;
    }
    const TSkinModel& Skin() const { return data_->Skin(); }
    // The pixels of arrow-strip frame `frame` that are not the key colour.
    void ExpectArrowFrame(const TPixelBitmap& bar, int top, int frame, const char* what) {
        const TPixelBitmap& strip = Skin().Scrollbar->Bitmap;
        const int w = strip.Width() / kArrowStripFrames;
        int compared = 0;
        for (int y = 0; y < strip.Height(); ++y)
            for (int x = 0; x < w; ++x) {
                const TColour c = strip.Pixel((frame - 1) * w + x, y);
                if (c == kKeyColour) continue;
                ASSERT_EQ(bar.Pixel(x, top + y), c) << what << " at " << x << "," << y;
                ++compared;
            }
        EXPECT_GT(compared, 10) << what;
    }
};

TEST_F(ScrollBarPaintTest, ArrowsShowTheirFrameForEachState) {
    ASSERT_TRUE(HasScrollBarSkin(Skin()));
    ASSERT_EQ(Skin().Scrollbar->Bitmap.Height(), 17) << "the stored skin's strip is 17 high";
    struct TRow {
        const char* What;
        int HotPart;
        bool Pressed;
        int First, Second;
    } rows[] = {
        {"nothing hot", spNone, false, 9, 13},
        {"first arrow hot", spFirstArrow, false, 12, 13},
        {"first arrow pressed", spFirstArrow, true, 10, 13},
        {"second arrow hot", spSecondArrow, false, 9, 16},
        {"second arrow pressed", spSecondArrow, true, 9, 14},
        {"thumb pressed", spThumb, true, 9, 13},
    };
    for (const TRow& r : rows) {
        TScrollBarLook look = Vertical({60, 100});
        look.HotPart = r.HotPart;
        look.Pressed = r.Pressed;
        const TPixelBitmap bar = ComposeScrollBar(look, Skin());
        ASSERT_EQ(bar.Height(), 200);
        ExpectArrowFrame(bar, 0, r.First, r.What);
        ExpectArrowFrame(bar, 183, r.Second, r.What);
    }
}

// Rows outside both thumbs are the same picture; rows inside each differ.
TEST_F(ScrollBarPaintTest, TheThumbIsDrawnWhereItLiesAndNotWhenDisabled) {
    const TPixelBitmap high = ComposeScrollBar(Vertical({30, 60}), Skin());
    const TPixelBitmap low = ComposeScrollBar(Vertical({120, 150}), Skin());
    const auto row = [](const TPixelBitmap& b, int y) {
        std::vector<TColour> r;
        for (int x = 0; x < b.Width(); ++x)
            r.push_back(b.Pixel(x, y));
        return r;
    };
    EXPECT_EQ(row(high, 90), row(low, 90)) << "track between the thumbs";
    EXPECT_NE(row(high, 45), row(low, 45)) << "the upper thumb";
    EXPECT_NE(row(high, 135), row(low, 135)) << "the lower thumb";
    TScrollBarLook off = Vertical({30, 60});
    off.Enabled = false;
    TScrollBarLook offLow = off;
    offLow.Thumb = {120, 150};
    EXPECT_EQ(ComposeScrollBar(off, Skin()), ComposeScrollBar(offLow, Skin()))
        << "a disabled bar shows no thumb";
    EXPECT_NE(ComposeScrollBar(off, Skin()), high) << "and the disabled track";
}

TEST_F(ScrollBarPaintTest, NoPictureWithoutAStripOrASize) {
    TScrollBarLook empty = Vertical({30, 60});
    empty.Height = 0;
    EXPECT_TRUE(ComposeScrollBar(empty, Skin()).Empty());
}

// A list box with more lines than it shows and lines wider than it is,
// skinned on the raw host.
class ScrollOverlayTest : public RawHostTest {
protected:
    void SetUp() override {
        RawHostTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(HasScrollBarInfo());
        list_ = Child(L"LISTBOX",
                      WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT, L"",
                      RECT{10, 10, 210, 160});
        SetWindowLongPtrW(list_, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
        SetWindowPos(list_, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
        for (int i = 0; i < 60; ++i) {
            const std::wstring line = L"第 " + std::to_wstring(i) + L" 行";
            SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        }
        SendMessageW(list_, LB_SETHORIZONTALEXTENT, 600, 0);
        auto skin = std::make_unique<TSkinScrollbar>();
        skin_ = skin.get();
        ASSERT_TRUE(skin->AttachWindow(*form_, *data_, list_));
        form_->AdoptControl(std::move(skin));
        Pump();
    }
    TWScrollbar& Vert() { return *skin_->VertBar(); }
    TWScrollbar& Horz() { return *skin_->HorzBar(); }
    static RECT NativeBar(HWND host, LONG id) {
        SCROLLBARINFO info{};
        info.cbSize = sizeof(info);
        QueryScrollBarInfo(host, id, info);
        return info.rcScrollBar;
    }
    static bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
    static RECT ScreenRect(HWND w) {
        RECT r{};
        GetWindowRect(w, &r);
        return r;
    }
    void ExpectOverBars(const char* when) {
        EXPECT_TRUE(IsWindowVisible(Vert().Handle())) << when;
        EXPECT_TRUE(Same(ScreenRect(Vert().Handle()), NativeBar(list_, OBJID_VSCROLL))) << when;
        EXPECT_TRUE(IsWindowVisible(Horz().Handle())) << when;
        EXPECT_TRUE(Same(ScreenRect(Horz().Handle()), NativeBar(list_, OBJID_HSCROLL))) << when;
        EXPECT_TRUE(JustAboveHost(Vert().Handle())) << when;
        EXPECT_TRUE(JustAboveHost(Horz().Handle())) << when;
    }
    // The two overlays sit directly above their host in the sibling order.
    bool JustAboveHost(HWND overlay) const {
        HWND w = overlay;
        for (int i = 0; i < 2; ++i)
            if ((w = GetWindow(w, GW_HWNDNEXT)) == list_) return true;
        return false;
    }
    // A press on the overlay at `at`, the host's scroll loop ended by a
    // release already waiting in the queue, after `during` more messages.
    void PressOverlay(TWScrollbar& bar, POINT at, const std::vector<MSG>& during = {}) {
        for (const MSG& m : during)
            PostMessageW(m.hwnd, m.message, m.wParam, m.lParam);
        PostMessageW(list_, WM_LBUTTONUP, 0, 0);
        SendMessageW(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        Pump();
    }
    int Pos(int bar) const { return GetScrollPos(list_, bar); }

    HWND list_ = nullptr;
    TSkinScrollbar* skin_ = nullptr;
};

TEST_F(ScrollOverlayTest, OverlaysLieExactlyOverTheNativeBarsThroughEveryChange) {
    ExpectOverBars("after attaching");
    EXPECT_TRUE(GetWindowLongPtrW(list_, GWL_STYLE) & WS_CLIPSIBLINGS)
        << "the native bar never draws over the overlay";

    MoveWindow(list_, 20, 30, 260, 200, TRUE);
    Pump();
    ExpectOverBars("after a resize");

    ShowScrollBar(list_, SB_HORZ, FALSE);
    Pump();
    EXPECT_FALSE(IsWindowVisible(Horz().Handle())) << "the native bar went away";
    SendMessageW(list_, LB_SETHORIZONTALEXTENT, 900, 0);
    ShowScrollBar(list_, SB_HORZ, TRUE);
    Pump();
    ExpectOverBars("the horizontal bar back");

    ShowWindow(list_, SW_HIDE);
    Pump();
    EXPECT_FALSE(IsWindowVisible(Vert().Handle())) << "the host hidden";
    EXPECT_FALSE(IsWindowVisible(Horz().Handle())) << "the host hidden";
    ShowWindow(list_, SW_SHOW);
    Pump();
    ExpectOverBars("the host shown again");
}

// Counts the messages of one kind a window gets while it lives.
class TMessageCount {
public:
    TMessageCount(HWND window, UINT msg) : window_(window), msg_(msg) {
        SetWindowSubclass(window_, &Proc, Id(), reinterpret_cast<DWORD_PTR>(this));
    }
    ~TMessageCount() { RemoveWindowSubclass(window_, &Proc, Id()); }
    int Count() const { return count_; }

private:
    // One subclass per counter, even two on one window.
    UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }
    static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
        auto* counter = reinterpret_cast<TMessageCount*>(self);
        if (m == counter->msg_) ++counter->count_;
        return DefSubclassProc(w, m, wp, lp);
    }
    HWND window_;
    UINT msg_;
    int count_ = 0;
};

TEST_F(ScrollOverlayTest, OverlaysNeitherMoveNorRepaintWithoutAChange) {
    TMessageCount moves(Vert().Handle(), WM_WINDOWPOSCHANGED);
    TMessageCount paints(Vert().Handle(), WM_PAINT);
    for (int i = 0; i < 5; ++i) {
        RedrawWindow(list_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        Pump();
    }
    EXPECT_EQ(moves.Count(), 0) << "the host repainted, nothing moved";
    EXPECT_EQ(paints.Count(), 0) << "the host repainted, the bar's picture is the same";
    for (int i = 1; i <= 5; ++i) {
        SetWindowPos(list_, nullptr, 0, 0, 200 + i, 150 + i, SWP_NOMOVE | SWP_NOZORDER);
        Pump();
    }
    EXPECT_EQ(moves.Count(), 5) << "one move per size change";
    SendMessageW(list_, WM_VSCROLL, SB_LINEDOWN, 0);
    Pump();
    EXPECT_GE(paints.Count(), 1) << "the list scrolled: the thumb moved";
}

TEST_F(ScrollOverlayTest, PressesReachTheHostsOwnScrollLoop) {
    RECT r{};
    GetClientRect(Vert().Handle(), &r);
    const int x = r.right / 2;
    PressOverlay(Vert(), {x, r.bottom - 3});
    EXPECT_EQ(Pos(SB_VERT), 1) << "the down arrow scrolls a line";
    PressOverlay(Vert(), {x, r.bottom - 25});
    const int afterPage = Pos(SB_VERT);
    EXPECT_GT(afterPage, 3) << "the page area below the thumb scrolls a page";
    PressOverlay(Vert(), {x, 3});
    EXPECT_EQ(Pos(SB_VERT), afterPage - 1) << "the up arrow";
    EXPECT_FALSE(Vert().Pressed());
}

TEST_F(ScrollOverlayTest, AThumbDragReachesBothEndsAndTheSkinnedThumbFollows) {
    SCROLLINFO si{sizeof(si), SIF_ALL};
    GetScrollInfo(list_, SB_VERT, &si);
    const int last = si.nMax - static_cast<int>(si.nPage) + 1;
    const TScrollBarLook before = Vert().CurrentLook();
    const int x = before.Width / 2;
    POINT press{x, (before.Thumb.Start + before.Thumb.End) / 2};
    ClientToScreen(Vert().Handle(), &press);
    SetCursorPos(press.x, press.y);
    // In the middle of the drag the pointer moves 30 pixels down: the
    // skinned thumb moves with it, pressed.
    const UINT kProbe = WM_APP + 8;
    TScrollBarLook during;
    host_->OnMessage = [&](HWND, UINT msg) {
        if (msg != kProbe) return;
        SetCursorPos(press.x, press.y + 30);
        during = Vert().CurrentLook();
    };
    const RECT bar = NativeBar(list_, OBJID_VSCROLL);
    POINT below{bar.left + x, bar.bottom + 5};
    ScreenToClient(list_, &below);
    POINT at = press;
    ScreenToClient(Vert().Handle(), &at);
    PressOverlay(Vert(), at,
                 {MSG{host_->Handle(), kProbe, 0, 0},
                  MSG{list_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(below.x, below.y)}});
    host_->OnMessage = nullptr;
    EXPECT_EQ(during.Thumb.Start, before.Thumb.Start + 30) << "the skinned thumb follows";
    EXPECT_TRUE(during.Pressed);
    EXPECT_EQ(during.HotPart, spThumb);
    EXPECT_EQ(Pos(SB_VERT), last) << "dragged past the bottom";
    const TScrollBarLook after = Vert().CurrentLook();
    EXPECT_EQ(after.Thumb.End, after.Height - after.ArrowSize) << "the thumb at the track's end";

    POINT above{bar.left + x, bar.top - 5};
    ScreenToClient(list_, &above);
    PressOverlay(Vert(), {x, (after.Thumb.Start + after.Thumb.End) / 2},
                 {MSG{list_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(above.x, above.y)}});
    EXPECT_EQ(Pos(SB_VERT), 0) << "dragged past the top";
}

TEST_F(ScrollOverlayTest, TheSkinTakenAwayDuringADragLeavesAWorkingNativeBar) {
    const HWND vert = Vert().Handle();
    const UINT kUnskin = WM_APP + 7;
    const int errors = CaughtErrors().Count;
    host_->OnMessage = [&](HWND, UINT msg) {
        if (msg == kUnskin) form_->Detach();
    };
    const TScrollBarLook look = Vert().CurrentLook();
    PressOverlay(Vert(), {look.Width / 2, (look.Thumb.Start + look.Thumb.End) / 2},
                 {MSG{host_->Handle(), kUnskin, 0, 0},
                  MSG{list_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 80)}});
    host_->OnMessage = nullptr;
    EXPECT_EQ(form_->SkinControlOf(list_), nullptr);
    EXPECT_FALSE(IsWindow(vert)) << "the overlay went with the skin";
    EXPECT_FALSE(GetWindowLongPtrW(list_, GWL_STYLE) & WS_CLIPSIBLINGS) << "the style given back";
    const int before = Pos(SB_VERT);
    PostMessageW(list_, WM_LBUTTONUP, 0, 0);
    RECT bar = NativeBar(list_, OBJID_VSCROLL);
    SendMessageW(list_, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(bar.left + 5, bar.bottom - 3));
    EXPECT_EQ(Pos(SB_VERT), before + 1) << "the native bar still scrolls";
    EXPECT_EQ(CaughtErrors().Count, errors);
}

TEST_F(ScrollOverlayTest, TheBorderAndTheCornerAreInTheSkinsColours) {
    // A raw window gets no border of its own; a toolkit list does (below).
    EXPECT_FALSE(skin_->HasBorder());
    const COLORREF face = ColorToRGB(static_cast<TColor>(data_->Skin().Colour(sciButtonFace)));
    RedrawWindow(list_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    Pump();
    const RECT v = Vert().ClientBox(), h = Horz().ClientBox();
    POINT corner{(v.left + v.right) / 2, (h.top + h.bottom) / 2};
    ClientToScreen(list_, &corner);
    TWindowDC screen(nullptr);
    EXPECT_EQ(GetPixel(screen.Get(), corner.x, corner.y), face) << "the corner between the bars";
}

TEST_F(SkinFormTest, TheThemeListHasTheSkinsBorderInPlaceOfItsSunkenEdge) {
    SkinOn();
    SelectSkin(1);
    TWinSkinForm* skin = manager_->FindSkinForm(main_);
    ASSERT_NE(skin, nullptr);
    auto* list = form_->Find<TListView>(L"LstThemes");
    ASSERT_NE(list, nullptr);
    auto* listSkin = dynamic_cast<TSkinScrollbar*>(skin->SkinControlOf(list->Handle()));
    ASSERT_NE(listSkin, nullptr);
    ASSERT_TRUE(listSkin->HasBorder());
    RedrawWindow(list->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    Pump();
    const auto& model = data_->Skin();
    const COLORREF shadow = ColorToRGB(static_cast<TColor>(model.Colour(sciButtonShadow)));
    const COLORREF face = ColorToRGB(static_cast<TColor>(model.Colour(sciButtonFace)));
    RECT r{};
    GetWindowRect(list->Handle(), &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const std::vector<COLORREF> pixels = WindowPixels(list->Handle());
    ASSERT_EQ(pixels.size(), static_cast<size_t>(w * h));
    EXPECT_EQ(pixels[(h / 2) * w + 0], shadow) << "outer line";
    EXPECT_EQ(pixels[(h / 2) * w + 1], face) << "inner line";
    EXPECT_EQ(pixels[1 * w + w / 2], face) << "inner line at the top";
}

} // namespace
