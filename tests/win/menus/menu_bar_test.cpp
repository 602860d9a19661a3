// The skinned menu bar: where its buttons go, which button the arrow keys
// and accelerators lead to, how the bar and a button are painted, and on a
// real window: the platform's bar taken off and given back exactly, the
// client area keeping its size, and a drop-down's items skinned only while
// it is open.
#include "controls_fixture.h"
#include "menu_records.h"

#include "core/skin_elements.h"
#include "engine/menus/menu_bar_layout.h"
#include "engine/menus/menu_bar_paint.h"
#include "engine/menus/menu_bar_tracking.h"
#include "engine/menus/menu_paint_tools.h"
#include "engine/menus/win_skin_menu.h"
#include "support/menu_driver.h"
#include "support/user_input.h"

#include <cstdlib>
#include <memory>

namespace {

HFONT MenuFont() {
    static const TMenuPaintTools tools;
    return tools.Font();
}

bool Near(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
               std::abs(GetBValue(a) - GetBValue(b)) <
           90;
}

int Width(const std::wstring& caption) {
    TMemoryDC dc(CreateCompatibleDC(nullptr));
    TSelectObject font(dc.Get(), MenuFont());
    return BarButtonWidth(dc.Get(), caption);
}

struct TBarImage : TDataSkinObject {
    // Two frames stacked: red for an active window, blue for an inactive.
    TBarImage() : TDataSkinObject("menuBar") {
        Bitmap = TPixelBitmap(10, 20);
        Bitmap.FillRect(0, 0, 10, 10, MakeColour(200, 0, 0));
        Bitmap.FillRect(0, 10, 10, 20, MakeColour(0, 0, 200));
        FrameCount = 2;
        SetMargins({3, 0, 5, 0});
    }
};

} // namespace

TEST(MenuBarLayout, TheFirstButtonStartsInFromTheReadingEdge) {
    const TBarImage image;
    struct TRow {
        const char* Name;
        const TDataSkinObject* Image;
        bool RightToLeft;
        int BarWidth, Offset;
    } rows[] = {
        {"no image", nullptr, false, 300, 6},
        {"left to right", &image, false, 300, 3 + 4},
        {"right to left", &image, true, 300, 5 + 8},
        {"bar narrower than the offset", &image, true, 10, 12},
    };
    for (const TRow& r : rows) {
        SCOPED_TRACE(r.Name);
        EXPECT_EQ(BarStartOffset(r.Image, r.RightToLeft, r.BarWidth), r.Offset);
    }
}

TEST(MenuBarLayout, ButtonsFollowOneAnotherFromTheStart) {
    TMemoryDC dc(CreateCompatibleDC(nullptr));
    TSelectObject font(dc.Get(), MenuFont());
    const RECT bar{4, 30, 404, 50};
    const int file = Width(L"文件(&F)"), view = Width(L"视图(&V)");
    ASSERT_GT(file, 10);
    EXPECT_EQ(Width(L""), 0);
    const std::vector<TBarButtonFacts> buttons{
        {L"文件(&F)", true}, {L"", true}, {L"隐藏", false}, {L"视图(&V)", true}};
    struct TRow {
        const char* Name;
        bool RightToLeft;
        std::vector<RECT> Rects;
    } rows[] = {
        {"left to right",
         false,
         {{10, 30, 10 + file, 49},
          {10 + file, 30, 10 + file, 49},
          {0, 0, 0, 0},
          {10 + file, 30, 10 + file + view, 49}}},
        {"right to left",
         true,
         {{398 - file, 30, 398, 49},
          {398 - file, 30, 398 - file, 49},
          {0, 0, 0, 0},
          {398 - file - view, 30, 398 - file, 49}}},
    };
    for (const TRow& r : rows) {
        SCOPED_TRACE(r.Name);
        const std::vector<RECT> rects = LayoutBarButtons(dc.Get(), bar, buttons, 6, r.RightToLeft);
        ASSERT_EQ(rects.size(), r.Rects.size());
        for (size_t i = 0; i < rects.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_TRUE(EqualRect(&rects[i], &r.Rects[i]))
                << rects[i].left << "," << rects[i].top << "-" << rects[i].right << ","
                << rects[i].bottom;
        }
    }
}

TEST(MenuBarKeys, LeftAndRightWalkTheBarAndWrapAtItsEnds) {
    struct TRow {
        const char* Name;
        UINT Key;
        int Open;
        bool Selected, HasSubMenu, InDropDown;
        int Target;
    } rows[] = {
        {"Right on the last item wraps to the first", VK_RIGHT, 2, true, false, true, 0},
        {"Left on the first item wraps to the last", VK_LEFT, 0, true, false, true, 2},
        {"Right with nothing selected", VK_RIGHT, 1, false, false, false, 2},
        {"Left with nothing selected", VK_LEFT, 1, false, false, false, 0},
        {"Right on an item with a submenu opens it", VK_RIGHT, 0, true, true, true, -1},
        {"Left inside a submenu closes it", VK_LEFT, 1, true, false, false, -1},
        {"Right inside a submenu on a plain item", VK_RIGHT, 1, true, false, false, 2},
        {"Down stays in the menu", VK_DOWN, 1, true, false, true, -1},
    };
    for (const TRow& r : rows) {
        SCOPED_TRACE(r.Name);
        EXPECT_EQ(BarKeyTarget(r.Key, r.Open, 3, r.Selected, r.HasSubMenu, r.InDropDown), r.Target);
    }
}

