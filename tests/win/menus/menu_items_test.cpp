// Skinned menu items on a bitmap: the room each kind of menu gives an item,
// and each item state drawn from a skin strip of plain colours, read back.
#include "controls_fixture.h"

#include "core/skin_elements.h"
#include "engine/menus/menu_item_draw.h"
#include "engine/menus/menu_item_measure.h"
#include "engine/menus/menu_paint_tools.h"
#include "toolkit/bitmap.h"

#include <algorithm>
#include <memory>

namespace {

constexpr COLORREF kNormal = RGB(200, 0, 0), kSeparator = RGB(0, 0, 200),
                   kSelected = RGB(0, 160, 0), kUnderlay = RGB(90, 90, 90),
                   kMenu = RGB(250, 250, 210), kHilight = RGB(40, 40, 140),
                   kMenuText = RGB(0, 0, 0), kHilightText = RGB(255, 255, 255),
                   kShadow = RGB(128, 64, 0), kBackground = RGB(30, 200, 200),
                   kCap = RGB(0, 100, 0);

TColour Skin(COLORREF c) {
    return MakeColour(GetRValue(c), GetGValue(c), GetBValue(c));
}

// A menu-item strip of five 12x12 frames: normal, separator (a 2-pixel band
// across the middle, its left cap another colour, key colour around it),
// unused, selected, unused. Each frame has 3-pixel margins.
struct TPlainItemStrip : TDataSkinObject {
    TPlainItemStrip() : TDataSkinObject("MenuItem") {
        Bitmap = TPixelBitmap(60, 12, MakeColour(255, 0, 255));
        Bitmap.FillRect(0, 0, 12, 12, Skin(kNormal));
        Bitmap.FillRect(12, 5, 24, 7, Skin(kSeparator));
        Bitmap.FillRect(12, 5, 15, 7, Skin(kCap));
        Bitmap.FillRect(24, 0, 36, 12, Skin(kUnderlay));
        Bitmap.FillRect(36, 0, 48, 12, Skin(kSelected));
        Bitmap.FillRect(48, 0, 60, 12, Skin(kUnderlay));
        FrameCount = 5;
        SetMargins({3, 3, 3, 3});
    }
};

const TMenuPaintTools& Tools() {
    static const TMenuPaintTools tools;
    return tools;
}

TMenuItemLook Look(const TDataSkinObject* record) {
    TMenuItemLook look;
    look.Record = record;
    look.Menu = kMenu;
    look.Hilight = kHilight;
    look.MenuText = kMenuText;
    look.HilightText = kHilightText;
    look.ButtonShadow = kShadow;
    look.Font = Tools().Font();
    look.Bold = Tools().Bold();
    look.Check = Tools().Check();
    look.CheckSize = Tools().CheckSize();
    look.Dither = Tools().Dither();
    return look;
}

constexpr int kW = 160, kH = 22;

std::unique_ptr<TCanvasBitmap> Drawn(const TMenuItemPicture& item, const TMenuItemLook& look,
                                     RECT at = RECT{0, 0, kW, kH}) {
    auto canvas = std::make_unique<TCanvasBitmap>(kW, kH, RGB(255, 255, 255));
    PaintMenuItem(canvas->DC(), at, item, look);
    return canvas;
}

int Count(const TCanvasBitmap& c, COLORREF colour, RECT area) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            n += c.At(x, y) == colour;
    return n;
}

TMenuItemPicture Item(const wchar_t* text) {
    TMenuItemPicture item;
    item.Text = text;
    return item;
}

SIZE TextSize(HDC dc, const std::wstring& text) {
    RECT r{};
    DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_NOCLIP | DT_EXPANDTABS);
    return SIZE{r.right, r.bottom};
}

} // namespace

