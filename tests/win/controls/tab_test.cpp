// Tab controls, page controls and tab sets: the side table (style, strip,
// buffer and the way back), the images turned for the side, a tab's image
// and text, the skin on real tab controls of every side read back as
// pixels, close boxes asking the form, a tab set leaving its scroller a
// gap, attaching and restoring, and repeated paints making no GDI objects.
#include "controls_fixture.h"

#include "core/skin_model.h"
#include "engine/control_choice.h"
#include "engine/controls/control_registry.h"
#include "engine/controls/tab.h"
#include "engine/controls/tab31.h"
#include "engine/controls/tab_buttons.h"
#include "engine/controls/up_down.h"
#include "engine/engine_messages.h"
#include "engine/skin_data.h"
#include "support/gdi_handles.h"
#include "toolkit/class_registry.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/page_control.h"
#include "toolkit/tab_set.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string Show(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

void AddTabs(HWND tabs, const std::vector<std::wstring>& captions) {
    for (size_t i = 0; i < captions.size(); ++i)
        InsertTab(tabs, static_cast<int>(i), captions[i]);
}

} // namespace

TEST(TabSides, StyleGivesTheSideTheStripAndItsBuffer) {
    const RECT control{0, 0, 200, 120};
    struct TRow {
        const char* What;
        DWORD Style;
        TTabSide Side;
        RECT Adjusted; // what the platform leaves for the pages
        RECT Strip;
        SIZE Buffer;
    } rows[] = {
        {"top", 0, TTabSide::Top, {4, 26, 196, 116}, {0, 0, 200, 23}, {200, 23}},
        {"bottom", TCS_BOTTOM, TTabSide::Bottom, {4, 4, 196, 94}, {0, 97, 200, 120}, {200, 23}},
        {"left", TCS_VERTICAL, TTabSide::Left, {26, 4, 196, 116}, {0, 0, 23, 120}, {120, 23}},
        {"right",
         TCS_VERTICAL | TCS_RIGHT,
         TTabSide::Right,
         {4, 4, 174, 116},
         {177, 0, 200, 120},
         {120, 23}},
        {"bottom bit of a vertical control",
         TCS_VERTICAL | TCS_BOTTOM,
         TTabSide::Right,
         {4, 4, 174, 116},
         {177, 0, 200, 120},
         {120, 23}},
    };
    for (const TRow& r : rows) {
        EXPECT_EQ(TabSideOf(r.Style), r.Side) << r.What;
        const RECT display = TabDisplayArea(r.Adjusted, r.Side);
        const RECT strip = TabStripRect(control, display, r.Side);
        EXPECT_TRUE(EqualRect(&strip, &r.Strip)) << r.What << ": " << Show(strip);
        const SIZE buffer = TabStripBufferSize(strip, r.Side);
        EXPECT_EQ(buffer.cx, r.Buffer.cx) << r.What;
        EXPECT_EQ(buffer.cy, r.Buffer.cy) << r.What;
    }
}

// A tab drawn lying down in the buffer comes back where the control has it
// once the buffer is turned (top and bottom tabs reach 1 pixel towards the
// page, right-hand ones 1 pixel up), so a close box is hit where it shows.
TEST(TabSides, ATabInTheBufferComesBackWhereTheControlHasIt) {
    struct TRow {
        TTabSide Side;
        RECT Strip;
        RECT Tab;
        RECT Back;
    } rows[] = {
        {TTabSide::Top, {0, 0, 200, 23}, {2, 2, 60, 22}, {2, 3, 60, 23}},
        {TTabSide::Bottom, {0, 97, 200, 120}, {2, 98, 60, 118}, {2, 97, 60, 117}},
        {TTabSide::Left, {0, 0, 23, 120}, {2, 2, 22, 50}, {2, 2, 22, 50}},
        {TTabSide::Right, {177, 0, 200, 120}, {178, 2, 198, 50}, {178, 1, 198, 49}},
    };
    for (const TRow& r : rows) {
        const RECT inBuffer = TabRectInStrip(r.Tab, r.Side, r.Strip);
        const SIZE buffer = TabStripBufferSize(r.Strip, r.Side);
        EXPECT_GE(inBuffer.left, 0) << static_cast<int>(r.Side) << ": " << Show(inBuffer);
        EXPECT_LE(inBuffer.right, buffer.cx) << static_cast<int>(r.Side) << ": " << Show(inBuffer);
        const RECT back = StripRectToClient(inBuffer, r.Side, r.Strip);
        EXPECT_TRUE(EqualRect(&back, &r.Back)) << static_cast<int>(r.Side) << ": " << Show(back);
    }
}

