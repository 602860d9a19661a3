// Mapping on real windows: every child of a raw platform dialog gets the
// skin its class and style call for, and the main window's controls each get
// exactly one skin object, however often mapping runs. A control whose
// window dies and is made again gets a fresh skin; the old one is freed.
#include "controls_fixture.h"

#include "engine/control_mapping.h"
#include "toolkit/form.h"
#include "toolkit/group_box.h"
#include "toolkit/status_bar.h"

#include <map>
#include <string>

namespace {

std::map<HWND, std::wstring> SkinClassesOf(const TWinSkinForm& skin) {
    std::map<HWND, std::wstring> classes;
    for (const auto& control : skin.SkinControls())
        classes[control->Handle()] = control->ClassName();
    return classes;
}

} // namespace

class RawDialogMappingTest : public RawDialogTest {};

TEST_F(RawDialogMappingTest, EachChildGetsTheKindItsClassAndStyleCallFor) {
    using K = TSkinKind;
    const std::pair<int, TSkinKind> rows[] = {
        {rdPush, K::Button},
        {rdDefPush, K::Button},
        {rdPushBox, K::Button},
        {rdSplit, K::None},
        {rdCommandLink, K::None},
        {rdCheck, K::CheckBox},
        {rdThreeState, K::CheckBox},
        {rdRadio, K::RadioButton},
        {rdGroup, K::None},
        {rdOwnerDraw, K::None},
        {rdBitmapButton, K::None},
        {rdDropDown, K::ComboBox},
        {rdSimpleCombo, K::None},
        {rdComboEx, K::ComboBox},
        {rdVertScroll, K::None},
        {rdSizeGrip, K::Sizer},
        {rdTree, K::None},
        {rdEdit, K::Edit},
        {rdTabs, K::Tab},
        {rdOwnerDrawTabs, K::None},
        {rdToolbar, K::BoxH},
        {rdStatic, K::None},
        {rdNested, K::BoxH},
    };
    for (const auto& [id, kind] : rows) {
        ASSERT_NE(Item(id), nullptr) << id;
        EXPECT_EQ(TControlMapper::ChoiceForWindow(Item(id), data_->SkinControls()).Kind, kind)
            << "item " << id;
    }
}

TEST_F(RawDialogMappingTest, TheFamiliesThatExistAreAttachedOnceEach) {
    const auto classes = SkinClassesOf(*skin_);
    EXPECT_EQ(classes.size(), skin_->SkinControls().size()); // one object per window
    EXPECT_EQ(classes.count(Item(rdSizeGrip)) ? classes.at(Item(rdSizeGrip)) : L"", L"TSkinSizer");
    EXPECT_EQ(classes.count(Item(rdToolbar)) ? classes.at(Item(rdToolbar)) : L"", L"TSkinBoxH");
    EXPECT_EQ(classes.count(Item(rdNested)) ? classes.at(Item(rdNested)) : L"", L"TSkinBoxH");
    EXPECT_EQ(classes.count(Item(rdGroup)), 0u);
    // Mapping again adds nothing.
    const size_t before = skin_->SkinControls().size();
    TControlMapper(*skin_, *data_).SkinChildWindows(dialog_);
    EXPECT_EQ(skin_->SkinControls().size(), before);
}

TEST_F(RawDialogMappingTest, AGripMadeAgainGetsASkinOfItsOwnAndTheDeadGripsSkinGoes) {
    const auto makeGrip = [&] {
        return CreateWindowExW(0, L"ScrollBar", L"", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 0, 0, 16,
                               16, dialog_, nullptr, GetModuleHandleW(nullptr), nullptr);
    };
    const HWND first = makeGrip();
    ASSERT_NE(skin_->SkinControlOf(first), nullptr); // skinned as it is created
    const size_t count = skin_->SkinControls().size();
    DestroyWindow(first);
    // The dead grip's skin claims no window, whichever gets its handle next.
    EXPECT_EQ(skin_->SkinControlOf(first), nullptr);
    const HWND second = makeGrip();
    const TSkinControl* again = skin_->SkinControlOf(second);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->AttachState(), TControlAttach::Attached);
    EXPECT_EQ(SendMessageW(second, SKINMSG_QUERY, 0, 0), 1);
    EXPECT_EQ(skin_->SkinControls().size(), count);
    for (const auto& control : skin_->SkinControls())
        EXPECT_NE(control->AttachState(), TControlAttach::WindowGone);
    DestroyWindow(second);
}

TEST_F(SkinFormTest, AControlWhoseWindowIsMadeAgainIsSkinnedAfreshWhenTheFormIsRemapped) {
    TForm other(nullptr);
    other.SetBounds(40, 40, 300, 120);
    auto* bar = new TStatusBar(&other);
    bar->SetParent(&other);
    bar->SetBounds(0, 60, 280, 22);
    other.Show();
    Pump();
    SkinOn();
    TWinSkinForm* skin = manager_->FindSkinForm(other.Handle());
    ASSERT_NE(skin, nullptr);
    ASSERT_NE(skin->SkinControlOf(bar), nullptr);
    const size_t count = skin->SkinControls().size();

    bar->DestroyHandle();
    bar->HandleNeeded();
    EXPECT_EQ(skin->SkinControlOf(bar), nullptr); // the old skin went with the old window
    TControlMapper(*skin, *data_).SkinFormControls(other);
    const TSkinControl* fresh = skin->SkinControlOf(bar);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->Handle(), bar->Handle());
    EXPECT_EQ(fresh->AttachState(), TControlAttach::Attached);
    EXPECT_EQ(skin->SkinControls().size(), count);
    for (const auto& control : skin->SkinControls())
        EXPECT_NE(control->AttachState(), TControlAttach::WindowGone);
    SkinOff();
}

TEST_F(RawDialogMappingTest, AFaceBrushAndColourForTheNestedDialogsText) {
    HWND nested = Item(rdNested);
    HWND label = GetWindow(nested, GW_CHILD);
    ASSERT_NE(label, nullptr);
    HDC dc = GetDC(label);
    const auto brush = SendMessageW(nested, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                    reinterpret_cast<LPARAM>(label));
    const COLORREF face = ColorToRGB(static_cast<TColor>(data_->Skin().Colour(sciButtonFace)));
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(skin_->FaceBrush()));
    EXPECT_EQ(GetBkColor(dc), face);
    ReleaseDC(label, dc);
}

TEST_F(SkinFormTest, TheMainWindowsGroupBoxesGetOneSkinEachHoweverOftenMappingRuns) {
    SkinOn();
    TWinSkinForm* skin = manager_->FindSkinForm(main_);
    ASSERT_NE(skin, nullptr);
    auto* box1 = form_->Find<TGroupBox>(L"GroupBox1");
    auto* box2 = form_->Find<TGroupBox>(L"GroupBox2");
    ASSERT_TRUE(box1 && box2);
    const auto expect = [&] {
        const auto classes = SkinClassesOf(*skin);
        ASSERT_EQ(classes.size(), skin->SkinControls().size());
        ASSERT_EQ(classes.count(box1->Handle()), 1u);
        ASSERT_EQ(classes.count(box2->Handle()), 1u);
        EXPECT_EQ(classes.at(box1->Handle()), L"TSkinGroupBox");
        EXPECT_EQ(classes.at(box2->Handle()), L"TSkinGroupBox");
    };
    expect();
    const size_t count = skin->SkinControls().size();
    TControlMapper(*skin, *data_).SkinFormControls(*form_);
    EXPECT_EQ(skin->SkinControls().size(), count);
    expect();
}
