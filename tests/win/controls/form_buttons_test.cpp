// The buttons of a real skinned form: the main window's buttons skinned by
// their family and clicked by the skin from the mouse and every keyboard
// path, focus rectangles only while the keyboard cues are shown, and a windowless
// speed button painted by its parent, hooked and let go with its control.
#include "controls_fixture.h"

#include "engine/controls/speed_button.h"
#include "engine/skin_data.h"
#include "toolkit/button.h"
#include "toolkit/form.h"
#include "toolkit/group_box.h"
#include "toolkit/list_view.h"
#include "toolkit/speed_button.h"

#include <windowsx.h>

#include <algorithm>

namespace {

LPARAM At(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                      static_cast<WORD>(static_cast<short>(y)));
}

MSG Key(HWND to, UINT msg, WPARAM key) {
    MSG m{};
    m.hwnd = to;
    m.message = msg;
    m.wParam = key;
    return m;
}

} // namespace

class FormButtonsTest : public SkinFormTest {
protected:
    void SetUp() override {
        SkinFormTest::SetUp();
        if (HasFatalFailure()) return;
        SkinOn();
        SelectSkin(1);
        skin_ = manager_->FindSkinForm(main_);
        ASSERT_NE(skin_, nullptr);
    }
    TWinSkinForm* skin_ = nullptr;
};

TEST_F(FormButtonsTest, EachButtonOfTheMainWindowHasItsFamily) {
    const std::pair<const wchar_t*, const wchar_t*> rows[] = {
        {L"BtnAllSelection", L"TSkinButton"}, {L"BtnReverseSelection", L"TSkinButton"},
        {L"BtnSearch", L"TSkinBitButton"},    {L"BitBtn1", L"TSkinBitButton"},
        {L"BtnPaperPath", L"TSkinBitButton"}, {L"BtnThemesPath", L"TSkinBitButton"},
    };
    for (const auto& [name, family] : rows) {
        auto* button = form_->Find<TButton>(name);
        ASSERT_NE(button, nullptr);
        TSkinControl* skin = skin_->SkinControlOf(button);
        ASSERT_NE(skin, nullptr);
        EXPECT_EQ(skin->ClassName(), family);
    }
}

