// Column headers drawn by the skin: where a column's content starts, each
// column in its frame with the hot one in the hot frame and the strip beyond
// the last column filled, hot tracking on a real list view's header, and the
// main window's theme list getting its header skinned.
#include "controls_fixture.h"

#include "core/skin_elements.h"
#include "engine/controls/header.h"
#include "engine/controls/list_view.h"
#include "toolkit/list_view.h"

#include <commctrl.h>

#include <memory>
#include <vector>

namespace {

constexpr COLORREF kNormal = RGB(200, 0, 0), kHot = RGB(0, 160, 0);

// A header bar of two plain frames: red for normal, green for hot.
struct TPlainBar : TDataSkinObject {
    TPlainBar() : TDataSkinObject("Headerbar") {
        Bitmap = TPixelBitmap(20, 10);
        Bitmap.FillRect(0, 0, 10, 10, MakeColour(200, 0, 0));
        Bitmap.FillRect(10, 0, 20, 10, MakeColour(0, 160, 0));
        FrameCount = 2;
    }
};

// The header's columns painted on a white canvas of `width` x 20.
std::unique_ptr<TCanvasBitmap> Painted(int width, std::vector<THeaderItemLook> items) {
    static const TPlainBar bar;
    THeaderLook look;
    look.Bar = &bar;
    look.Font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    look.TextColour = RGB(0, 0, 255);
    look.Items = std::move(items);
    auto canvas = std::make_unique<TCanvasBitmap>(width, 20, RGB(255, 255, 255));
    PaintHeader(canvas->DC(), canvas->Rect(), look);
    return canvas;
}

LPARAM At(int x, int y) {
    return MAKELPARAM(x, y);
}

} // namespace

TEST(HeaderLayout, ContentStartsLeftCentredOrEndsBeforeTheRightEdge) {
    struct TRow {
        int Format, ItemWidth, ImageWidth, TextWidth, Left;
    } rows[] = {
        {HDF_LEFT, 100, 0, 40, 3},    {HDF_LEFT, 100, 16, 40, 3},
        {HDF_CENTER, 100, 0, 40, 30}, {HDF_CENTER, 100, 16, 40, 22},
        {HDF_RIGHT, 100, 0, 40, 58},  {HDF_RIGHT, 100, 16, 40, 42},
        {HDF_RIGHT, 30, 0, 40, 1},    {HDF_CENTER, 30, 0, 40, 1},
        {HDF_RIGHT, 43, 0, 40, 1},    {HDF_RIGHT | HDF_STRING, 100, 0, 40, 58},
    };
    for (const TRow& r : rows)
        EXPECT_EQ(HeaderContentLeft(r.Format, r.ItemWidth, r.ImageWidth, r.TextWidth), r.Left)
            << "format " << r.Format << ", width " << r.ItemWidth << ", image " << r.ImageWidth;
}

TEST(HeaderPaint, ColumnsInTheirFramesAndTheStripBeyondInTheNormalOne) {
    const auto canvas = Painted(200, {{L"", RECT{0, 0, 60, 20}, HDF_LEFT, -1, false},
                                      {L"", RECT{60, 0, 120, 20}, HDF_LEFT, -1, true}});
    EXPECT_EQ(canvas->At(30, 10), kNormal);
    EXPECT_EQ(canvas->At(90, 10), kHot);
    EXPECT_EQ(canvas->At(160, 10), kNormal) << "the strip right of the last column";
    EXPECT_EQ(canvas->At(199, 19), kNormal);
}

TEST(HeaderPaint, ARightAlignedCaptionEndsTwoPixelsBeforeTheEdge) {
    const auto canvas = Painted(120, {{L"名称", RECT{0, 0, 120, 20}, HDF_RIGHT, -1, false}});
    int last = -1;
    for (int x = 0; x < 120; ++x)
        for (int y = 0; y < 20; ++y)
            if (canvas->At(x, y) != kNormal) last = x;
    EXPECT_GE(last, 108);
    EXPECT_LE(last, 117);
}

class HeaderSkinTest : public RawHostTest {};

TEST_F(HeaderSkinTest, TheColumnUnderThePointerIsHotUntilThePointerLeaves) {
    HWND list =
        Child(WC_LISTVIEWW, WS_CHILD | WS_VISIBLE | LVS_REPORT, L"", RECT{10, 10, 300, 200});
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 80;
        wchar_t text[] = L"列";
        column.pszText = text;
        ListView_InsertColumn(list, i, &column);
    }
    auto listSkin = std::make_unique<TSkinListView>();
    ASSERT_TRUE(listSkin->AttachWindow(*form_, *data_, list));
    form_->AdoptControl(std::move(listSkin));
    const HWND header = ListView_GetHeader(list);
    auto* skin = dynamic_cast<TSkinHeader*>(form_->SkinControlOf(header));
    ASSERT_NE(skin, nullptr) << "the list's header gets the header skin";
    RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    struct TStep {
        const char* What;
        UINT Msg;
        LPARAM At;
        int Hot;
    } steps[] = {
        {"over the first column", WM_MOUSEMOVE, At(40, 5), 0},
        {"on the divider", WM_MOUSEMOVE, At(80, 5), 0},
        {"over the second column", WM_MOUSEMOVE, At(120, 5), 1},
        {"right of the last column", WM_MOUSEMOVE, At(250, 5), 1},
        {"gone", WM_MOUSELEAVE, 0, -1},
    };
    for (const TStep& s : steps) {
        SendMessageW(header, s.Msg, 0, s.At);
        EXPECT_EQ(skin->HotItem(), s.Hot) << s.What;
    }
}

TEST_F(SkinFormTest, TheThemeListsHeaderIsSkinned) {
    SkinOn();
    SelectSkin(1);
    TWinSkinForm* skin = manager_->FindSkinForm(main_);
    ASSERT_NE(skin, nullptr);
    auto* list = form_->Find<TListView>(L"LstThemes");
    ASSERT_NE(list, nullptr);
    const HWND header = ListView_GetHeader(list->Handle());
    ASSERT_NE(header, nullptr);
    TSkinControl* headerSkin = skin->SkinControlOf(header);
    ASSERT_NE(headerSkin, nullptr);
    EXPECT_EQ(headerSkin->ClassName(), L"TSkinHeader");
}
