// Check boxes and radio buttons drawn by the skin: the frame each strip
// shows for each state, where the state comes from, and pixels read back
// from real windows: toolkit controls (the skin paints everything) and the
// raw dialog's buttons (the platform paints, the skin draws the box over it),
// after paints and after the messages the platform paints outside WM_PAINT.
#include "own_form_fixture.h"

#include "engine/controls/check_box.h"
#include "toolkit/check_box.h"
#include "toolkit/form.h"
#include "toolkit/group_box.h"

#include <commctrl.h>

#include <memory>

namespace {

using S = TCheckState;
using K = TToggleKind;

} // namespace

TEST(ToggleFrames, EachStripSizeStateAndEnabling) {
    struct TRow {
        TToggleKind Kind;
        int Count;
        TCheckState State;
        bool Disabled;
        int Frame;
    } rows[] = {
        {K::CheckBox, 4, S::Unchecked, false, 1},
        {K::CheckBox, 4, S::Checked, false, 2},
        {K::CheckBox, 4, S::Unchecked, true, 3},
        {K::CheckBox, 4, S::Checked, true, 4},
        {K::CheckBox, 4, S::Indeterminate, false, 4},
        {K::CheckBox, 4, S::Indeterminate, true, 4},
        {K::CheckBox, 12, S::Unchecked, false, 1},
        {K::CheckBox, 12, S::Checked, false, 5},
        {K::CheckBox, 12, S::Unchecked, true, 4},
        {K::CheckBox, 12, S::Checked, true, 8},
        {K::CheckBox, 12, S::Indeterminate, false, 9},
        {K::CheckBox, 12, S::Indeterminate, true, 12},
        // Any count but 12 follows the 4-frame rules, never past its end.
        {K::CheckBox, 8, S::Checked, false, 2},
        {K::CheckBox, 2, S::Checked, true, 2},
        {K::CheckBox, 1, S::Indeterminate, true, 1},
        {K::RadioButton, 4, S::Unchecked, false, 1},
        {K::RadioButton, 4, S::Checked, false, 2},
        {K::RadioButton, 4, S::Unchecked, true, 3},
        {K::RadioButton, 4, S::Checked, true, 4},
        {K::RadioButton, 4, S::Indeterminate, false, 1},
        {K::RadioButton, 8, S::Unchecked, false, 1},
        {K::RadioButton, 8, S::Checked, false, 5},
        {K::RadioButton, 8, S::Unchecked, true, 4},
        {K::RadioButton, 8, S::Checked, true, 8},
        {K::RadioButton, 12, S::Checked, false, 2},
        {K::RadioButton, 3, S::Checked, true, 3},
    };
    for (const TRow& row : rows)
        EXPECT_EQ(ToggleFrame(row.Kind, row.State, row.Disabled, row.Count), row.Frame)
            << "kind " << static_cast<int>(row.Kind) << " count " << row.Count << " state "
            << static_cast<int>(row.State) << " disabled " << row.Disabled;
}

TEST(ToggleFrames, TheStateShownComesFromTheWindowAndThePublishedProperties) {
    struct TRow {
        const char* What;
        TToggleSources Sources;
        TCheckState State;
    } rows[] = {
        {"the window checked", {BST_CHECKED}, S::Checked},
        {"the window unchecked", {BST_UNCHECKED}, S::Unchecked},
        {"State says grey, the window unchecked", {BST_UNCHECKED, L"cbGrayed"}, S::Indeterminate},
        {"State unchecked over the window", {BST_CHECKED, L"cbUnchecked"}, S::Unchecked},
        {"State before Checked", {BST_UNCHECKED, L"cbChecked", L"False"}, S::Checked},
        {"Checked without State", {BST_UNCHECKED, L"", L"True"}, S::Checked},
        {"Checked false", {BST_CHECKED, L"", L"False"}, S::Unchecked},
        {"the data source's last state", {BST_CHECKED, L"cbChecked", L"", 1}, S::Unchecked},
        {"the data source's grey", {BST_UNCHECKED, L"", L"", 3}, S::Indeterminate},
        {"a binding object", {BST_CHECKED, L"", L"", 0, true}, S::Unchecked},
        {"the window's grey last",
         {BST_INDETERMINATE, L"cbUnchecked", L"", 1, true},
         S::Indeterminate},
    };
    for (const TRow& row : rows)
        EXPECT_EQ(ShownState(row.Sources), row.State) << row.What;
}

