// Track bars: the custom-draw answers, the channel and thumb drawn from the
// skin, the notifications that are not this bar's custom draw left alone,
// and a real bar drawn through its parent's notifications with the
// platform's ticks kept.
#include "controls_fixture.h"

#include "core/skin_elements.h"
#include "core/skin_model.h"
#include "engine/controls/track_bar.h"
#include "engine/engine_messages.h"
#include "engine/skin_data.h"
#include "toolkit/messages.h"

#include <commctrl.h>

#include <memory>

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255), kCap = RGB(0, 0, 200), kMiddle = RGB(0, 160, 0);

// A 9 x 5 channel image: 3-pixel blue caps, a green middle.
struct TChannel : TDataSkinObject {
    explicit TChannel(bool vertical) : TDataSkinObject("Track") {
        const int w = vertical ? 5 : 9, h = vertical ? 9 : 5;
        Bitmap = TPixelBitmap(w, h, static_cast<TColour>(kCap));
        if (vertical)
            Bitmap.FillRect(0, 3, 5, 6, static_cast<TColour>(kMiddle));
        else
            Bitmap.FillRect(3, 0, 6, 5, static_cast<TColour>(kMiddle));
        SetMargins({3, 3, 3, 3});
        FrameCount = 1;
    }
};

} // namespace

TEST(TrackBarCustomDraw, AnswersByStageAndItem) {
    struct TRow {
        DWORD Stage;
        DWORD_PTR Item;
        LRESULT Result;
        TTrackPart Draw;
    } rows[] = {
        {CDDS_PREPAINT, 0, CDRF_NOTIFYITEMDRAW, TTrackPart::None},
        {CDDS_PREPAINT, TBCD_THUMB, CDRF_NOTIFYITEMDRAW, TTrackPart::None},
        {CDDS_ITEMPREPAINT, TBCD_TICS, CDRF_DODEFAULT, TTrackPart::None},
        {CDDS_ITEMPREPAINT, TBCD_THUMB, CDRF_SKIPDEFAULT, TTrackPart::Thumb},
        {CDDS_ITEMPREPAINT, TBCD_CHANNEL, CDRF_SKIPDEFAULT, TTrackPart::Channel},
        {CDDS_ITEMPREPAINT, 7, CDRF_DODEFAULT, TTrackPart::None},
        {CDDS_POSTPAINT, 0, CDRF_DODEFAULT, TTrackPart::None},
        {CDDS_ITEMPOSTPAINT, TBCD_THUMB, CDRF_DODEFAULT, TTrackPart::None},
        {CDDS_PREERASE, 0, CDRF_DODEFAULT, TTrackPart::None},
    };
    for (const TRow& r : rows) {
        const TCustomDrawAnswer answer = TrackBarCustomDraw(r.Stage, r.Item);
        EXPECT_EQ(answer.Result, r.Result) << "stage " << r.Stage << ", item " << r.Item;
        EXPECT_EQ(answer.Draw, r.Draw) << "stage " << r.Stage << ", item " << r.Item;
    }
}

TEST(TrackBarPaint, TheChannelKeepsItsCapsAndBreadth) {
    const TChannel horizontal(false), vertical(true);
    {
        TCanvasBitmap canvas(100, 20, kPaper);
        TTrackLook look;
        look.Channel = &horizontal;
        PaintTrackChannel(canvas.DC(), RECT{10, 4, 90, 8}, look);
        EXPECT_EQ(canvas.At(10, 5), kCap);
        EXPECT_EQ(canvas.At(12, 5), kCap);
        EXPECT_EQ(canvas.At(50, 5), kMiddle) << "the middle stretched";
        EXPECT_EQ(canvas.At(89, 5), kCap);
        EXPECT_EQ(canvas.At(50, 8), kMiddle) << "its own five rows, past the channel";
        EXPECT_EQ(canvas.At(50, 9), kPaper);
        EXPECT_EQ(canvas.At(90, 5), kPaper);
    }
    {
        TCanvasBitmap canvas(20, 100, kPaper);
        TTrackLook look;
        look.Channel = &vertical;
        look.Vertical = true;
        PaintTrackChannel(canvas.DC(), RECT{2, 10, 17, 90}, look);
        EXPECT_EQ(canvas.At(7, 10), kCap) << "centred: (15 - 5) / 2 from the left";
        EXPECT_EQ(canvas.At(11, 50), kMiddle);
        EXPECT_EQ(canvas.At(6, 50), kPaper);
        EXPECT_EQ(canvas.At(12, 50), kPaper);
        EXPECT_EQ(canvas.At(9, 89), kCap);
    }
}