TEST(MenuBarKeys, AltAndALetterFindTheItemWithThatAccelerator) {
    const std::vector<TBarButtonFacts> buttons{
        {L"文件(&F)", true}, {L"A&&B 编辑(&E)", true}, {L"隐藏(&H)", false}, {L"皮肤(&s)", true}};
    struct TRow {
        wchar_t Key;
        int Button;
    } rows[] = {{L'f', 0}, {L'F', 0}, {L'e', 1}, {L'B', -1}, {L'h', -1}, {L'S', 3}, {L'x', -1}};
    for (const TRow& r : rows) {
        SCOPED_TRACE(static_cast<char>(r.Key));
        EXPECT_EQ(AcceleratorButton(buttons, r.Key), r.Button);
    }
}

TEST(MenuBarPaint, TheBarShowsTheActiveOrInactiveFrameAndHotButtonsAFrame) {
    const TBarImage image;
    TMenuBarLook look;
    look.Image = &image;
    look.Menubar = RGB(10, 200, 10);
    look.Text = RGB(0, 0, 0);
    look.Shadow = RGB(120, 120, 0);
    look.Hilight = RGB(255, 255, 255);
    look.Font = MenuFont();
    struct TRow {
        const char* Name;
        const TDataSkinObject* Image;
        bool Active;
        COLORREF Face;
    } rows[] = {
        {"active", &image, true, RGB(200, 0, 0)},
        {"inactive", &image, false, RGB(0, 0, 200)},
        {"no image", nullptr, true, RGB(10, 200, 10)},
    };
    for (const TRow& r : rows) {
        SCOPED_TRACE(r.Name);
        look.Image = r.Image;
        look.Active = r.Active;
        TCanvasBitmap canvas(200, 20, RGB(255, 255, 255));
        PaintMenuBarBackground(canvas.DC(), canvas.Rect(), look);
        EXPECT_EQ(canvas.At(100, 10), r.Face);
    }
    look.Image = &image;
    look.Active = true;
    struct TButtonRow {
        const char* Name;
        TNCState State;
        bool Enabled;
        bool Framed;
        COLORREF Ink;
    } buttons[] = {
        {"normal", ncNormal, true, false, RGB(0, 0, 0)},
        {"hot", ncHot, true, true, RGB(0, 0, 0)},
        {"pressed", ncPressed, true, true, RGB(0, 0, 0)},
        {"disabled", ncNormal, false, false, RGB(120, 120, 0)},
    };
    for (const TButtonRow& b : buttons) {
        SCOPED_TRACE(b.Name);
        TCanvasBitmap canvas(200, 20, RGB(255, 255, 255));
        PaintMenuBarBackground(canvas.DC(), canvas.Rect(), look);
        PaintBarButton(canvas.DC(), {RECT{10, 0, 80, 19}, L"File 文件", b.Enabled, b.State}, look);
        EXPECT_EQ(canvas.At(10, 10) == RGB(255, 255, 255), b.Framed);
        EXPECT_EQ(canvas.At(40, 0) == RGB(255, 255, 255), b.Framed);
        // Text on a bitmap may be smoothed: pixels near the ink count.
        int ink = 0;
        for (int x = 12; x < 78; ++x)
            for (int y = 2; y < 17; ++y)
                ink += Near(canvas.At(x, y), b.Ink);
        EXPECT_GT(ink, 20);
    }
}

namespace {

void Append(HMENU menu, UINT flags, UINT_PTR id, const wchar_t* text) {
    AppendMenuW(menu, flags, id, text);
}

// A raw window with a two-menu bar, one of them with a submenu.
class MenuBarWindowTest : public SkinFormTest {
protected:
    void SetUp() override {
        SkinFormTest::SetUp();
        if (HasFatalFailure()) return;
        window_ = std::make_unique<TRawWindow>(L"VelmoraRawProbe", WS_OVERLAPPEDWINDOW, 400, 300);
        HMENU bar = CreateMenu();
        HMENU file = CreatePopupMenu(), recent = CreatePopupMenu(), skin = CreatePopupMenu();
        Append(recent, MF_STRING, 31, L"第一个文件");
        Append(file, MF_STRING, 11, L"新建(&N)\tCtrl+N");
        Append(file, MF_SEPARATOR, 0, nullptr);
        Append(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), L"最近的文件(&R)");
        Append(skin, MF_STRING | MF_CHECKED, 21, L"黄色(&Y)");
        Append(skin, MF_STRING | MF_GRAYED, 22, L"蓝色(&B)");
        Append(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"文件(&F)");
        Append(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(skin), L"皮肤(&S)");
        SetMenu(window_->Handle(), bar);
        ShowWindow(window_->Handle(), SW_SHOW);
        SetForegroundWindow(window_->Handle());
        Pump();
        menu_ = bar;
        items_ = MenuItems(bar);
        GetClientRect(window_->Handle(), &client_);
    }
    void TearDown() override {
        window_.reset();
        SkinFormTest::TearDown();
    }
    SIZE ClientSize() const {
        RECT r{};
        GetClientRect(window_->Handle(), &r);
        return SIZE{r.right, r.bottom};
    }