TEST(TabImages, ThePageFrameAndItsMarginsTurnWithTheSide) {
    constexpr TColour kRed = 0x0000FF, kBlue = 0xFF0000;
    struct TRow {
        TTabSide Side;
        POINT RedAt; // where the image's top row went
        POINT BlueAt;
        TSkinMargins Margins;
    } rows[] = {
        {TTabSide::Top, {1, 0}, {1, 1}, {1, 2, 3, 4}},
        {TTabSide::Bottom, {1, 1}, {1, 0}, {1, 4, 3, 2}},
        {TTabSide::Left, {0, 1}, {1, 1}, {2, 3, 4, 1}},
        {TTabSide::Right, {1, 1}, {0, 1}, {4, 1, 2, 3}},
    };
    for (const TRow& r : rows) {
        TPixelBitmap image(3, 2, kBlue);
        image.FillRect(0, 0, 3, 1, kRed);
        TSkinMargins margins{1, 2, 3, 4};
        TurnPaneImage(image, margins, r.Side);
        const int side = static_cast<int>(r.Side);
        EXPECT_EQ(image.Pixel(r.RedAt.x, r.RedAt.y), kRed) << side;
        EXPECT_EQ(image.Pixel(r.BlueAt.x, r.BlueAt.y), kBlue) << side;
        EXPECT_EQ(margins.Left, r.Margins.Left) << side;
        EXPECT_EQ(margins.Top, r.Margins.Top) << side;
        EXPECT_EQ(margins.Right, r.Margins.Right) << side;
        EXPECT_EQ(margins.Bottom, r.Margins.Bottom) << side;
    }
}

TEST(TabItem, AnImageWiderThanTheTabLeavesOnlyTheText) {
    struct TRow {
        const char* What;
        LONG Width;
        SIZE Image;
        bool Shown;
        POINT At;
    } rows[] = {
        {"fits", 60, {16, 12}, true, {12, 4}},
        {"as wide as the tab", 40, {40, 12}, false, {0, 0}},
        {"wider", 30, {40, 12}, false, {0, 0}},
        // Centred across the tab by the image's height, not its width.
        {"wide and low", 60, {40, 12}, true, {1, 4}},
    };
    for (const TRow& r : rows) {
        const RECT tab{0, 0, r.Width, 20};
        const TTabItemPlaces p = PlaceTabItem(tab, TTabAlign::Centre, r.Image, true, SIZE{20, 14});
        EXPECT_EQ(p.ShowImage, r.Shown) << r.What;
        if (r.Shown) {
            EXPECT_EQ(p.Image.x, r.At.x) << r.What;
            EXPECT_EQ(p.Image.y, r.At.y) << r.What;
            EXPECT_EQ(p.Text.left, r.At.x + r.Image.cx) << r.What;
        } else {
            EXPECT_EQ(p.Text.left, (r.Width - 20) / 2) << r.What;
        }
    }
}

TEST(TabItem, DrawnImageStandsInTheTabsMiddleOrNotAtAll) {
    TImageListHandle images(ImageList_Create(40, 12, ILC_COLOR24, 1, 0));
    ASSERT_TRUE(images);
    {
        TCanvasBitmap red(40, 12, RGB(255, 0, 0));
        TBitmapHandle picture(CreateCompatibleBitmap(red.DC(), 40, 12));
        TMemoryDC dc(CreateCompatibleDC(red.DC()));
        {
            TSelectObject keep(dc.Get(), picture.Get());
            BitBlt(dc.Get(), 0, 0, 40, 12, red.DC(), 0, 0, SRCCOPY);
        }
        ASSERT_EQ(ImageList_Add(images.Get(), picture.Get(), nullptr), 0);
    }
    const TTabItem item{L"", 0};
    struct TRow {
        int Width;
        int FirstRow, LastRow; // of red; -1: none
    } rows[] = {{60, 4, 15}, {30, -1, -1}};
    for (const TRow& r : rows) {
        TCanvasBitmap canvas(r.Width, 20, RGB(255, 255, 255));
        DrawTabItem(canvas.DC(), canvas.Rect(), TTabAlign::Centre, item, images.Get(), true, false);
        int first = -1, last = -1;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < r.Width; ++x)
                if (canvas.At(x, y) == RGB(255, 0, 0)) {
                    if (first < 0) first = y;
                    last = y;
                }
        EXPECT_EQ(first, r.FirstRow) << "tab " << r.Width << " wide";
        EXPECT_EQ(last, r.LastRow) << "tab " << r.Width << " wide";
    }
}

