// Media players: the bar's picture (face, frames, glyphs) painted on a
// bitmap; the skinned bar over a real player (face fill, the click only on
// a release over the pressed button, following the player) and the player
// exactly as before once the skin goes.
#include "own_form_fixture.h"

#include "core/skin_model.h"
#include "engine/controls/media_player.h"
#include "toolkit/colours.h"
#include "toolkit/media_player.h"

#include <algorithm>
#include <vector>

namespace {

constexpr COLORREF kFace = RGB(10, 20, 30);
constexpr COLORREF kFrames[] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200)};
constexpr COLORREF kOlive = RGB(128, 128, 0);

// A button strip of three flat frames: normal red, pressed green, disabled blue.
struct TFlatButtons : TDataSkinButton {
    TFlatButtons() : TDataSkinButton("Buttons") {
        Bitmap = TPixelBitmap(12, 8);
        for (int f = 0; f < 3; ++f)
            Bitmap.FillRect(f * 4, 0, f * 4 + 4, 8, static_cast<TColour>(kFrames[f]));
        FrameCount = 3;
    }
};

constexpr int Bit(TMPBtnType b) {
    return 1 << b;
}

} // namespace

TEST(MediaBarPaint, WithoutVisibleButtonsOnlyTheFace) {
    const TFlatButtons buttons;
    const TMediaGlyphs glyphs;
    TCanvasBitmap canvas(120, 24);
    TMediaBarLook look;
    look.Width = 120;
    look.Height = 24;
    look.Enabled = kAllMediaButtons;
    look.Face = kFace;
    look.Buttons = &buttons;
    PaintMediaBar(canvas.DC(), look, glyphs);
    const std::vector<COLORREF> pixels = canvas.Pixels();
    EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](COLORREF p) { return p == kFace; }));
}

// Three visible buttons 30 pixels wide (the 2 left over stay face): each
// shows the frame of its state, its glyph centred, one pixel right and down
// while pressed, in the set its state names.
TEST(MediaBarPaint, EachButtonShowsItsFrameAndGlyph) {
    const TFlatButtons buttons;
    const TMediaGlyphs glyphs;
    struct TRow {
        int Pressed;
        int X, Y;
        COLORREF Expected;
        const char* What;
    } rows[] = {
        {-1, 1, 1, kFrames[0], "play's normal frame"},
        {btPlay, 1, 1, kFrames[1], "play's pressed frame"},
        {-1, 31, 1, kFrames[2], "stop is disabled"},
        {-1, 61, 1, kFrames[0], "eject's normal frame"},
        {-1, 91, 1, kFace, "the two pixels left over"},
        // The glyphs are 16 x 16, centred at (7, 4) in a 30 x 24 button.
        {-1, 7 + 5, 4 + 8, RGB(0, 150, 0), "play is coloured"},
        {btPlay, 7 + 5, 4 + 8, kFrames[1], "the glyph moved right"},
        {btPlay, 7 + 6, 4 + 9, RGB(0, 150, 0), "and down"},
        {-1, 30 + 7 + 7, 4 + 7, RGB(128, 128, 128), "stop's disabled glyph"},
        {-1, 60 + 7 + 7, 4 + 10, RGB(0, 0, 0), "eject's enabled glyph"},
        {-1, 60 + 7 + 0, 4 + 0, kFrames[0], "olive left undrawn"},
    };
    for (const TRow& row : rows) {
        TCanvasBitmap canvas(92, 24);
        TMediaBarLook look;
        look.Width = 92;
        look.Height = 24;
        look.Visible = Bit(btPlay) | Bit(btStop) | Bit(btEject);
        look.Enabled = Bit(btPlay) | Bit(btEject) | Bit(btPause);
        look.Coloured = Bit(btPlay) | Bit(btStop);
        look.Pressed = row.Pressed;
        look.Face = kFace;
        look.Buttons = &buttons;
        PaintMediaBar(canvas.DC(), look, glyphs);
        EXPECT_EQ(canvas.At(row.X, row.Y), row.Expected) << row.What;
        EXPECT_NE(canvas.At(row.X, row.Y), kOlive) << row.What;
    }
}