    std::unique_ptr<TRawWindow> window_;
    HMENU menu_ = nullptr;
    std::vector<TItemRecord> items_;
    RECT client_{};
};

} // namespace

TEST_F(MenuBarWindowTest, SkinningTakesTheBarOffAndUnskinningGivesItBackExactly) {
    TWinSkinForm* skin = SkinNow(window_->Handle());
    ASSERT_NE(skin, nullptr);
    ASSERT_NE(skin->MenuBar(), nullptr);
    EXPECT_EQ(GetMenu(window_->Handle()), nullptr);
    const auto& buttons = skin->MenuBar()->Buttons();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0]->Caption, L"文件(&F)");
    EXPECT_EQ(buttons[1]->Caption, L"皮肤(&S)");
    EXPECT_EQ(ClientSize().cx, client_.right);
    EXPECT_EQ(ClientSize().cy, client_.bottom);

    SkinOff();
    EXPECT_EQ(GetMenu(window_->Handle()), menu_);
    EXPECT_EQ(MenuItems(menu_), items_);
    EXPECT_EQ(ClientSize().cx, client_.right);
    EXPECT_EQ(ClientSize().cy, client_.bottom);
}

TEST_F(MenuBarWindowTest, ADropDownIsSkinnedWhileOpenAndReadsAsBeforeAfter) {
    TWinSkinForm* skin = SkinNow(window_->Handle());
    ASSERT_NE(skin, nullptr);
    ASSERT_NE(skin->MenuBar(), nullptr);
    const RECT button = skin->MenuBar()->Buttons()[0]->Rect;
    RECT window{};
    GetWindowRect(window_->Handle(), &window);
    const HMENU file = GetSubMenu(menu_, 0);
    bool ownerDrawn = false, skinned = false;
    TMenuDriver driver([&](HWND open) {
        if (!open) return false;
        ownerDrawn = OwnerDrawn(file, 0);
        skinned = SendMessageW(open, SKINMSG_QUERY, 0, 0) == 1;
        PostMessageW(open, WM_KEYDOWN, VK_ESCAPE, 1);
        return true;
    });
    PostMessageW(window_->Handle(), WM_NCLBUTTONDOWN, HTMENU,
                 MAKELPARAM(window.left + button.left + 3, window.top + button.top + 3));
    ASSERT_TRUE(PumpUntil([&] { return driver.Done(); }, 10000));
    Pump();
    EXPECT_TRUE(ownerDrawn);
    EXPECT_TRUE(skinned);
    EXPECT_EQ(MenuItems(menu_), items_);
}

namespace {

// The pixels of a window-coordinate rectangle of a painted frame.
std::vector<COLORREF> Part(HWND window, const std::vector<COLORREF>& frame, const RECT& r) {
    const LONG width = WindowSize(window).cx;
    std::vector<COLORREF> part;
    for (LONG y = r.top; y < r.bottom; ++y)
        for (LONG x = r.left; x < r.right; ++x)
            part.push_back(frame[static_cast<size_t>(y * width + x)]);
    return part;
}

} // namespace

TEST_F(MenuBarWindowTest, TheKeptBarPictureFollowsButtonStatesAndTheSkin) {
    const HWND w = window_->Handle();
    ASSERT_NE(SkinNow(w), nullptr);
    SelectSkin(1);
    TWinSkinForm* skin = manager_->FindSkinForm(w);
    ASSERT_NE(skin, nullptr);
    ASSERT_NE(skin->MenuBar(), nullptr);
    TMenuBtn& file = *skin->MenuBar()->Buttons()[0];
    const RECT button = file.Rect;
    const std::vector<COLORREF> normal = Part(w, PaintedFrame(w), button);

    file.SetState(ncHot);
    EXPECT_NE(Part(w, PaintedFrame(w), button), normal) << "a frame paint showed the old state";
    file.SetState(ncNormal);
    EXPECT_EQ(Part(w, PaintedFrame(w), button), normal);

    SelectSkin(0);
    skin = manager_->FindSkinForm(w);
    ASSERT_NE(skin, nullptr);
    ASSERT_NE(skin->MenuBar(), nullptr);
    EXPECT_NE(Part(w, PaintedFrame(w), skin->MenuBar()->Buttons()[0]->Rect), normal)
        << "the bar kept the other skin's picture";
}