TEST(TabSetPlaces, TabsThatDoNotFitAreSkippedAndTheScrollerKeepsItsGap) {
    struct TRow {
        const char* What;
        std::vector<int> Widths;
        int First;
        bool Scroller;
        std::vector<int> Shown;
    } rows[] = {
        {"all fit", {40, 40, 3}, 0, false, {0, 1, 2}},
        {"the scroller's gap", {40, 40, 3}, 0, true, {0, 1}},
        {"a wide one skipped, a narrow one after it kept", {40, 60, 3}, 0, false, {0, 2}},
        {"from the first shown", {40, 40, 40}, 1, false, {1, 2}},
    };
    for (const TRow& r : rows) {
        const auto places = TabSetPlaces(r.Widths, r.First, 0, 110, r.Scroller, 20);
        std::vector<int> shown;
        for (const TTabSetPlace& p : places)
            shown.push_back(p.Index);
        EXPECT_EQ(shown, r.Shown) << r.What;
        for (const TTabSetPlace& p : places)
            EXPECT_LE(p.Rect.right, r.Scroller ? 98 : 110) << r.What;
    }
}

TEST(TabMapping, ButtonStyleTabControlsGetTheButtonSkin) {
    const auto family = [](DWORD style) {
        return CreateSkinControl(ChooseForWindow(L"systabcontrol32", style, -1));
    };
    EXPECT_NE(dynamic_cast<TSkinTab*>(family(0).get()), nullptr);
    EXPECT_NE(dynamic_cast<TSkinTabBtn*>(family(TCS_BUTTONS).get()), nullptr);
    TControlFacts facts;
    facts.UpperClass = L"TTABSET";
    EXPECT_NE(dynamic_cast<TSkinTab31*>(CreateSkinControl(ChooseForControl(facts, -1, true)).get()),
              nullptr);
}

class TabSkinTest : public RawHostTest {
protected:
    HWND Tabs(DWORD style, RECT at, const std::vector<std::wstring>& captions) {
        const HWND tabs = Child(WC_TABCONTROLW, WS_CHILD | WS_VISIBLE | style, L"", at);
        SendMessageW(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                     0);
        AddTabs(tabs, captions);
        return tabs;
    }
    template <class T> T* Skin(HWND window) {
        auto owned = std::make_unique<T>();
        T* skin = owned.get();
        if (!skin->AttachWindow(*form_, *data_, window)) return nullptr;
        form_->AdoptControl(std::move(owned));
        return skin;
    }
    static void PaintNow(HWND window, UINT more = 0) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | more);
    }
};

// A corner pixel of the tab image's first frame shows at the tab's outer
// corner on every side: turned with the strip, flipped for bottom tabs.
TEST_F(TabSkinTest, TheTabImageIsTurnedForEverySide) {
    const TDataSkinBorder* element = data_->Skin().Tabs.get();
    ASSERT_TRUE(element && !element->Bitmap.Empty());
    POINT probe{-1, -1};
    for (int y = 2; y < 5 && probe.x < 0; ++y)
        for (int x = 2; x < 5 && probe.x < 0; ++x)
            if (element->Bitmap.Pixel(x, y) != kKeyColour) probe = {x, y};
    ASSERT_GE(probe.x, 0);
    const COLORREF expected = static_cast<COLORREF>(element->Bitmap.Pixel(probe.x, probe.y));
    const int px = probe.x, py = probe.y;
    struct TRow {
        const char* What;
        DWORD Style;
        POINT (*At)(const RECT& tab, int px, int py, int width);
    } rows[] = {
        {"top", 0,
         [](const RECT& t, int px, int py, int) {
             return POINT{t.left + px, t.top + 1 + py};
         }},
        {"bottom", TCS_BOTTOM,
         [](const RECT& t, int px, int py, int) {
             return POINT{t.left + px, t.bottom - 2 - py};
         }},
        {"left", TCS_VERTICAL | TCS_MULTILINE,
         [](const RECT& t, int px, int py, int) {
             return POINT{t.left + py, t.bottom - 1 - px};
         }},
        {"right", TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE,
         [](const RECT& t, int px, int py, int) {
             return POINT{t.right - 1 - py, t.top - 1 + px};
         }},
    };
    for (const TRow& r : rows) {
        const HWND tabs = Tabs(r.Style, RECT{10, 10, 250, 170}, {L"第一页", L"第二页", L"第三页"});
        TSkinTab* skin = Skin<TSkinTab>(tabs);
        ASSERT_NE(skin, nullptr) << r.What;
        PaintNow(tabs);
        RECT tab{};
        ASSERT_TRUE(SendMessageW(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab)));
        const POINT at = r.At(tab, px, py, 240);
        const std::vector<COLORREF> pixels = ClientPixels(tabs);
        EXPECT_EQ(pixels[static_cast<size_t>(at.y) * 240 + at.x], expected)
            << r.What << " tab " << Show(tab) << " at " << at.x << "," << at.y;
        DestroyWindow(tabs);
    }
}

