// Containers drawn by the skin, read back as pixels: where a group box puts
// its caption and outline, that a group box repaint leaves the list inside it
// alone, status bar edges and grip, owner-drawn panels drawn where the bar
// puts them, and panels given their colour back.
#include "controls_fixture.h"

#include "engine/controls/group_box.h"
#include "engine/controls/status_bar.h"
#include "engine/skin_data.h"
#include "toolkit/form.h"
#include "toolkit/group_box.h"
#include "toolkit/list_view.h"
#include "toolkit/status_bar.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr COLORREF kFace = RGB(240, 236, 220);
constexpr COLORREF kShadow = RGB(0, 0, 128);
constexpr COLORREF kInk = RGB(255, 0, 0);

// The first and last column of the top `rows` holding a pixel of neither
// colour (text is smoothed: its pixels are blends), or -1.
std::pair<int, int> InkColumns(const TCanvasBitmap& canvas, int rows, COLORREF a, COLORREF b) {
    int first = -1, last = -1;
    for (int x = 0; x < canvas.Width(); ++x)
        for (int y = 0; y < rows; ++y)
            if (canvas.At(x, y) != a && canvas.At(x, y) != b) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

TGroupBoxLook BoxLook(bool right) {
    TGroupBoxLook look;
    look.Caption = L"外观";
    look.Font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    look.TextColour = kInk;
    look.Face = kFace;
    look.Shadow = kShadow;
    look.RightAligned = right;
    return look;
}

} // namespace

TEST(GroupBoxPaint, CaptionStartsEightPixelsInOrEndsEightBeforeTheRightEdge) {
    struct TRow {
        bool Right;
        int FirstAtLeast, FirstAtMost, LastAtLeast, LastAtMost;
    } rows[] = {
        {false, 8, 10, 12, 120},   // from the left: the first ink 8 pixels in
        {true, 80, 190, 186, 191}, // WS_EX_RIGHT: the last ink before right - 8
    };
    for (const TRow& row : rows) {
        TCanvasBitmap canvas(200, 80);
        PaintGroupBox(canvas.DC(), canvas.Rect(), BoxLook(row.Right));
        const auto [first, last] = InkColumns(canvas, 5, kFace, kShadow);
        EXPECT_GE(first, row.FirstAtLeast) << row.Right;
        EXPECT_LE(first, row.FirstAtMost) << row.Right;
        EXPECT_GE(last, row.LastAtLeast) << row.Right;
        EXPECT_LE(last, row.LastAtMost) << row.Right;
    }
}

TEST(GroupBoxPaint, OutlineInTheShadowColourOnTheFace) {
    TCanvasBitmap canvas(200, 80);
    PaintGroupBox(canvas.DC(), canvas.Rect(), BoxLook(false));
    EXPECT_EQ(canvas.At(1, 40), kShadow);   // left side of the outline
    EXPECT_EQ(canvas.At(198, 40), kShadow); // right side
    EXPECT_EQ(canvas.At(100, 78), kShadow); // bottom
    EXPECT_EQ(canvas.At(0, 40), kFace);     // outside it, the face
    EXPECT_EQ(canvas.At(100, 40), kFace);   // inside it too
    EXPECT_EQ(canvas.At(1, 78), kFace);     // the corner is rounded off
}

namespace {

TStatusBarLook BarLook(int edge, const TDataSkinObject* edges, bool grip,
                       const TDataSkinObject* images) {
    TStatusBarLook look;
    TStatusArea area;
    area.Rect = RECT{0, 0, 120, 22};
    area.Edge = edge;
    area.Text = L"";
    look.Areas.push_back(area);
    look.Face = kFace;
    look.TextColour = kInk;
    look.Edges = edges;
    look.Grip = images;
    look.ShowGrip = grip;
    return look;
}

} // namespace