TEST(MediaBarPaint, TheFocusedButtonShowsAFocusRectangle) {
    const TFlatButtons buttons;
    const TMediaGlyphs glyphs;
    for (int focused : {-1, 1}) {
        TCanvasBitmap canvas(60, 24);
        TMediaBarLook look;
        look.Width = 60;
        look.Height = 24;
        look.Visible = Bit(btPlay) | Bit(btPause);
        look.Enabled = look.Visible;
        look.Focused = focused;
        look.Face = kFace;
        look.Buttons = &buttons;
        PaintMediaBar(canvas.DC(), look, glyphs);
        // The rectangle's top edge runs four pixels inside the button.
        int dotted = 0, dottedOnPlay = 0;
        for (int x = 4; x < 26; ++x) {
            dotted += canvas.At(30 + x, 4) != kFrames[0] ? 1 : 0;
            dottedOnPlay += canvas.At(x, 4) != kFrames[0] ? 1 : 0;
        }
        EXPECT_EQ(dotted > 0, focused == 1) << "focused " << focused;
        EXPECT_EQ(dottedOnPlay, 0) << "play never has the focus here";
    }
}

TEST(MediaBarPaint, SetsAreReadFromTheirText) {
    EXPECT_EQ(ButtonSetFromText(L"[btPlay,btStop,btEject]"),
              Bit(btPlay) | Bit(btStop) | Bit(btEject));
    EXPECT_EQ(ButtonSetFromText(L"[]"), 0);
    EXPECT_EQ(ButtonSetFromText(L""), 0);
    EXPECT_EQ(ButtonSetFromText(L"[btRecord,btBack]"), Bit(btRecord) | Bit(btBack));
}

namespace {

// A player that counts the releases it is handed: a player of another
// library may click at any release, so the bar must hand on only those over
// the pressed button.
class TCountingPlayer : public TMediaPlayer {
public:
    using TMediaPlayer::TMediaPlayer;
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_LBUTTONUP) ++Releases;
        TMediaPlayer::WndProc(m);
    }
    int Releases = 0;
};

class MediaPlayerSkinTest : public OwnFormTest {
protected:
    void SetUp() override {
        OwnFormTest::SetUp();
        if (HasFatalFailure()) return;
        player_ = Add<TCountingPlayer>(RECT{20, 20, 20 + 9 * 28, 50});
        player_->OnButtonClick = [this](TPersistent*, TMPBtnType b) { clicks_.push_back(b); };
    }
    HWND Bar() const { return OverlayAbove(player_->Handle(), L"VelmoraMediaBar"); }
    COLORREF Face() const {
        return ColorToRGB(static_cast<TColor>(data_->Skin().Colour(sciButtonFace)));
    }

    TCountingPlayer* player_ = nullptr;
    std::vector<TMPBtnType> clicks_;
};

LPARAM Across(int x) {
    return MAKELPARAM(x, 10);
}

} // namespace

TEST_F(MediaPlayerSkinTest, WithoutVisibleButtonsTheBarIsThePlainFace) {
    player_->SetVisibleButtons(0);
    ASSERT_NE(SkinOwn(), nullptr);
    ASSERT_NE(Bar(), nullptr);
    Settle(Bar());
    const std::vector<COLORREF> pixels = ClientPixels(Bar());
    ASSERT_FALSE(pixels.empty());
    const COLORREF face = Face();
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), face),
              static_cast<std::ptrdiff_t>(pixels.size()));
}

// A press on one button and a release on another clicks nothing; a press
// and a release on the same button clicks it once. The unskinned player
// keeps the same rule.
TEST_F(MediaPlayerSkinTest, AClickOnlyWhenReleasedOverThePressedButton) {
    struct TRow {
        bool Skinned;
        int DownX, UpX;
        std::vector<TMPBtnType> Clicks;
    } rows[] = {
        {true, 10, 10 + 28 * 2, {}},
        {true, 10 + 28, 12 + 28, {btPause}},
        {true, 10, 400, {}},
        {false, 10, 10 + 28 * 2, {}},
        {false, 10 + 28 * 2, 20 + 28 * 2, {btStop}},
    };
    for (const TRow& row : rows) {
        if (row.Skinned)
            SkinOwn();
        else
            SkinOff();
        const HWND target = row.Skinned ? Bar() : player_->Handle();
        ASSERT_NE(target, nullptr);
        clicks_.clear();
        player_->Releases = 0;
        SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, Across(row.DownX));
        SendMessageW(target, WM_LBUTTONUP, 0, Across(row.UpX));
        EXPECT_EQ(clicks_, row.Clicks) << "down at " << row.DownX << ", up at " << row.UpX
                                       << (row.Skinned ? " skinned" : " unskinned");
        if (row.Skinned) {
            EXPECT_EQ(player_->Releases, static_cast<int>(row.Clicks.size()))
                << "releases handed to the player, down at " << row.DownX;
        }
        EXPECT_NE(GetCapture(), target);
    }
}

