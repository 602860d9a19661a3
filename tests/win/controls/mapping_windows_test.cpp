// Mapping on real windows: every child of a raw platform dialog gets the
// skin its class and style call for, and the main window's controls each get
// exactly one skin object, however often mapping runs.
#include "controls_fixture.h"

#include "engine/control_mapping.h"
#include "toolkit/form.h"
#include "toolkit/group_box.h"

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