// The page frame is drawn around the pages, not over them: a child window
// in the display area keeps its pixels even on a control that does not clip
// its children itself.
TEST_F(TabSkinTest, ThePageFrameLeavesThePagesWindowsAlone) {
    const HWND tabs = Tabs(0, RECT{10, 10, 250, 170}, {L"一", L"二"});
    const HWND page =
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, 20, 50, 100, 60,
                        tabs, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(Skin<TSkinTab>(tabs), nullptr);
    const TDataSkinObject* pane = data_->Skin().TabPane.get();
    ASSERT_TRUE(pane && !pane->Bitmap.Empty());
    PaintNow(page);
    const COLORREF own = ClientPixels(page)[30 * 100 + 50];
    PaintNow(tabs, RDW_NOCHILDREN);
    const std::vector<COLORREF> pixels = ClientPixels(tabs);
    EXPECT_EQ(pixels[80 * 240 + 70], own);
    // The frame itself is drawn: its left edge is the pane image's.
    EXPECT_EQ(pixels[80 * 240 + 1],
              static_cast<COLORREF>(pane->Bitmap.Pixel(1, pane->Bitmap.Height() / 2)));
}

// Chinese captions of any length come back whole.
TEST_F(TabSkinTest, CaptionsAreReadWideAndWhole) {
    const std::wstring long_caption(300, L'标');
    const HWND tabs = Tabs(0, RECT{10, 10, 250, 170}, {L"中文标签", long_caption});
    TTabItem item;
    ASSERT_TRUE(ReadTabItem(tabs, 0, item));
    EXPECT_EQ(item.Text, L"中文标签");
    ASSERT_TRUE(ReadTabItem(tabs, 1, item));
    EXPECT_EQ(item.Text, long_caption);
    EXPECT_FALSE(ReadTabItem(tabs, 2, item));
}

// Attaching skins the scroll arrows too; restoring puts both windows back
// into the procedures and styles they had.
TEST_F(TabSkinTest, AttachAndRestoreLeaveTheControlAndItsArrowsAsFound) {
    const HWND tabs = Tabs(0, RECT{10, 10, 150, 110},
                           {L"常规", L"外观", L"声音", L"鼠标", L"键盘", L"网络", L"高级"});
    const HWND arrows = FindWindowExW(tabs, nullptr, UPDOWN_CLASSW, nullptr);
    ASSERT_NE(arrows, nullptr) << "the tabs do not overflow";
    struct TState {
        LONG_PTR Proc, Style, ExStyle;
        LRESULT Count, Selected;
        bool operator==(const TState& o) const {
            return Proc == o.Proc && Style == o.Style && ExStyle == o.ExStyle && Count == o.Count &&
                   Selected == o.Selected;
        }
    };
    const auto state = [](HWND w) {
        return TState{GetWindowLongPtrW(w, GWLP_WNDPROC), GetWindowLongPtrW(w, GWL_STYLE),
                      GetWindowLongPtrW(w, GWL_EXSTYLE), SendMessageW(w, TCM_GETITEMCOUNT, 0, 0),
                      SendMessageW(w, TCM_GETCURSEL, 0, 0)};
    };
    const TState tabsBefore = state(tabs), arrowsBefore = state(arrows);
    auto skin = std::make_unique<TSkinTab>();
    ASSERT_TRUE(skin->AttachWindow(*form_, *data_, tabs));
    ASSERT_NE(skin->Scroller(), nullptr);
    EXPECT_EQ(SendMessageW(arrows, SKINMSG_QUERY, 0, 0), 1);
    PaintNow(tabs, RDW_ALLCHILDREN);
    skin->RestoreControl();
    EXPECT_EQ(SendMessageW(tabs, SKINMSG_QUERY, 0, 0), 0);
    EXPECT_EQ(SendMessageW(arrows, SKINMSG_QUERY, 0, 0), 0);
    EXPECT_TRUE(state(tabs) == tabsBefore);
    EXPECT_TRUE(state(arrows) == arrowsBefore);
}

