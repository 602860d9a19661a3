// Date pickers: the arrow's picture (an arrow strip without a frame count
// drawn whole), where the arrow lies, and a real picker whose skinned arrow
// lights under the pointer and, clicked, opens the calendar with the focus
// left on the picker.
#include "controls_fixture.h"

#include "core/skin_elements.h"
#include "engine/controls/date_time.h"

#include <commctrl.h>

#include <memory>

namespace {

constexpr COLORREF kFace = RGB(30, 30, 30), kNormal = RGB(200, 0, 0), kHot = RGB(0, 0, 200);

// Four 4 x 4 frames: the first red, the fourth blue.
struct TArrowStrip : TDataSkinObject {
    explicit TArrowStrip(int frames) : TDataSkinObject("ComboxArrow") {
        Bitmap = TPixelBitmap(16, 4, static_cast<TColour>(RGB(0, 160, 0)));
        Bitmap.FillRect(0, 0, 4, 4, static_cast<TColour>(kNormal));
        Bitmap.FillRect(12, 0, 16, 4, static_cast<TColour>(kHot));
        FrameCount = frames;
    }
};

} // namespace

TEST(PickerArrowPaint, TheNormalOrHotFrameStretchedOverTheFace) {
    const TArrowStrip strip(4), uncounted(0);
    struct TRow {
        const char* What;
        const TDataSkinObject* Arrow;
        bool Hot;
        COLORREF Left, Right;
    } rows[] = {
        {"normal", &strip, false, kNormal, kNormal},
        {"hot", &strip, true, kHot, kHot},
        {"no frame count: the whole strip", &uncounted, false, kNormal, kHot},
        {"no arrow image: the face", nullptr, false, kFace, kFace},
    };
    for (const TRow& r : rows) {
        TCanvasBitmap canvas(16, 16, RGB(255, 255, 255));
        PaintPickerArrow(canvas.DC(), canvas.Rect(), TPickerArrowLook{r.Arrow, kFace, r.Hot});
        EXPECT_EQ(canvas.At(1, 8), r.Left) << r.What;
        EXPECT_EQ(canvas.At(14, 8), r.Right) << r.What;
    }
}

TEST(PickerArrowPlace, OverTheButtonOnItsSide) {
    struct TRow {
        bool Left;
        RECT Expected;
    } rows[] = {{false, {100, 0, 116, 20}}, {true, {2, 0, 18, 20}}};
    for (const TRow& r : rows) {
        const RECT at = PickerArrowRect(SIZE{120, 24}, 16, r.Left);
        EXPECT_TRUE(EqualRect(&at, &r.Expected)) << (r.Left ? "left" : "right");
    }
}

class DateTimeSkinTest : public RawHostTest {};

TEST_F(DateTimeSkinTest, TheArrowLightsAndOpensTheCalendarLeavingTheFocusOnThePicker) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    const HWND picker =
        CreateWindowExW(WS_EX_CLIENTEDGE, DATETIMEPICK_CLASSW, L"", WS_CHILD | WS_VISIBLE, 10, 10,
                        140, 24, host_->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    auto owned = std::make_unique<TSkinDateTime>();
    TSkinDateTime* skin = owned.get();
    ASSERT_TRUE(skin->AttachWindow(*form_, *data_, picker));
    form_->AdoptControl(std::move(owned));
    ASSERT_NE(skin->Arrow(), nullptr);
    const HWND arrow = skin->Arrow()->Handle();
    ASSERT_TRUE(IsWindow(arrow));
    EXPECT_EQ(GetParent(arrow), picker);
    RECT client{}, at{};
    GetClientRect(picker, &client);
    GetWindowRect(arrow, &at);
    MapWindowPoints(nullptr, picker, reinterpret_cast<POINT*>(&at), 2);
    EXPECT_EQ(at.right, client.right) << "over the picker's own button";

    SendMessageW(arrow, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    EXPECT_TRUE(skin->Arrow()->Hot());
    SendMessageW(arrow, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(skin->Arrow()->Hot());

    SetFocus(host_->Handle());
    SendMessageW(arrow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    Pump();
    SendMessageW(arrow, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    Pump();
    const HWND calendar = reinterpret_cast<HWND>(SendMessageW(picker, DTM_GETMONTHCAL, 0, 0));
    EXPECT_TRUE(calendar && IsWindowVisible(calendar)) << "the calendar did not open";
    EXPECT_EQ(GetFocus(), picker);
    SendMessageW(picker, WM_KEYDOWN, VK_ESCAPE, 0);
    Pump();
}