// The keyboard walks the usable buttons (stopping at either end) and Space
// clicks the one it is on; the bar shows where it is.
TEST_F(MediaPlayerSkinTest, TheKeyboardReachesEveryUsableButton) {
    player_->SetEnabledButtons(Bit(btPlay) | Bit(btStop) | Bit(btEject));
    TWinSkinForm* form = SkinOwn();
    ASSERT_NE(form, nullptr);
    auto* skin = dynamic_cast<TSkinMP*>(form->SkinControlOf(player_->Handle()));
    ASSERT_TRUE(skin && skin->Player());
    SetFocus(player_->Handle());
    EXPECT_EQ(player_->FocusedButton(), btPlay) << "the first usable button takes the focus";
    struct TRow {
        WPARAM Key;
        int Focused;
        std::vector<TMPBtnType> Clicks;
    } rows[] = {
        {VK_RIGHT, btStop, {}}, {VK_RIGHT, btEject, {}},       {VK_RIGHT, btEject, {}},
        {VK_LEFT, btStop, {}},  {VK_SPACE, btStop, {btStop}},  {VK_LEFT, btPlay, {}},
        {VK_LEFT, btPlay, {}},  {VK_RETURN, btPlay, {btPlay}},
    };
    for (const TRow& row : rows) {
        clicks_.clear();
        SendMessageW(player_->Handle(), WM_KEYDOWN, row.Key, 0);
        EXPECT_EQ(player_->FocusedButton(), row.Focused) << "key " << row.Key;
        EXPECT_EQ(skin->Player()->CurrentLook().Focused, row.Focused) << "key " << row.Key;
        EXPECT_EQ(clicks_, row.Clicks) << "key " << row.Key;
    }
    SetFocus(own_->Handle());
    EXPECT_EQ(skin->Player()->CurrentLook().Focused, -1) << "no focus, no rectangle";
}

TEST_F(MediaPlayerSkinTest, ADisabledButtonNeverClicks) {
    player_->SetEnabledButtons(Bit(btPlay));
    ASSERT_NE(SkinOwn(), nullptr);
    SendMessageW(Bar(), WM_LBUTTONDOWN, MK_LBUTTON, Across(10 + 28));
    SendMessageW(Bar(), WM_LBUTTONUP, 0, Across(10 + 28));
    EXPECT_TRUE(clicks_.empty());
}

TEST_F(MediaPlayerSkinTest, TheBarFollowsThePlayersPlaceAndVisibility) {
    ASSERT_NE(SkinOwn(), nullptr);
    const HWND bar = Bar();
    ASSERT_NE(bar, nullptr);
    const auto same = [](const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; };
    EXPECT_TRUE(same(PlaceInParent(bar), PlaceInParent(player_->Handle())));
    player_->SetBounds(30, 60, 200, 40);
    Pump();
    EXPECT_TRUE(same(PlaceInParent(bar), RECT{30, 60, 230, 100}));
    player_->SetVisible(false);
    Pump();
    EXPECT_FALSE(IsWindowVisible(bar));
    player_->SetVisible(true);
    Pump();
    EXPECT_TRUE(IsWindowVisible(bar));
    EXPECT_EQ(Bar(), bar) << "still just above the player";
}

TEST_F(MediaPlayerSkinTest, UnskinningLeavesThePlayerExactlyAsItWas) {
    player_->HandleNeeded();
    const TControlsLook before = TControlsLook::Of(*own_);
    const LONG_PTR style = GetWindowLongPtrW(player_->Handle(), GWL_STYLE);
    ASSERT_NE(SkinOwn(), nullptr);
    ASSERT_NE(Bar(), nullptr);
    SkinOff();
    EXPECT_EQ(TControlsLook::Of(*own_), before);
    EXPECT_EQ(GetWindowLongPtrW(player_->Handle(), GWL_STYLE), style);
    EXPECT_EQ(Bar(), nullptr);
}