// BM_SETCHECK takes any number; the platform keeps 0 to 2 and so does the
// state a data-aware box remembers.
TEST(ToggleFrames, ASetCheckBeyondIndeterminateShowsIndeterminate) {
    struct TRow {
        WPARAM State;
        TCheckState Shown;
        int Frame12, Frame4;
    } rows[] = {
        {BST_UNCHECKED, S::Unchecked, 1, 1},
        {BST_CHECKED, S::Checked, 5, 2},
        {BST_INDETERMINATE, S::Indeterminate, 9, 4},
        {3, S::Indeterminate, 9, 4},
        {7, S::Indeterminate, 9, 4},
        {static_cast<WPARAM>(-1), S::Indeterminate, 9, 4},
    };
    for (const TRow& row : rows) {
        const TCheckState state = StateOfSetCheck(row.State);
        EXPECT_EQ(state, row.Shown) << row.State;
        EXPECT_EQ(ToggleFrame(K::CheckBox, state, false, 12), row.Frame12) << row.State;
        EXPECT_EQ(ToggleFrame(K::CheckBox, state, false, 4), row.Frame4) << row.State;
    }
}

namespace {

enum class TSide { Left, Right };

// Where a box of the skin's frame size sits in a control: vertically
// centred, at the left edge, or `gap` pixels from the right edge.
RECT BoxIn(const RECT& client, SIZE frame, TSide side, int gap) {
    const int top = (client.bottom - frame.cy) / 2;
    const int left = side == TSide::Left ? 0 : client.right - gap - frame.cx;
    return RECT{left, top, left + frame.cx, top + frame.cy};
}

// What a window shows on the screen now.
struct TShot {
    explicit TShot(HWND window) : Pixels(ClientPixels(window)) { GetClientRect(window, &Client); }
    COLORREF At(int x, int y) const {
        return Pixels[static_cast<size_t>(y) * static_cast<size_t>(Client.right) +
                      static_cast<size_t>(x)];
    }
    std::vector<COLORREF> Pixels;
    RECT Client{};
};

// A strip of the skin and its frame size.
struct TStrip {
    const TPixelBitmap& Bitmap;
    int Count;
    SIZE Frame() const { return SIZE{Bitmap.Width() / Count, Bitmap.Height()}; }

    // The frame (1-based) whose drawn pixels the box of the shot shows; 0
    // when none does.
    int ShownIn(const TShot& shot, const RECT& box) const {
        const SIZE size = Frame();
        for (int frame = 1; frame <= Count; ++frame)
            if (Matches(shot, box, (frame - 1) * size.cx)) return frame;
        return 0;
    }

private:
    bool Matches(const TShot& shot, const RECT& box, int frameLeft) const {
        const SIZE size = Frame();
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x) {
                const TColour colour = Bitmap.Pixel(frameLeft + x, y);
                if (colour == kKeyColour) continue;
                if (shot.At(box.left + x, box.top + y) != static_cast<COLORREF>(colour))
                    return false;
            }
        return true;
    }
};

// What a fixture with the skin data reads off the screen.
template <class TBase> class TToggleChecks : public TBase {
protected:
    TStrip Strip(TToggleKind kind) const {
        const TDataSkinButton& buttons = this->data_->Skin().Buttons;
        return kind == K::CheckBox ? TStrip{buttons.CheckBitmap, buttons.CheckFrameCount}
                                   : TStrip{buttons.RadioBitmap, buttons.RadioFrameCount};
    }
    // The frame the control's box shows on the screen now.
    int Shown(HWND window, TToggleKind kind, TSide side = TSide::Left, int gap = 0) const {
        const TStrip strip = Strip(kind);
        const TShot shot(window);
        return strip.ShownIn(shot, BoxIn(shot.Client, strip.Frame(), side, gap));
    }
    COLORREF Face() const {
        return ColorToRGB(static_cast<TColor>(this->data_->Skin().Colour(sciButtonFace)));
    }
};

// A toolkit form of the test's own, on screen where nothing covers it.
class ToggleSkinTest : public TToggleChecks<OwnFormTest> {
protected:
    template <class T> T* Add(const wchar_t* caption, int row, int column = 0) {
        auto* control = new T(own_.get());
        control->SetParent(own_.get());
        control->SetBounds(10 + 200 * column, 10 + 26 * row, 150, 20);
        control->SetCaption(caption);
        return control;
    }
};

} // namespace