TEST(MenuItemMeasure, EachKindOfMenuLeavesItsRoomAroundTheCaption) {
    TMemoryDC dc(CreateCompatibleDC(nullptr));
    TSelectObject font(dc.Get(), Tools().Font());
    const std::wstring caption = L"使用主题(&U)";
    const SIZE text = TextSize(dc.Get(), caption);
    ASSERT_GT(text.cx, 0);
    const LONG line = std::max<LONG>(text.cy + 4, 18);
    struct TRow {
        const char* Name;
        TMenuKindOfItem Kind;
        bool Record;
        int Images;
        LONG ExtraWidth, Height;
    } rows[] = {
        {"popup", TMenuKindOfItem::Popup, false, 0, 35, line},
        {"popup, record", TMenuKindOfItem::Popup, true, 0, 39, line},
        {"popup, images", TMenuKindOfItem::Popup, false, 16, 31, line},
        {"popup, record and images", TMenuKindOfItem::Popup, true, 16, 35, line},
        {"main menu", TMenuKindOfItem::MainMenu, false, 0, 35, line},
        {"main menu, record", TMenuKindOfItem::MainMenu, true, 0, 39, line},
        {"main menu, images", TMenuKindOfItem::MainMenu, false, 16, 29, line},
        {"raw", TMenuKindOfItem::Raw, false, 0, 26, text.cy + 4},
        {"raw, record", TMenuKindOfItem::Raw, true, 0, 30, text.cy + 4},
    };
    for (const TRow& r : rows) {
        SCOPED_TRACE(r.Name);
        TMenuMeasureInput in{caption, r.Kind, r.Record, 4, r.Images};
        const SIZE size = MeasureMenuItem(dc.Get(), in);
        EXPECT_EQ(size.cx, text.cx + r.ExtraWidth);
        EXPECT_EQ(size.cy, r.Height);
        in.Text = L"-";
        EXPECT_EQ(MeasureMenuItem(dc.Get(), in).cy, kMenuSeparatorHeight);
        in.Text = L"";
        EXPECT_EQ(MeasureMenuItem(dc.Get(), in).cy, kMenuSeparatorHeight);
    }
}

TEST(MenuItemMeasure, AShortcutTakesItsWidthAndAGapBesideTheCaption) {
    TMemoryDC dc(CreateCompatibleDC(nullptr));
    TSelectObject font(dc.Get(), Tools().Font());
    TMenuMeasureInput plain{L"关闭(&C)", TMenuKindOfItem::Popup, false, 0, 0};
    TMenuMeasureInput withKey = plain;
    withKey.Text += L"\tAlt+F4";
    EXPECT_EQ(MeasureMenuItem(dc.Get(), withKey).cx - MeasureMenuItem(dc.Get(), plain).cx,
              TextSize(dc.Get(), L"Alt+F4").cx + 32);
}

TEST(MenuItemDraw, EachStateShowsItsFrameColourAndText) {
    const TPlainItemStrip strip;
    const RECT inside{kW - 12, 6, kW - 6, 16}; // right of any text
    const RECT all{0, 0, kW, kH};
    struct TRow {
        const char* Name;
        TMenuItemPicture Item;
        COLORREF Face, Ink, NotInk;
    };
    TMenuItemPicture selected = Item(L"卸载(&U)");
    selected.Selected = true;
    TMenuItemPicture disabled = Item(L"卸载(&U)");
    disabled.Disabled = true;
    TMenuItemPicture selectedDisabled = disabled;
    selectedDisabled.Selected = true;
    const TRow rows[] = {
        {"normal", Item(L"卸载(&U)"), kNormal, kMenuText, kShadow},
        {"selected", selected, kSelected, kHilightText, kMenuText},
        {"disabled", disabled, kNormal, kShadow, kMenuText},
        {"disabled and selected", selectedDisabled, kSelected, kShadow, kHilightText},
    };
    for (const TRow& r : rows) {
        SCOPED_TRACE(r.Name);
        const auto c = Drawn(r.Item, Look(&strip));
        EXPECT_EQ(c->At(kW - 8, 10), r.Face);
        EXPECT_EQ(Count(*c, r.Face, inside), 6 * 10);
        EXPECT_GT(Count(*c, r.Ink, all), 10);
        EXPECT_EQ(Count(*c, r.NotInk, all), 0);
    }
}

TEST(MenuItemDraw, DisabledTextTakesTheSystemShadowWhenTheSkinsShadowIsItsTextColour) {
    const TPlainItemStrip strip;
    TMenuItemLook look = Look(&strip);
    look.ButtonShadow = look.MenuText;
    TMenuItemPicture item = Item(L"卸载(&U)");
    item.Disabled = true;
    EXPECT_EQ(MenuTextColour(item, look), GetSysColor(COLOR_BTNSHADOW));
    const auto c = Drawn(item, look);
    EXPECT_GT(Count(*c, GetSysColor(COLOR_BTNSHADOW), RECT{0, 0, kW, kH}), 10);
}

TEST(MenuItemDraw, TheDefaultItemIsBold) {
    const TPlainItemStrip strip;
    TMenuItemPicture item = Item(L"使用主题 Theme");
    const auto plain = Drawn(item, Look(&strip));
    item.Default = true;
    const auto bold = Drawn(item, Look(&strip));
    const RECT all{0, 0, kW, kH};
    EXPECT_GT(Count(*bold, kMenuText, all), Count(*plain, kMenuText, all) * 11 / 10);
}

