// Check boxes and radio buttons of the toolkit on real BUTTON windows: read
// from a stored form, their state before and after the window exists, the
// user's clicks, radio buttons of one parent unchecking each other, and
// Alt+letter mnemonics.
#include "toolkit/check_box.h"
#include "toolkit/class_registry.h"
#include "toolkit/form.h"
#include "toolkit/form_reader.h"
#include "toolkit/group_box.h"

#include <gtest/gtest.h>

#include <windowsx.h>

#include <memory>

namespace {

class TToggleSampleForm : public TForm {
    VELMORA_CLASS()
public:
    using TForm::TForm;
    int Clicks = 0;
    std::any MethodAddress(const std::wstring& name) override {
        if (name == L"Toggled") return TNotifyEvent([this](TPersistent*) { ++Clicks; });
        return {};
    }
};

const TClassInfo& TToggleSampleForm::StaticClass() {
    static const TClassInfo info(L"TToggleSampleForm", &TForm::StaticClass());
    return info;
}

const char* kSample = "object Sample: TToggleSampleForm\n"
                      "  ClientWidth = 300\n"
                      "  ClientHeight = 200\n"
                      "  object Plain: TCheckBox\n"
                      "    Left = 8\n"
                      "    Top = 8\n"
                      "    Width = 120\n"
                      "    Height = 20\n"
                      "    Caption = '已选中(&C)'\n"
                      "    Checked = True\n"
                      "    OnClick = Toggled\n"
                      "  end\n"
                      "  object Grayed: TCheckBox\n"
                      "    Left = 8\n"
                      "    Top = 32\n"
                      "    Width = 120\n"
                      "    Height = 20\n"
                      "    AllowGrayed = True\n"
                      "    State = cbGrayed\n"
                      "  end\n"
                      "  object Left: TCheckBox\n"
                      "    Left = 8\n"
                      "    Top = 56\n"
                      "    Width = 120\n"
                      "    Height = 20\n"
                      "    Alignment = taLeftJustify\n"
                      "  end\n"
                      "  object First: TRadioButton\n"
                      "    Left = 150\n"
                      "    Top = 8\n"
                      "    Width = 120\n"
                      "    Height = 20\n"
                      "    Caption = '一(&1)'\n"
                      "    Checked = True\n"
                      "  end\n"
                      "  object Second: TRadioButton\n"
                      "    Left = 150\n"
                      "    Top = 32\n"
                      "    Width = 120\n"
                      "    Height = 20\n"
                      "    Caption = '二(&2)'\n"
                      "    Checked = True\n"
                      "    OnClick = Toggled\n"
                      "  end\n"
                      "  object Third: TRadioButton\n"
                      "    Left = 150\n"
                      "    Top = 56\n"
                      "    Width = 120\n"
                      "    Height = 20\n"
                      "    Caption = '三(&3)'\n"
                      "  end\n"
                      "end\n";

DWORD StyleOf(const TWinControl* control) {
    return static_cast<DWORD>(GetWindowLongPtrW(control->Handle(), GWL_STYLE));
}

// A click of the left button in the middle of the control, as the mouse
// sends it.
void ClickWithMouse(TWinControl* control) {
    const LPARAM at = MAKELPARAM(control->Width() / 2, control->Height() / 2);
    SendMessageW(control->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(control->Handle(), WM_LBUTTONUP, 0, at);
}

class ToggleControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterComponentClass(TToggleSampleForm::StaticClass());
        form_ = new TToggleSampleForm(&root_);
        ReadComponentText(*form_, kSample);
    }
    void TearDown() override { FreeForm(form_); }
    template <class T> T* Find(const wchar_t* name) {
        T* found = form_->Find<T>(name);
        EXPECT_NE(found, nullptr) << "no control of that name";
        return found;
    }

    TComponent root_{nullptr};
    TToggleSampleForm* form_ = nullptr;
};

} // namespace