TEST_F(ToggleSkinTest, ToolkitControlsShowTheFrameOfTheirStateOnTheFace) {
    struct TRow {
        TToggleKind Kind;
        int State;
        bool Enabled;
        int Frame;
        TCheckControl* Control = nullptr;
    } rows[] = {
        {K::CheckBox, cbUnchecked, true, 1}, {K::CheckBox, cbChecked, true, 5},
        {K::CheckBox, cbGrayed, true, 9},    {K::CheckBox, cbUnchecked, false, 4},
        {K::CheckBox, cbChecked, false, 8},  {K::CheckBox, cbGrayed, false, 12},
        {K::RadioButton, 0, true, 1},        {K::RadioButton, 1, true, 5},
        {K::RadioButton, 0, false, 4},       {K::RadioButton, 1, false, 8},
    };
    int index = 0;
    for (TRow& row : rows) {
        const int at = index++;
        if (row.Kind == K::CheckBox) {
            auto* box = Add<TCheckBox>(L"复选框(&X)", at % 6, at / 6);
            box->SetAllowGrayed(true);
            box->SetState(row.State);
            row.Control = box;
        } else {
            // Each in a panel of its own, so that checking one leaves the
            // others alone.
            auto* panel = new TPanel(own_.get());
            panel->SetParent(own_.get());
            panel->SetBounds(210, 10 + 26 * (at - 6), 200, 22);
            auto* radio = new TRadioButton(own_.get());
            radio->SetParent(panel);
            radio->SetBounds(1, 1, 150, 20);
            radio->SetCaption(L"单选(&R)");
            radio->SetChecked(row.State == 1);
            row.Control = radio;
        }
        row.Control->SetEnabled(row.Enabled);
    }
    TWinSkinForm* skin = SkinOwn();
    ASSERT_NE(skin, nullptr);
    for (const TRow& row : rows) {
        TSkinControl* control = skin->SkinControlOf(row.Control);
        ASSERT_NE(control, nullptr) << row.Frame;
        EXPECT_EQ(control->ClassName(),
                  row.Kind == K::CheckBox ? L"TSkinCheckBox" : L"TSkinRadioButton");
        EXPECT_EQ(control->Mode(), 1);
        EXPECT_EQ(Shown(row.Control->Handle(), row.Kind), row.Frame)
            << "kind " << static_cast<int>(row.Kind) << " state " << row.State;
        // The skin's face beyond the caption, and the caption drawn.
        const TShot shot(row.Control->Handle());
        EXPECT_EQ(shot.At(shot.Client.right - 2, 1), Face());
        int ink = 0;
        for (int x = 16; x < 80; ++x)
            ink += shot.At(x, shot.Client.bottom / 2) != Face();
        EXPECT_GT(ink, 2) << row.Frame;
    }
}

namespace {

// A data-aware check box, known by its DataField.
class TDataCheckBox : public TCheckBox {
    VELMORA_CLASS()
public:
    using TCheckBox::TCheckBox;
    std::wstring DataField() const { return field_; }
    void SetDataField(const std::wstring& v) { field_ = v; }

private:
    std::wstring field_;
};

const TClassInfo& TDataCheckBox::StaticClass() {
    static const TClassInfo info(L"TDataCheckBox", &TCheckBox::StaticClass(), [](TClassInfo& c) {
        c.Str<TDataCheckBox>(L"DataField", &TDataCheckBox::DataField, &TDataCheckBox::SetDataField);
    });
    return info;
}

} // namespace

// Its two-state window keeps at most "checked"; the box shows what the data
// source sent, clamped to the three states there are.
TEST_F(ToggleSkinTest, ADataAwareBoxShowsItsSourcesLastSetCheck) {
    auto* box = Add<TDataCheckBox>(L"数据", 0);
    ASSERT_NE(SkinOwn(), nullptr);
    const std::pair<WPARAM, int> rows[] = {
        {BST_CHECKED, 5}, {7, 9}, {BST_UNCHECKED, 1}, {static_cast<WPARAM>(-1), 9}};
    for (const auto& [state, frame] : rows) {
        SendMessageW(box->Handle(), BM_SETCHECK, state, 0);
        EXPECT_EQ(Shown(box->Handle(), K::CheckBox), frame) << state;
    }
}