TEST(MenuItemDraw, ACheckMarkStandsInTheGlyphBoxOnTheReadingSide) {
    const TPlainItemStrip strip;
    const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
    ASSERT_NE(ink, kNormal);
    const RECT left{0, 0, 24, kH}, right{kW - 24, 0, kW, kH};
    struct TRow {
        const char* Name;
        bool Checked, RightToLeft;
        int Left, Right;
    } rows[] = {
        {"checked", true, false, 1, 0},
        {"checked, right to left", true, true, 0, 1},
        {"unchecked", false, false, 0, 0},
    };
    for (const TRow& r : rows) {
        SCOPED_TRACE(r.Name);
        TMenuItemPicture item = Item(L"");
        item.Text = L"X";
        item.Checked = r.Checked;
        item.RightToLeft = r.RightToLeft;
        TMenuItemLook look = Look(&strip);
        look.MenuText = RGB(1, 2, 3); // the caption's ink is not the mark's
        const auto c = Drawn(item, look);
        EXPECT_EQ(Count(*c, ink, left) > 4, r.Left == 1);
        EXPECT_EQ(Count(*c, ink, right) > 4, r.Right == 1);
    }
}

TEST(MenuItemDraw, TheCaptionStandsOnTheReadingSide) {
    const TPlainItemStrip strip;
    TMenuItemPicture item = Item(L"Theme 主题");
    const RECT leftHalf{0, 0, kW / 2, kH}, rightHalf{kW / 2, 0, kW, kH};
    const auto ltr = Drawn(item, Look(&strip));
    EXPECT_GT(Count(*ltr, kMenuText, leftHalf), 10);
    EXPECT_EQ(Count(*ltr, kMenuText, rightHalf), 0);
    item.RightToLeft = true;
    const auto rtl = Drawn(item, Look(&strip));
    EXPECT_EQ(Count(*rtl, kMenuText, leftHalf), 0);
    EXPECT_GT(Count(*rtl, kMenuText, rightHalf), 10);
}

TEST(MenuItemDraw, SeparatorsComeFromTheStripOrAsAnEtchedLine) {
    const TPlainItemStrip strip;
    TBitmap background(kW + 20, kH + 20);
    TBrushHandle fill(CreateSolidBrush(kBackground));
    const RECT bg{0, 0, kW + 20, kH + 20};
    FillRect(background.DC(), &bg, fill.Get());
    TMenuItemLook look = Look(&strip);
    look.Background = &background;
    look.BackgroundOffset = POINT{3, 3};
    const RECT separatorRect{0, 0, kW, 8};

    const auto toolkit = Drawn(Item(L"-"), look, separatorRect);
    // The bottom rows of frame 2: its band, and the background where the
    // strip holds the key colour.
    EXPECT_EQ(toolkit->At(kW / 2, 1), kSeparator);
    EXPECT_EQ(toolkit->At(kW / 2, 2), kSeparator);
    EXPECT_EQ(toolkit->At(kW / 2, 0), kBackground);
    EXPECT_EQ(toolkit->At(kW / 2, 5), kBackground);
    EXPECT_EQ(Count(*toolkit, kNormal, separatorRect), 0);

    TMenuItemPicture raw = Item(L"-");
    raw.Raw = true;
    const auto etched = Drawn(raw, look, separatorRect);
    EXPECT_EQ(etched->At(kW / 2, 1), kNormal);
    EXPECT_EQ(etched->At(kW / 2, 4), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(etched->At(kW / 2, 5), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(Count(*etched, kSeparator, separatorRect), 0);
}

TEST(MenuItemDraw, ASeparatorNarrowerThanItsMarginsSharesThem) {
    const TPlainItemStrip strip;
    // Width -> columns of the left cap shown (half of what there is).
    const int caps[][2] = {{1, 0}, {4, 2}, {6, 3}, {7, 3}};
    for (const auto& [width, cap] : caps) {
        SCOPED_TRACE(width);
        const auto c = Drawn(Item(L"-"), Look(&strip), RECT{0, 0, width, 8});
        const RECT all{0, 0, width, 8};
        EXPECT_EQ(Count(*c, kCap, all), 2 * cap);
        EXPECT_EQ(Count(*c, kSeparator, all) + Count(*c, kCap, all), 2 * width);
        EXPECT_EQ(c->At(width, 1), RGB(255, 255, 255));
    }
}

TEST(MenuItemDraw, WithoutARecordItemsAreFlat) {
    TMenuItemPicture item = Item(L"Theme 主题");
    const auto normal = Drawn(item, Look(nullptr));
    EXPECT_EQ(normal->At(kW - 5, 10), kMenu);
    item.Selected = true;
    const auto selected = Drawn(item, Look(nullptr));
    EXPECT_EQ(selected->At(kW - 5, 10), kHilight);
    EXPECT_GT(Count(*selected, kHilightText, RECT{0, 0, kW, kH}), 10);
}