TEST_F(TabSkinTest, RepeatedPaintsMakeNoGdiObjects) {
    const std::vector<std::wstring> captions{L"常规", L"外观", L"声音", L"鼠标", L"键盘"};
    const HWND bottom = Tabs(TCS_BOTTOM, RECT{10, 10, 200, 120}, captions);
    const HWND left = Tabs(TCS_VERTICAL | TCS_MULTILINE, RECT{10, 130, 200, 280}, captions);
    const HWND buttons = Tabs(TCS_BUTTONS, RECT{210, 10, 390, 120}, captions);
    ASSERT_NE(Skin<TSkinTab>(bottom), nullptr);
    ASSERT_NE(Skin<TSkinTab>(left), nullptr);
    ASSERT_NE(Skin<TSkinTabBtn>(buttons), nullptr);
    const auto paintAll = [&] {
        for (HWND w : {bottom, left, buttons})
            PaintNow(w, RDW_ALLCHILDREN);
    };
    paintAll();
    THandleFiller filler(100);
    ASSERT_TRUE(RoomFor(50));
    for (int i = 0; i < 200; ++i)
        paintAll();
    EXPECT_TRUE(RoomFor(50));
}

namespace {

// A form that answers the close-box question as the test says and keeps
// what it was asked.
class TCloseAnsweringForm : public TForm {
public:
    TCloseAnsweringForm() : TForm(nullptr) {}
    LRESULT Answer = 0;
    std::vector<std::pair<WPARAM, LPARAM>> Asked;
    void WndProc(TMessage& m) override {
        if (m.Msg != kCloseTabQuestion) return TForm::WndProc(m);
        Asked.emplace_back(m.WParam, m.LParam);
        m.Result = Answer;
    }
};

TPageControl* Pages(TForm& form, int tag, bool allowed, int top) {
    auto* pages = new TPageControl(&form);
    pages->SetParent(&form);
    pages->SetBounds(10, top, 300, 100);
    pages->SetTag(tag);
    pages->SetShowCloseBoxes(allowed);
    pages->SetTabPosition(tpBottom);
    for (const wchar_t* caption : {L"常规页", L"外观页", L"声音页"}) {
        auto* sheet = new TTabSheet(&form);
        sheet->SetCaption(caption);
        sheet->SetParent(pages);
        auto* label = new TLabel(&form);
        label->SetParent(sheet);
        label->SetCaption(caption);
    }
    return pages;
}

int ComponentsOf(const TForm& form) {
    return form.ComponentCount();
}

} // namespace