TEST(StatusBarPaint, PlatformBevelsWithoutTheSkinsEdges) {
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    struct TRow {
        int Edge;
        COLORREF TopLeft, BottomRight;
    } rows[] = {{1, shadow, light}, {2, light, shadow}, {3, kFace, kFace}};
    for (const TRow& row : rows) {
        TCanvasBitmap canvas(200, 22);
        PaintStatusBar(canvas.DC(), canvas.Rect(), BarLook(row.Edge, nullptr, false, nullptr));
        EXPECT_EQ(canvas.At(0, 0), row.TopLeft) << row.Edge;
        EXPECT_EQ(canvas.At(119, 21), row.BottomRight) << row.Edge;
        EXPECT_EQ(canvas.At(150, 10), kFace) << row.Edge; // beyond the area
    }
}

class StatusBarSkinTest : public StoredMainFormTest {};

TEST_F(StatusBarSkinTest, EachBevelShowsItsFrameOfTheSkinsEdgesAndTheGripOnlyWhenAsked) {
    const TSkinModel& skin = data_->Skin();
    ASSERT_TRUE(skin.StatusBarEdges && !skin.StatusBarEdges->Bitmap.Empty());
    ASSERT_TRUE(skin.ExtraImages && !skin.ExtraImages->Bitmap.Empty());
    std::vector<COLORREF> seen;
    for (int edge = 1; edge <= 3; ++edge) {
        TCanvasBitmap canvas(200, 22);
        PaintStatusBar(canvas.DC(), canvas.Rect(),
                       BarLook(edge, skin.StatusBarEdges.get(), false, nullptr));
        seen.push_back(canvas.At(0, 11));
    }
    // Lowered and raised frames differ in their left edge.
    EXPECT_NE(seen[0], seen[1]);
    TCanvasBitmap without(200, 22), with(200, 22);
    PaintStatusBar(without.DC(), without.Rect(),
                   BarLook(3, nullptr, false, skin.ExtraImages.get()));
    PaintStatusBar(with.DC(), with.Rect(), BarLook(3, nullptr, true, skin.ExtraImages.get()));
    int differing = 0;
    for (int y = 0; y < 22; ++y)
        for (int x = 180; x < 200; ++x)
            differing += with.At(x, y) != without.At(x, y);
    EXPECT_GT(differing, 4); // the grip's dots in the corner
    for (int y = 0; y < 22; ++y)
        EXPECT_EQ(without.At(195, y), kFace);
}