TEST_F(ToggleControlsTest, StoredStateAndStylesReachTheWindows) {
    auto* plain = Find<TCheckBox>(L"Plain");
    auto* grayed = Find<TCheckBox>(L"Grayed");
    auto* left = Find<TCheckBox>(L"Left");
    auto* first = Find<TRadioButton>(L"First");
    auto* second = Find<TRadioButton>(L"Second");
    ASSERT_TRUE(plain && grayed && left && first && second);
    // Before the windows exist the controls hold the state themselves; the
    // later of two checked radio buttons wins.
    EXPECT_EQ(plain->State(), cbChecked);
    EXPECT_EQ(grayed->State(), cbGrayed);
    EXPECT_FALSE(first->Checked());
    EXPECT_TRUE(second->Checked());
    form_->Show();
    struct TRow {
        TCheckControl* Control;
        DWORD Type;
        bool LeftText;
        LRESULT Check;
    } rows[] = {
        {plain, BS_AUTOCHECKBOX, false, BST_CHECKED},
        {grayed, BS_AUTO3STATE, false, BST_INDETERMINATE},
        {left, BS_AUTOCHECKBOX, true, BST_UNCHECKED},
        {first, BS_RADIOBUTTON, false, BST_UNCHECKED},
        {second, BS_RADIOBUTTON, false, BST_CHECKED},
    };
    for (const TRow& row : rows) {
        const std::wstring name = row.Control->Name();
        ASSERT_TRUE(row.Control->HandleAllocated());
        EXPECT_EQ(StyleOf(row.Control) & BS_TYPEMASK, row.Type) << name.c_str();
        EXPECT_EQ((StyleOf(row.Control) & BS_LEFTTEXT) != 0, row.LeftText) << name.c_str();
        EXPECT_EQ(SendMessageW(row.Control->Handle(), BM_GETCHECK, 0, 0), row.Check)
            << name.c_str();
    }
    EXPECT_EQ(plain->Caption(), L"已选中(&C)");
    // Allowing grey later changes the window's type; turning the box around
    // changes its side.
    plain->SetAllowGrayed(true);
    EXPECT_EQ(StyleOf(plain) & BS_TYPEMASK, static_cast<DWORD>(BS_AUTO3STATE));
    left->SetAlignment(taRightJustify);
    EXPECT_EQ(StyleOf(left) & BS_LEFTTEXT, 0u);
}

TEST_F(ToggleControlsTest, ClicksCycleTheStateAndReportEachChange) {
    auto* plain = Find<TCheckBox>(L"Plain");
    auto* grayed = Find<TCheckBox>(L"Grayed");
    ASSERT_TRUE(plain && grayed);
    form_->Show();
    ClickWithMouse(plain);
    EXPECT_EQ(plain->State(), cbUnchecked);
    EXPECT_EQ(form_->Clicks, 1);
    ClickWithMouse(plain);
    EXPECT_TRUE(plain->Checked());
    EXPECT_EQ(form_->Clicks, 2);
    // Grey is one of the stops only with AllowGrayed.
    std::vector<int> seen;
    for (int i = 0; i < 3; ++i) {
        ClickWithMouse(grayed);
        seen.push_back(grayed->State());
    }
    EXPECT_EQ(seen, (std::vector<int>{cbUnchecked, cbChecked, cbGrayed}));
    // The program's own changes are no clicks.
    plain->SetChecked(false);
    EXPECT_EQ(form_->Clicks, 2);
}

TEST_F(ToggleControlsTest, RadioButtonsOfOneParentUncheckEachOther) {
    auto* first = Find<TRadioButton>(L"First");
    auto* second = Find<TRadioButton>(L"Second");
    auto* third = Find<TRadioButton>(L"Third");
    ASSERT_TRUE(first && second && third);
    // A radio button of another parent is left alone.
    auto* box = new TGroupBox(&root_);
    box->SetParent(form_);
    box->SetBounds(8, 100, 200, 60);
    auto* other = new TRadioButton(&root_);
    other->SetParent(box);
    other->SetBounds(8, 20, 120, 20);
    other->SetChecked(true);
    form_->Show();
    const auto checked = [&] {
        return std::vector<bool>{first->Checked(), second->Checked(), third->Checked(),
                                 other->Checked()};
    };
    ClickWithMouse(third);
    EXPECT_EQ(checked(), (std::vector<bool>{false, false, true, true}));
    first->SetChecked(true);
    EXPECT_EQ(checked(), (std::vector<bool>{true, false, false, true}));
    // A disabled one is unchecked too.
    first->SetEnabled(false);
    ClickWithMouse(second);
    EXPECT_EQ(checked(), (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(form_->Clicks, 1);
}

TEST_F(ToggleControlsTest, MnemonicsToggleACheckBoxAndCheckARadioButton) {
    auto* plain = Find<TCheckBox>(L"Plain");
    auto* first = Find<TRadioButton>(L"First");
    auto* second = Find<TRadioButton>(L"Second");
    ASSERT_TRUE(plain && first && second);
    form_->Show();
    const auto key = [&](wchar_t letter) {
        MSG msg{};
        msg.hwnd = form_->Handle();
        msg.message = WM_SYSCHAR;
        msg.wParam = letter;
        return form_->DialogKey(msg);
    };
    EXPECT_TRUE(key(L'c'));
    EXPECT_FALSE(plain->Checked());
    EXPECT_TRUE(plain->Focused());
    EXPECT_EQ(form_->Clicks, 1);
    EXPECT_TRUE(key(L'1'));
    EXPECT_TRUE(first->Checked());
    EXPECT_FALSE(second->Checked());
}