TEST(TrackBarPaint, WithoutAThumbImageAnOutlinedBox) {
    TCanvasBitmap canvas(30, 30, kPaper);
    TTrackLook look;
    look.Face = RGB(200, 200, 0);
    look.Shadow = RGB(90, 0, 90);
    PaintTrackThumb(canvas.DC(), RECT{5, 5, 15, 25}, look);
    EXPECT_EQ(canvas.At(5, 10), look.Shadow);
    EXPECT_EQ(canvas.At(10, 15), look.Face);
    EXPECT_EQ(canvas.At(15, 15), kPaper);
}

class TrackBarSkinTest : public RawHostTest {
protected:
    HWND SkinnedBar() {
        const HWND bar = Child(TRACKBAR_CLASSW, WS_CHILD | WS_VISIBLE | TBS_AUTOTICKS, L"",
                               RECT{10, 10, 210, 50});
        SendMessageW(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
        SendMessageW(bar, TBM_SETPOS, TRUE, 5);
        auto skin = std::make_unique<TSkinTrackBar>();
        EXPECT_TRUE(skin->AttachWindow(*form_, *data_, bar));
        form_->AdoptControl(std::move(skin));
        RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return bar;
    }
};

TEST_F(TrackBarSkinTest, ThumbAndChannelFromTheSkinTicksFromThePlatform) {
    const HWND bar = SkinnedBar();
    const TSkinModel& skin = data_->Skin();
    ASSERT_TRUE(skin.TrackbarThumbHorz && skin.Track);
    RECT thumb{}, channel{}, client{};
    SendMessageW(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    SendMessageW(bar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    GetClientRect(bar, &client);
    const std::vector<COLORREF> pixels = ClientPixels(bar);
    const auto at = [&](int x, int y) { return pixels[y * client.right + x]; };

    TCanvasBitmap expected(client.right, client.bottom, RGB(1, 2, 3));
    TTrackLook look;
    look.Channel = skin.Track.get();
    look.Thumb = skin.TrackbarThumbHorz.get();
    PaintTrackChannel(expected.DC(), channel, look);
    PaintTrackThumb(expected.DC(), thumb, look);
    const POINT thumbMiddle{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    EXPECT_EQ(at(thumbMiddle.x, thumbMiddle.y), expected.At(thumbMiddle.x, thumbMiddle.y));
    const int y = channel.top + (channel.bottom - channel.top) / 2;
    EXPECT_EQ(at(channel.left + 1, y), expected.At(channel.left + 1, y)) << "the channel's cap";
    EXPECT_EQ(at(channel.left + 20, y), expected.At(channel.left + 20, y));

    // The ticks: marks below the thumb, on the background of their row.
    int marks = 0;
    for (int row = thumb.bottom + 1; row < client.bottom; ++row)
        for (int x = 0; x < client.right; ++x)
            if (at(x, row) != at(0, row)) ++marks;
    EXPECT_GT(marks, 10) << "the platform's tick marks are gone";
}

TEST_F(TrackBarSkinTest, OnlyThisBarsCustomDrawIsAnswered) {
    const HWND bar = SkinnedBar();
    const HWND other = Child(WC_STATICW, WS_CHILD, L"", RECT{0, 0, 10, 10});
    NMCUSTOMDRAW draw{};
    draw.hdr.code = NM_CUSTOMDRAW;
    draw.dwDrawStage = CDDS_PREPAINT;
    const auto send = [&](HWND target, UINT msg, HWND from, LPARAM lParam) {
        draw.hdr.hwndFrom = from;
        return SendMessageW(target, msg, 0, lParam ? lParam : reinterpret_cast<LPARAM>(&draw));
    };
    struct TRow {
        const char* What;
        UINT Msg;
        HWND From;
        LPARAM LParam;
        LRESULT Result;
    } rows[] = {
        {"the bar's own, to the bar", WM_NOTIFY, bar, 0, CDRF_NOTIFYITEMDRAW},
        {"reflected back to the bar", CN_NOTIFY, bar, 0, CDRF_NOTIFYITEMDRAW},
        {"another window's", WM_NOTIFY, other, 0, 0},
        {"the engine's finished-skinning message", CN_NOTIFY, bar, kSkinMagic, 0},
    };
    for (const TRow& r : rows)
        EXPECT_EQ(send(bar, r.Msg, r.From, r.LParam), r.Result) << r.What;
    EXPECT_EQ(send(host_->Handle(), WM_NOTIFY, bar, 0), CDRF_NOTIFYITEMDRAW)
        << "the parent's notification";
}