TEST_F(SkinFormTest, RepaintingAGroupBoxLeavesTheListInsideItAlone) {
    SkinOn();
    SelectSkin(1);
    auto* box = form_->Find<TGroupBox>(L"GroupBox1");
    auto* list = form_->Find<TListView>(L"LstThemes");
    ASSERT_TRUE(box && list);
    SetForegroundWindow(main_);
    RedrawWindow(main_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    const auto before = ClientPixels(list->Handle());
    RedrawWindow(box->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const auto after = ClientPixels(list->Handle());
    EXPECT_EQ(before, after);
    // The list is white where it has no rows; the box's face never shows there.
    const COLORREF face = ColorToRGB(static_cast<TColor>(data_->Skin().Colour(sciButtonFace)));
    EXPECT_EQ(std::count(after.begin(), after.end(), face), 0);
}

namespace {

// A form of the test's own with containers the main window lacks.
struct TContainerForm {
    explicit TContainerForm() : Form(std::make_unique<TForm>(nullptr)) {
        Form->SetBounds(40, 40, 420, 260);
        Panel = new TPanel(Form.get());
        Panel->SetParent(Form.get());
        Panel->SetBounds(10, 10, 150, 80);
        Panel->SetColor(0x0000FF);
        Simple = Bar(true);
        Simple->SetTop(120);
        Gripped = Bar(false);
        Gripped->SetTop(150);
        Plain = Bar(false);
        Plain->SetTop(180);
        Plain->SetSizeGrip(false);
        Form->Show();
    }
    TStatusBar* Bar(bool simple) {
        auto* bar = new TStatusBar(Form.get());
        bar->SetParent(Form.get());
        bar->SetBounds(0, 0, 300, 22);
        SendMessageW(bar->Handle(), WM_SIZE, 0, 0);
        if (simple) {
            bar->SetSimplePanel(true);
            return bar;
        }
        bar->Panels()->Add()->SetText(L"就绪");
        bar->Panels()->Add()->SetBevel(pbNone);
        return bar;
    }
    std::unique_ptr<TForm> Form;
    TPanel* Panel;
    TStatusBar* Simple;
    TStatusBar* Gripped;
    TStatusBar* Plain;
};

// The control painted by its skin into a memory DC of its window's size.
std::vector<COLORREF> SkinPainted(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    TMemoryDC dc(CreateCompatibleDC(nullptr));
    TBitmapHandle bitmap(CreateBitmap(w, h, 1, 32, nullptr));
    {
        TSelectObject keep(dc.Get(), bitmap.Get());
        SendMessageW(window, WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
    }
    return BitmapPixels(dc.Get(), bitmap.Get(), w, h);
}

} // namespace

TEST_F(SkinFormTest, PanelsAndStatusBarsOfAnotherForm) {
    TContainerForm extra;
    Pump();
    SkinOn();
    TWinSkinForm* skin = manager_->FindSkinForm(extra.Form->Handle());
    ASSERT_NE(skin, nullptr);
    const COLORREF face = ColorToRGB(static_cast<TColor>(data_->Skin().Colour(sciButtonFace)));
    EXPECT_EQ(ColorToRGB(extra.Panel->Color()), face);
    for (TStatusBar* bar : {extra.Simple, extra.Gripped, extra.Plain})
        ASSERT_NE(skin->SkinControlOf(bar), nullptr);

    // A simple bar with no text still shows its lowered edge.
    RECT r{};
    GetWindowRect(extra.Simple->Handle(), &r);
    const auto simple = SkinPainted(extra.Simple->Handle());
    EXPECT_NE(simple[static_cast<size_t>(r.bottom - r.top) / 2 * (r.right - r.left)], face);

    // The same bar with and without SBARS_SIZEGRIP differs in the corner only.
    const auto gripped = SkinPainted(extra.Gripped->Handle());
    const auto plain = SkinPainted(extra.Plain->Handle());
    ASSERT_EQ(gripped.size(), plain.size());
    const int width = r.right - r.left;
    int inCorner = 0, elsewhere = 0;
    for (size_t i = 0; i < plain.size(); ++i)
        if (gripped[i] != plain[i])
            (static_cast<int>(i) % width >= width - 20 ? inCorner : elsewhere)++;
    EXPECT_GT(inCorner, 4);
    EXPECT_EQ(elsewhere, 0);

    SkinOff();
    EXPECT_EQ(extra.Panel->Color(), 0x0000FF); // its own colour back
}

TEST_F(SkinFormTest, OwnerDrawnPanelsAreDrawnWhereTheBarPutsThemAfterTheSkin) {
    TContainerForm extra;
    TStatusBar* bar = extra.Gripped;
    std::vector<std::pair<TStatusPanel*, RECT>> drawn;
    bar->OnDrawPanel = [&](TStatusBar*, TStatusPanel* panel, HDC, const RECT& rect) {
        drawn.emplace_back(panel, rect);
    };
    Pump();
    SkinOn();
    drawn.clear();
    SkinPainted(bar->Handle());
    ASSERT_EQ(drawn.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        RECT given{};
        SendMessageW(bar->Handle(), SB_GETRECT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&given));
        InflateRect(&given, -2, -2);
        EXPECT_EQ(drawn[static_cast<size_t>(i)].first, bar->Panels()->Items(i));
        EXPECT_TRUE(EqualRect(&drawn[static_cast<size_t>(i)].second, &given)) << "panel " << i;
    }
}