TEST_F(SkinFormTest, CloseBoxesAskTheFormAndOnlyZeroClosesThePage) {
    TCloseAnsweringForm form;
    form.SetBounds(40, 40, 340, 380);
    TPageControl* closing = Pages(form, kCloseBoxTag, true, 10);
    TPageControl* switchedOff = Pages(form, kCloseBoxTag, false, 120);
    TPageControl* untagged = Pages(form, 0, true, 230);
    form.Show();
    Pump();
    SkinOn();
    TWinSkinForm* skin = manager_->FindSkinForm(form.Handle());
    ASSERT_NE(skin, nullptr);
    const auto tabSkin = [&](TPageControl* pages) {
        return dynamic_cast<TSkinTab*>(skin->SkinControlOf(pages));
    };
    ASSERT_NE(tabSkin(closing), nullptr);
    EXPECT_TRUE(tabSkin(closing)->CloseBoxes());
    EXPECT_FALSE(tabSkin(switchedOff)->CloseBoxes());
    EXPECT_FALSE(tabSkin(untagged)->CloseBoxes());
    EXPECT_EQ(tabSkin(closing)->Side(), TTabSide::Bottom);

    struct TStep {
        LRESULT Answer;
        int PagesAfter;
    } steps[] = {{1, 3}, {0, 2}};
    for (const TStep& s : steps) {
        const HWND h = closing->Handle();
        RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const std::vector<RECT> boxes = tabSkin(closing)->CloseRects();
        ASSERT_EQ(boxes.size(), static_cast<size_t>(closing->PageCount()));
        RECT tab{};
        SendMessageW(h, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
        const RECT box = boxes[1];
        RECT inside{};
        EXPECT_TRUE(IntersectRect(&inside, &box, &tab) && EqualRect(&inside, &box))
            << "the box " << Show(box) << " lies on its tab " << Show(tab);
        form.Answer = s.Answer;
        form.Asked.clear();
        const int componentsBefore = ComponentsOf(form);
        const LPARAM at = MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2);
        SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(h, WM_LBUTTONUP, 0, at);
        ASSERT_EQ(form.Asked.size(), 1u) << "answer " << s.Answer;
        EXPECT_EQ(form.Asked[0].first, reinterpret_cast<WPARAM>(h));
        EXPECT_EQ(form.Asked[0].second, 1);
        EXPECT_EQ(closing->PageCount(), s.PagesAfter) << "answer " << s.Answer;
        EXPECT_EQ(SendMessageW(h, TCM_GETITEMCOUNT, 0, 0), s.PagesAfter);
        // The page goes with the label on it.
        EXPECT_EQ(ComponentsOf(form), componentsBefore - 2 * (3 - s.PagesAfter));
    }
    EXPECT_EQ(closing->Pages(1)->Caption(), L"声音页");

    // A click away from the boxes only chooses a tab.
    form.Asked.clear();
    RECT first{};
    SendMessageW(closing->Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    const LPARAM at = MAKELPARAM(first.left + 3, first.bottom - 3);
    SendMessageW(closing->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(closing->Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(form.Asked.empty());
    EXPECT_EQ(closing->PageCount(), 2);
    SkinOff();
}

TEST_F(SkinFormTest, ATabSetThatOverflowsLeavesItsScrollerAGap) {
    TForm form(nullptr);
    form.SetBounds(40, 40, 320, 120);
    auto* tabSet = new TTabSet(&form);
    tabSet->SetParent(&form);
    tabSet->SetBounds(10, 10, 220, 22);
    tabSet->SetTabsText(L"星期一\r\n星期二\r\n星期三\r\n星期四\r\n星期五\r\n星期六\r\n星期日");
    form.Show();
    Pump();
    ASSERT_TRUE(tabSet->ScrollerVisible());
    SkinOn();
    TWinSkinForm* skin = manager_->FindSkinForm(form.Handle());
    ASSERT_NE(skin, nullptr);
    auto* tabSkin = dynamic_cast<TSkinTab31*>(skin->SkinControlOf(tabSet));
    ASSERT_NE(tabSkin, nullptr);
    ASSERT_NE(tabSkin->Scroller(), nullptr);
    EXPECT_EQ(SendMessageW(tabSet->Scroller(), SKINMSG_QUERY, 0, 0), 1);

    RedrawWindow(tabSet->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const std::vector<TTabSetPlace> places = tabSet->Places();
    ASSERT_FALSE(places.empty());
    EXPECT_LT(places.size(), tabSet->Tabs().size());
    RECT scroller{};
    GetWindowRect(tabSet->Scroller(), &scroller);
    MapWindowPoints(nullptr, tabSet->Handle(), reinterpret_cast<POINT*>(&scroller), 2);
    const LONG gapStart = places.back().Rect.right;
    EXPECT_LE(gapStart, 220 - tabSet->EndMargin() - 12);
    EXPECT_LE(gapStart, scroller.left);
    const std::vector<COLORREF> pixels = ClientPixels(tabSet->Handle());
    const COLORREF face = ColorToRGB(static_cast<TColor>(data_->Skin().Colour(sciButtonFace)));
    for (LONG x = gapStart; x < scroller.left; ++x)
        EXPECT_EQ(pixels[11 * 220 + x], face) << "x " << x;
    // The first tab is drawn from the skin's tab image, not left as face.
    EXPECT_NE(pixels[11 * 220 + places[0].Rect.left + 2], face);
    SkinOff();
    EXPECT_EQ(SendMessageW(tabSet->Handle(), SKINMSG_QUERY, 0, 0), 0);
    EXPECT_EQ(SendMessageW(tabSet->Scroller(), SKINMSG_QUERY, 0, 0), 0);
}

TEST(TabClasses, TheFormReaderKnowsThem) {
    for (const wchar_t* name : {L"TTabControl", L"TTabSet", L"TPageControl"})
        EXPECT_NE(FindComponentClass(name), nullptr) << name;
}

TEST_F(SkinFormTest, ATabSetChoosesByKeyAndShowsItsScrollerOnlyWhenNeeded) {
    TForm form(nullptr);
    form.SetBounds(40, 40, 420, 120);
    auto* tabSet = new TTabSet(&form);
    tabSet->SetParent(&form);
    tabSet->SetBounds(10, 10, 380, 22);
    tabSet->SetTabsText(L"一\r\n二\r\n三");
    int changes = 0;
    tabSet->OnChange = [&](TPersistent*) { ++changes; };
    form.Show();
    Pump();
    EXPECT_FALSE(tabSet->ScrollerVisible());
    EXPECT_EQ(tabSet->Places().size(), 3u);

    struct TStep {
        WPARAM Key;
        int Index, Changes;
    } steps[] = {{VK_RIGHT, 1, 1}, {VK_RIGHT, 2, 2}, {VK_RIGHT, 2, 2}, {VK_LEFT, 1, 3}};
    for (const TStep& s : steps) {
        SendMessageW(tabSet->Handle(), WM_KEYDOWN, s.Key, 0);
        EXPECT_EQ(tabSet->TabIndex(), s.Index);
        EXPECT_EQ(changes, s.Changes);
    }

    // Narrower than its tabs: the scroller shows and chooses the first tab shown.
    tabSet->SetBounds(10, 10, 60, 22);
    ASSERT_TRUE(tabSet->ScrollerVisible());
    SendMessageW(tabSet->Scroller(), UDM_SETPOS32, 0, 2);
    SendMessageW(tabSet->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 2),
                 reinterpret_cast<LPARAM>(tabSet->Scroller()));
    EXPECT_EQ(tabSet->FirstIndex(), 2);
    ASSERT_FALSE(tabSet->Places().empty());
    EXPECT_EQ(tabSet->Places().front().Index, 2);
    // Wide again: every tab shows from the first.
    tabSet->SetBounds(10, 10, 380, 22);
    EXPECT_FALSE(tabSet->ScrollerVisible());
    EXPECT_EQ(tabSet->FirstIndex(), 0);
}

TEST_F(SkinFormTest, PageControlsPutTheirTabsOnTheirSideAndCloseToTheNextPage) {
    TForm form(nullptr);
    form.SetBounds(40, 40, 340, 160);
    TPageControl* pages = Pages(form, 0, true, 10);
    pages->SetActivePageIndex(1);
    form.Show();
    Pump();
    struct TRow {
        int Position;
        DWORD Bits;
    } rows[] = {{tpBottom, TCS_BOTTOM},
                {tpLeft, TCS_VERTICAL},
                {tpRight, TCS_VERTICAL | TCS_RIGHT},
                {tpTop, 0}};
    for (const TRow& r : rows) {
        pages->SetTabPosition(r.Position);
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(pages->Handle(), GWL_STYLE));
        EXPECT_EQ(style & (TCS_BOTTOM | TCS_VERTICAL | TCS_RIGHT), r.Bits) << r.Position;
        // The sheets fill the display area the new side leaves.
        RECT sheet{};
        GetWindowRect(pages->Pages(1)->Handle(), &sheet);
        MapWindowPoints(nullptr, pages->Handle(), reinterpret_cast<POINT*>(&sheet), 2);
        const RECT area = pages->DisplayRect();
        EXPECT_TRUE(EqualRect(&sheet, &area)) << r.Position << ": " << Show(sheet);
    }
    pages->ClosePage(1);
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePageIndex(), 1);
    EXPECT_EQ(pages->Pages(1)->Caption(), L"声音页");
    EXPECT_TRUE(IsWindowVisible(pages->Pages(1)->Handle()));
    pages->ClosePage(1);
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    EXPECT_TRUE(IsWindowVisible(pages->Pages(0)->Handle()));
}