TEST_F(FormButtonsTest, TheMouseSpaceEnterAndTheAcceleratorEachClickOnce) {
    auto* all = form_->Find<TButton>(L"BtnAllSelection");
    auto* reverse = form_->Find<TButton>(L"BtnReverseSelection");
    auto* list = form_->Find<TListView>(L"LstThemes");
    ASSERT_TRUE(all && reverse && list);
    int allClicks = 0, reverseClicks = 0;
    all->OnClick = [&](TObject*) { ++allClicks; };
    reverse->OnClick = [&](TObject*) { ++reverseClicks; };
    const HWND a = all->Handle();

    SendMessageW(a, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageW(a, WM_LBUTTONUP, 0, At(6, 5));
    EXPECT_EQ(allClicks, 1) << "mouse";
    EXPECT_EQ(GetFocus(), a) << "a press focuses the button";
    SendMessageW(a, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(a, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(allClicks, 2) << "space";
    EXPECT_TRUE(form_->DialogKey(Key(a, WM_KEYDOWN, VK_RETURN)));
    EXPECT_EQ(allClicks, 3) << "Enter on the focused button";
    EXPECT_TRUE(form_->DialogKey(Key(main_, WM_SYSCHAR, L'a')));
    EXPECT_EQ(allClicks, 4) << "Alt+A";

    // Enter elsewhere presses the default button.
    reverse->SetDefault(true);
    SetFocus(list->Handle());
    EXPECT_TRUE(form_->DialogKey(Key(list->Handle(), WM_KEYDOWN, VK_RETURN)));
    EXPECT_EQ(reverseClicks, 1);
    EXPECT_EQ(allClicks, 4);
    reverse->SetDefault(false);
    EXPECT_FALSE(form_->DialogKey(Key(list->Handle(), WM_KEYDOWN, VK_RETURN)));
}

namespace {

// Answers WM_QUERYUISTATE for a window as a desktop that hides focus cues
// would (Wine keeps no such state), and records WM_CHANGEUISTATE requests.
struct TUiState {
    LRESULT Answer = 0;
    std::vector<WPARAM> Changes;
    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
        auto* self = reinterpret_cast<TUiState*>(data);
        if (msg == WM_QUERYUISTATE) return self->Answer;
        if (msg == WM_CHANGEUISTATE) self->Changes.push_back(wp);
        return DefSubclassProc(w, msg, wp, lp);
    }
};

} // namespace

TEST_F(FormButtonsTest, TheFocusRectangleFollowsTheKeyboardCueState) {
    auto* all = form_->Find<TButton>(L"BtnAllSelection");
    const HWND a = all->Handle();
    TUiState button, form;
    button.Answer = UISF_HIDEFOCUS;
    ASSERT_TRUE(SetWindowSubclass(a, &TUiState::Proc, 1, reinterpret_cast<DWORD_PTR>(&button)));
    ASSERT_TRUE(SetWindowSubclass(main_, &TUiState::Proc, 1, reinterpret_cast<DWORD_PTR>(&form)));
    const auto shown = [&] {
        RedrawWindow(a, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return ClientPixels(a);
    };
    SetFocus(a);
    const auto hidden = shown();
    button.Answer = 0;
    EXPECT_NE(shown(), hidden) << "with cues shown the focused button shows its focus";

    // Tab is keyboard use: the form is asked to show focus cues from now on.
    EXPECT_TRUE(form_->DialogKey(Key(a, WM_KEYDOWN, VK_TAB)));
    ASSERT_EQ(form.Changes.size(), 1u);
    EXPECT_EQ(form.Changes[0], MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS));
    RemoveWindowSubclass(a, &TUiState::Proc, 1);
    RemoveWindowSubclass(main_, &TUiState::Proc, 1);
}

namespace {

// Another library's picture button as the stored class map names it: its
// picture sits in a "PngImage" property instead of a glyph strip.
class TPngBitBtn : public TButton {
    VELMORA_CLASS()
public:
    using TButton::TButton;
    TBitmap* PngImage() { return &picture_; }

private:
    TBitmap picture_;
};

const TClassInfo& TPngBitBtn::StaticClass() {
    static const TClassInfo info(
        L"TPngBitBtn", &TButton::StaticClass(),
        [](TClassInfo& c) { c.Obj<TPngBitBtn, TBitmap>(L"PngImage", &TPngBitBtn::PngImage); },
        [](TComponent* o) { return new TPngBitBtn(o); });
    return info;
}

int CountColour(const std::vector<COLORREF>& pixels, COLORREF colour) {
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
}

} // namespace

TEST_F(SkinFormTest, APictureButtonShowsItsPictureUngreyedAndNoDefaultFrame) {
    TForm extra(nullptr);
    extra.SetBounds(60, 60, 300, 160);
    auto* button = new TPngBitBtn(&extra);
    button->SetParent(&extra);
    button->SetBounds(10, 10, 120, 34);
    button->SetCaption(L"图片");
    button->SetDefault(true);
    // A red picture whose bottom-left white is see-through.
    TBitmap* picture = button->PngImage();
    picture->SetSize(12, 12);
    const RECT all{0, 0, 12, 12};
    picture->Canvas().FillRect(all, RGB(255, 0, 0));
    SetPixel(picture->DC(), 0, 11, RGB(255, 255, 255));
    extra.Show();
    Pump();
    SkinOn();
    SelectSkin(1);
    TWinSkinForm* skin = manager_->FindSkinForm(extra.Handle());
    ASSERT_NE(skin, nullptr);
    TSkinControl* buttonSkin = skin->SkinControlOf(button);
    ASSERT_NE(buttonSkin, nullptr);
    EXPECT_EQ(buttonSkin->ClassName(), L"TSkinBitButton");
    SetFocus(extra.Handle());
    Pump();
    RECT client{};
    GetClientRect(button->Handle(), &client);
    const auto shown = ClientPixels(button->Handle());
    EXPECT_EQ(CountColour(shown, RGB(255, 0, 0)), 12 * 12 - 1) << "the whole picture, unscaled";
    EXPECT_EQ(ButtonProbe(shown, client.right, client),
              ButtonStripProbe(data_->Skin().Buttons, bfNormal))
        << "a picture button shows no default frame";
    button->SetEnabled(false);
    Pump();
    EXPECT_EQ(CountColour(ClientPixels(button->Handle()), RGB(255, 0, 0)), 12 * 12 - 1)
        << "disabled, the picture stays in colour";
    SkinOff();
}

// A form of the test's own: a panel holding a flat speed button, skinned
// by the mapping like any form.
class SpeedButtonSkinTest : public SkinFormTest {
protected:
    void SetUp() override {
        SkinFormTest::SetUp();
        if (HasFatalFailure()) return;
        extra_ = std::make_unique<TForm>(nullptr);
        extra_->SetBounds(60, 60, 300, 200);
        parent_ = new TPanel(extra_.get());
        parent_->SetParent(extra_.get());
        parent_->SetBounds(10, 10, 200, 100);
        speed_ = new TSpeedButton(extra_.get());
        speed_->SetParent(parent_);
        speed_->SetBounds(20, 20, 40, 30);
        speed_->SetFlat(true);
        extra_->Show();
        Pump();
        SkinOn();
        SelectSkin(1);
        skin_ = manager_->FindSkinForm(extra_->Handle());
        ASSERT_NE(skin_, nullptr);
        errors_ = CaughtErrors().Count;
    }
    void TearDown() override {
        extra_.reset();
        SkinFormTest::TearDown();
    }
    std::vector<COLORREF> Shown() {
        Pump();
        RECT client{};
        GetClientRect(parent_->Handle(), &client);
        return ButtonProbe(ClientPixels(parent_->Handle()), client.right, speed_->BoundsRect());
    }
    std::vector<COLORREF> Frame(int frame) const {
        return ButtonStripProbe(data_->Skin().Buttons, frame);
    }
    COLORREF Face() const {
        return ColorToRGB(static_cast<TColor>(data_->Skin().Colour(sciButtonFace)));
    }

    std::unique_ptr<TForm> extra_;
    TWinSkinForm* skin_ = nullptr;
    TPanel* parent_ = nullptr;
    TSpeedButton* speed_ = nullptr;
    int errors_ = 0;
};

TEST_F(SpeedButtonSkinTest, FlatAtRestHotWhenEnteredPressedWhenDown) {
    EXPECT_EQ(Shown(), (std::vector<COLORREF>{Face(), Face()})) << "flat, at rest";
    speed_->Perform(CM_MOUSEENTER);
    EXPECT_EQ(Shown(), Frame(bfHot)) << "under the pointer";
    speed_->Perform(CM_MOUSELEAVE);
    speed_->SetDown(true);
    EXPECT_EQ(Shown(), Frame(bfPressed)) << "latched down";
    RedrawWindow(parent_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(Shown(), Frame(bfPressed)) << "when its parent repaints";
    speed_->SetFlat(false);
    speed_->SetDown(false);
    EXPECT_EQ(Shown(), Frame(bfNormal)) << "not flat, at rest";
}

TEST_F(SpeedButtonSkinTest, HookedWhileSkinnedAndLetGoWithItsControl) {
    TSkinControl* skin = skin_->SkinControlOf(speed_);
    ASSERT_NE(skin, nullptr) << "the mapping skins speed buttons";
    skin->RestoreControl();
    EXPECT_EQ(speed_->WindowProc, MakeWndMethod<&TControl::WndProc>(static_cast<TControl*>(speed_)))
        << "restoring puts the speed button's own handler back";
    EXPECT_NE(Shown(), Frame(bfNormal));

    auto again = std::make_unique<TSkinSpeedButton>();
    TSkinSpeedButton* raw = again.get();
    ASSERT_TRUE(again->AttachGraphic(*skin_, *data_, *speed_));
    ASSERT_TRUE(skin_->AdoptControl(std::move(again)));
    delete speed_; // the control goes first: the skin lets go of it
    speed_ = nullptr;
    EXPECT_EQ(raw->AttachState(), TControlAttach::WindowGone);
    RedrawWindow(parent_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    skin_->PurgeGoneControls();
    EXPECT_EQ(CaughtErrors().Count, errors_);
}