TEST_F(ToggleSkinTest, ARightHandRadioKeepsAOnePixelGapAndACheckBoxNone) {
    auto* check = Add<TCheckBox>(L"文字在左", 0);
    auto* radio = Add<TRadioButton>(L"文字在左", 1);
    for (TCheckControl* control :
         {static_cast<TCheckControl*>(check), static_cast<TCheckControl*>(radio)}) {
        control->SetAlignment(taLeftJustify);
        control->SetChecked(true);
    }
    ASSERT_NE(SkinOwn(), nullptr);
    EXPECT_EQ(Shown(check->Handle(), K::CheckBox, TSide::Right, 0), 5);
    EXPECT_EQ(Shown(radio->Handle(), K::RadioButton, TSide::Right, 1), 5);
    // The gap shows the face down the radio button's whole height.
    const TShot shot(radio->Handle());
    for (int y = 0; y < shot.Client.bottom; ++y)
        EXPECT_EQ(shot.At(shot.Client.right - 1, y), Face()) << y;
    // The caption stands left of the box.
    int ink = 0;
    for (int x = 0; x < 60; ++x)
        ink += shot.At(x, shot.Client.bottom / 2) != Face();
    EXPECT_GT(ink, 2);
}

// A box tagged transparent shows what its parent paints (here an unskinned
// red panel) instead of the face.
TEST_F(ToggleSkinTest, ATransparentBoxShowsItsParentAroundTheBox) {
    auto* panel = new TPanel(own_.get());
    panel->SetParent(own_.get());
    panel->SetBounds(10, 10, 300, 80);
    panel->SetColor(0x0000FF);
    panel->SetTag(data_->DisableTag());
    TCheckBox* boxes[2];
    for (int i = 0; i < 2; ++i) {
        boxes[i] = new TCheckBox(own_.get());
        boxes[i]->SetParent(panel);
        boxes[i]->SetBounds(10, 10 + 30 * i, 150, 20);
        boxes[i]->SetChecked(true);
    }
    boxes[1]->SetTag(5555);
    ASSERT_NE(SkinOwn(), nullptr);
    const COLORREF red = RGB(255, 0, 0);
    for (int i = 0; i < 2; ++i) {
        const TShot shot(boxes[i]->Handle());
        EXPECT_EQ(shot.At(shot.Client.right - 2, 1), i == 0 ? Face() : red) << i;
        EXPECT_EQ(Shown(boxes[i]->Handle(), K::CheckBox), 5) << i;
    }
}

