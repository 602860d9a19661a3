// Edit boxes: the skin's border over a bordered edit's edge and none on an
// edit without one, the device context handed in left as it came, and an
// up-down inside the edit skinned as one.
#include "controls_fixture.h"

#include "engine/controls/edit.h"
#include "engine/controls/up_down.h"
#include "engine/engine_messages.h"
#include "engine/skin_data.h"
#include "toolkit/edit.h"

#include <commctrl.h>

#include <memory>

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);

} // namespace

TEST(EditPaint, AShadowLineWithTwoWhiteRingsInside) {
    TCanvasBitmap canvas(40, 20, RGB(9, 9, 9));
    const COLORREF shadow = RGB(100, 50, 0);
    PaintEditBorder(canvas.DC(), canvas.Rect(), shadow);
    EXPECT_EQ(canvas.At(0, 0), shadow);
    EXPECT_EQ(canvas.At(39, 10), shadow);
    EXPECT_EQ(canvas.At(1, 1), kPaper);
    EXPECT_EQ(canvas.At(2, 10), kPaper);
    EXPECT_EQ(canvas.At(3, 10), RGB(9, 9, 9));
}

class EditSkinTest : public RawHostTest {
protected:
    HWND SkinnedEdit(DWORD style, DWORD exStyle) {
        const HWND edit =
            CreateWindowExW(exStyle, L"EDIT", L"文字", WS_CHILD | WS_VISIBLE | style, 10, 10, 120,
                            24, host_->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        auto skin = std::make_unique<TSkinEdit>();
        EXPECT_TRUE(skin->AttachWindow(*form_, *data_, edit));
        form_->AdoptControl(std::move(skin));
        RedrawWindow(edit, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        return edit;
    }
    COLORREF Shadow() const {
        return ColorToRGB(static_cast<TColor>(data_->Skin().Colour(sciButtonShadow)));
    }
};

TEST_F(EditSkinTest, BorderedEditsGetTheSkinsBorderOthersNone) {
    struct TRow {
        const char* What;
        DWORD Style, ExStyle;
        bool Border;
    } rows[] = {
        {"sunken edge", 0, WS_EX_CLIENTEDGE, true},
        {"plain line (drawn in the client area by the edit)", WS_BORDER, 0, false},
        {"no border", 0, 0, false},
    };
    for (const TRow& r : rows) {
        const HWND edit = SkinnedEdit(r.Style, r.ExStyle);
        const std::vector<COLORREF> pixels = WindowPixels(edit);
        if (r.Border) {
            EXPECT_EQ(pixels[0], Shadow()) << r.What;
            EXPECT_EQ(pixels[1 * 120 + 1], kPaper) << r.What;
            EXPECT_EQ(pixels[12 * 120 + 119], Shadow()) << r.What;
        } else {
            EXPECT_NE(pixels[0], Shadow()) << r.What;
        }
        DestroyWindow(edit);
    }
}

TEST_F(SkinFormTest, TheMainWindowsSearchBoxGetsTheSkinsBorder) {
    SkinOn();
    SelectSkin(1);
    TWinSkinForm* skin = manager_->FindSkinForm(main_);
    ASSERT_NE(skin, nullptr);
    auto* search = form_->Find<TEdit>(L"TxtSearchName");
    ASSERT_NE(search, nullptr);
    ASSERT_NE(dynamic_cast<TSkinEdit*>(skin->SkinControlOf(search->Handle())), nullptr);
    RedrawWindow(search->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    const std::vector<COLORREF> pixels = WindowPixels(search->Handle());
    const COLORREF shadow = ColorToRGB(static_cast<TColor>(data_->Skin().Colour(sciButtonShadow)));
    EXPECT_EQ(pixels[0], shadow);
    EXPECT_EQ(pixels[search->Width() + 1], kPaper);
}

// A DC handed in belongs to the caller: whatever the paint clips, the
// caller's clipping is as it was afterwards.
TEST_F(EditSkinTest, ADeviceContextHandedInKeepsItsClipping) {
    const HWND edit = SkinnedEdit(0, WS_EX_CLIENTEDGE);
    struct TRow {
        const char* What;
        UINT Msg;
        LPARAM LParam;
    } rows[] = {
        {"a paint into a given DC", WM_PAINT, 0},
        {"printing the client", WM_PRINTCLIENT, PRF_CLIENT},
        {"the engine's content paint", SKINMSG_PAINTCONTENT, kSkinMagic},
    };
    for (const TRow& r : rows) {
        TCanvasBitmap canvas(200, 60);
        HRGN clip = CreateRectRgn(5, 5, 150, 50);
        SelectClipRgn(canvas.DC(), clip);
        DeleteObject(clip);
        RECT before{}, after{};
        GetClipBox(canvas.DC(), &before);
        SendMessageW(edit, r.Msg, reinterpret_cast<WPARAM>(canvas.DC()), r.LParam);
        GetClipBox(canvas.DC(), &after);
        EXPECT_TRUE(EqualRect(&before, &after)) << r.What << ": " << after.left << "," << after.top
                                                << "," << after.right << "," << after.bottom;
    }
    EXPECT_EQ(SendMessageW(edit, SKINMSG_PAINTCONTENT, 0, kSkinMagic), 0)
        << "no DC, nothing to paint";
}

TEST_F(EditSkinTest, AnUpDownInsideTheEditIsSkinnedAsOne) {
    const HWND edit =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"5", WS_CHILD | WS_VISIBLE, 10, 10, 120, 24,
                        host_->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    const HWND updown = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, 100, 0, 16,
                                        20, edit, nullptr, GetModuleHandleW(nullptr), nullptr);
    auto skin = std::make_unique<TSkinEdit>();
    TSkinEdit* editSkin = skin.get();
    ASSERT_TRUE(skin->AttachWindow(*form_, *data_, edit));
    form_->AdoptControl(std::move(skin));
    RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(editSkin->UpDown(), updown);
    auto* upDownSkin = dynamic_cast<TSkinUpDown*>(form_->SkinControlOf(updown));
    ASSERT_NE(upDownSkin, nullptr);
    EXPECT_TRUE(upDownSkin->InEdit());
    // White around the buttons where they keep off the edit's border.
    RedrawWindow(updown, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const std::vector<COLORREF> pixels = ClientPixels(updown);
    EXPECT_EQ(pixels[0 * 16 + 8], kPaper) << "the top row, 2 pixels below the edit's edge";
    EXPECT_NE(pixels[5 * 16 + 8], kPaper) << "the buttons";
}