namespace {

// The pixels of the control outside its box that are not the face colour.
int MarksOutsideTheBox(const TShot& shot, const RECT& box, COLORREF face) {
    int marks = 0;
    for (int y = 0; y < shot.Client.bottom; ++y)
        for (int x = 0; x < shot.Client.right; ++x) {
            const POINT p{x, y};
            if (!PtInRect(&box, p) && shot.At(x, y) != face) ++marks;
        }
    return marks;
}

// The platform's answer that focus cues are hidden (as Windows gives it
// until the keyboard is used; Wine always shows them), and its notice of
// the change, for as long as it lives.
class TFocusCuesHidden {
public:
    explicit TFocusCuesHidden(HWND window) : window_(window), answer_(window, nullptr, &Answer) {
        SendMessageW(window_, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
    }
    ~TFocusCuesHidden() {
        answer_.Remove();
        SendMessageW(window_, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    }
    TFocusCuesHidden(const TFocusCuesHidden&) = delete;
    TFocusCuesHidden& operator=(const TFocusCuesHidden&) = delete;

private:
    static LRESULT Answer(void*, HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_QUERYUISTATE) return UISF_HIDEFOCUS;
        return DefSubclassProc(window, msg, wParam, lParam);
    }
    HWND window_;
    TWindowSubclass answer_;
};

} // namespace

TEST_F(ToggleSkinTest, AFocusRectangleOnlyAroundACaptionAndOnlyWhenCuesAreShown) {
    auto* empty = Add<TCheckBox>(L"", 0);
    auto* captioned = Add<TCheckBox>(L"焦点", 1);
    ASSERT_NE(SkinOwn(), nullptr);
    const TStrip strip = Strip(K::CheckBox);
    const auto outside = [&](TCheckBox* box) {
        const TShot shot(box->Handle());
        return MarksOutsideTheBox(shot, BoxIn(shot.Client, strip.Frame(), TSide::Left, 0), Face());
    };
    const int captionOnly = outside(captioned);
    ASSERT_GT(captionOnly, 0);

    // Each change below draws at once, without a WM_PAINT.
    empty->SetFocus();
    ASSERT_TRUE(empty->Focused());
    EXPECT_EQ(outside(empty), 0);

    captioned->SetFocus();
    EXPECT_GT(outside(captioned), captionOnly);
    {
        TFocusCuesHidden hidden(captioned->Handle());
        EXPECT_EQ(outside(captioned), captionOnly);
    }
    EXPECT_GT(outside(captioned), captionOnly);
    empty->SetFocus();
    EXPECT_EQ(outside(captioned), captionOnly);
}

namespace {

// A check box skin that counts its pictures.
class TCountingCheckBox : public TSkinCheckBox {
public:
    int Pictures = 0;

protected:
    void DrawSkin(HDC dc, const RECT& rect) override {
        ++Pictures;
        TSkinCheckBox::DrawSkin(dc, rect);
    }
};

void Click(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    const LPARAM at = MAKELPARAM(client.right / 2, client.bottom / 2);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(window, WM_LBUTTONUP, 0, at);
}

} // namespace

// The platform paints a clicked button straight away; the skin's frame must
// be what stays on the screen, drawn once per mouse message.
TEST_F(ToggleSkinTest, AClickTogglesAndDrawsTheNewFrameOncePerMouseMessage) {
    TWinSkinForm* skin = SkinOwn();
    ASSERT_NE(skin, nullptr);
    // Made after mapping, so that the counting skin is its only one.
    auto* box = Add<TCheckBox>(L"点击(&K)", 0);
    box->HandleNeeded();
    auto counting = std::make_unique<TCountingCheckBox>();
    ASSERT_TRUE(counting->AttachControl(*skin, *data_, *box, false));
    RedrawWindow(box->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    ASSERT_EQ(Shown(box->Handle(), K::CheckBox), 1);

    const int before = counting->Pictures;
    Click(box->Handle());
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(Shown(box->Handle(), K::CheckBox), 5);
    EXPECT_EQ(counting->Pictures - before, 2);
    // Drawing over the platform asks for no further paint.
    Pump();
    const int settled = counting->Pictures;
    Pump();
    EXPECT_EQ(counting->Pictures, settled);
    Click(box->Handle());
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(Shown(box->Handle(), K::CheckBox), 1);
    counting->RestoreControl();
}

namespace {

// The dialog in front, where nothing covers it.
class RawToggleTest : public TToggleChecks<RawDialogTest> {
protected:
    void SetUp() override {
        RawDialogTest::SetUp();
        if (HasFatalFailure()) return;
        SetWindowPos(main_, nullptr, -3000, -3000, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(dialog_, HWND_TOP, 500, 40, 0, 0, SWP_NOSIZE);
        SetForegroundWindow(dialog_);
        Pump();
    }
};

} // namespace

TEST_F(RawToggleTest, ThePlatformPaintsAndTheSkinsBoxGoesOverIt) {
    struct TRow {
        int Id;
        TToggleKind Kind;
        WPARAM Check;
        bool Enabled;
        int Frame;
    } rows[] = {
        {rdCheck, K::CheckBox, BST_UNCHECKED, true, 1},
        {rdCheck, K::CheckBox, BST_CHECKED, true, 5},
        {rdCheck, K::CheckBox, BST_CHECKED, false, 8},
        {rdThreeState, K::CheckBox, BST_INDETERMINATE, true, 9},
        {rdThreeState, K::CheckBox, BST_INDETERMINATE, false, 12},
        {rdThreeState, K::CheckBox, 7, true, 9}, // the platform keeps at most 2
        {rdRadio, K::RadioButton, BST_CHECKED, true, 5},
        {rdRadio, K::RadioButton, BST_UNCHECKED, false, 4},
    };
    for (const TRow& row : rows) {
        const HWND item = Item(row.Id);
        TSkinControl* control = skin_->SkinControlOf(item);
        ASSERT_NE(control, nullptr) << row.Id;
        EXPECT_EQ(control->Mode(), 0);
        // Each message paints at once, outside WM_PAINT; the box is redrawn
        // over it before the message returns.
        EnableWindow(item, row.Enabled);
        SendMessageW(item, BM_SETCHECK, row.Check, 0);
        EXPECT_EQ(Shown(item, row.Kind), row.Frame) << "item " << row.Id << " check " << row.Check;
        // A full paint ends the same.
        RedrawWindow(item, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        EXPECT_EQ(Shown(item, row.Kind), row.Frame) << "item " << row.Id << " repainted";
        EnableWindow(item, TRUE);
    }
    // A real click on the raw check box.
    const HWND check = Item(rdCheck);
    SendMessageW(check, BM_SETCHECK, BST_UNCHECKED, 0);
    Click(check);
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(Shown(check, K::CheckBox), 5);
}
