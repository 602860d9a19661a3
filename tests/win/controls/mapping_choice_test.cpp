// The decision tables of control mapping, row by row: raw dialog windows by
// class and style, toolkit controls by class, and the class map's kinds.
#include "engine/control_choice.h"
#include "engine/skin_data.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

constexpr int kAll = TSkinData::kAllControls;

int Without(int member) {
    return kAll & ~(1 << member);
}

struct TWindowRow {
    const wchar_t* Class;
    DWORD Style;
    int Set;
    TSkinKind Kind;
    TChildMapping Children;
};

// A row's line in the failure message.
std::string Describe(const wchar_t* cls, DWORD style) {
    char text[160];
    snprintf(text, sizeof text, "%ls style 0x%lx", cls, static_cast<unsigned long>(style));
    return text;
}

} // namespace

TEST(RawWindowMapping, EveryRowOfTheTable) {
    using K = TSkinKind;
    using C = TChildMapping;
    const TWindowRow rows[] = {
        // Buttons by their type: the whole BS_TYPEMASK nibble decides.
        {L"button", BS_PUSHBUTTON, kAll, K::Button, C::None},
        {L"button", BS_DEFPUSHBUTTON, kAll, K::Button, C::None},
        {L"button", BS_PUSHBUTTON, Without(xcButton), K::None, C::None},
        {L"button", BS_CHECKBOX, kAll, K::CheckBox, C::None},
        {L"button", BS_AUTOCHECKBOX, kAll, K::CheckBox, C::None},
        {L"button", BS_3STATE, kAll, K::CheckBox, C::None},
        {L"button", BS_AUTO3STATE, kAll, K::CheckBox, C::None},
        {L"button", BS_AUTOCHECKBOX, Without(xcCheckBox), K::None, C::None},
        {L"button", BS_RADIOBUTTON, kAll, K::RadioButton, C::None},
        {L"button", BS_AUTORADIOBUTTON, kAll, K::RadioButton, C::None},
        {L"button", BS_AUTORADIOBUTTON, Without(xcRadioButton), K::None, C::None},
        {L"button", BS_GROUPBOX, kAll, K::None, C::None},
        {L"button", BS_PUSHBUTTON | BS_BITMAP, kAll, K::None, C::None},
        {L"button", BS_OWNERDRAW, kAll, K::None, C::None},
        {L"button", BS_USERBUTTON, kAll, K::Button, C::None},
        // Push boxes are push buttons; split buttons and command links keep
        // the platform's look (never a check box, whatever their low bits).
        {L"button", BS_PUSHBOX, kAll, K::Button, C::None},
        {L"button", BS_SPLITBUTTON, kAll, K::None, C::None},
        {L"button", BS_DEFSPLITBUTTON, kAll, K::None, C::None},
        {L"button", BS_COMMANDLINK, kAll, K::None, C::None},
        {L"button", BS_DEFCOMMANDLINK, kAll, K::None, C::None},
        {L"combobox", CBS_DROPDOWN, kAll, K::ComboBox, C::None},
        {L"combobox", CBS_DROPDOWNLIST, kAll, K::ComboBox, C::None},
        {L"combobox", CBS_SIMPLE, kAll, K::None, C::None},
        {L"combobox", CBS_DROPDOWN, Without(xcCombo), K::None, C::None},
        {L"comboboxex32", 0, kAll, K::ComboBox, C::FirstChildWindow},
        // Only a real size box is a sizer; a plain vertical bar is not.
        {L"scrollbar", SBS_SIZEGRIP, kAll, K::Sizer, C::None},
        {L"scrollbar", SBS_SIZEBOX, kAll, K::Sizer, C::None},
        {L"scrollbar", SBS_VERT, kAll, K::None, C::None},
        {L"scrollbar", SBS_HORZ, kAll, K::None, C::None},
        {L"systreeview32", 0, kAll, K::None, C::None},
        {L"#32770", WS_CHILD, kAll, K::BoxH, C::ChildWindowsFirst},
        {L"#32770", WS_CHILD | WS_TABSTOP, kAll, K::None, C::None},
        {L"tpanel", 0, kAll, K::None, C::ChildWindowsFirst},
        {L"ttntpanel.unicodeclass", 0, kAll, K::None, C::ChildWindowsFirst},
        {L"tcheckbox", 0, kAll, K::CheckBox, C::None},
        {L"tcombobox", 0, kAll, K::ComboBox, C::None},
        {L"tbutton", 0, kAll, K::Button, C::None},
        {L"tprogressbar", 0, kAll, K::Progress, C::None},
        {L"systabcontrol32", 0, kAll, K::Tab, C::None},
        {L"systabcontrol32", TCS_OWNERDRAWFIXED, kAll, K::None, C::None},
        {L"systabcontrol32", 0, Without(xcTab), K::None, C::None},
        {L"toolbarwindow32", 0, kAll, K::BoxH, C::None},
        {L"edit", ES_AUTOHSCROLL, kAll, K::Edit, C::None},
        {L"edit", 0, Without(xcEdit), K::None, C::None},
        {L"static", 0, kAll, K::None, C::None},
    };
    for (const TWindowRow& row : rows) {
        const TSkinChoice c = ChooseForWindow(row.Class, row.Style, row.Set);
        EXPECT_EQ(c.Kind, row.Kind) << Describe(row.Class, row.Style);
        EXPECT_EQ(c.Children, row.Children) << Describe(row.Class, row.Style);
    }
    EXPECT_TRUE(ChooseForWindow(L"tpanel", 0, kAll).FaceColour);
    EXPECT_TRUE(ChooseForWindow(L"tsilentpaintpanel", 0, kAll).FaceColour);
    EXPECT_EQ(ChooseForWindow(L"comboboxex32", 0, kAll).Variant, TSkinVariant::ComboBoxEx);
}

namespace {

TControlFacts Facts(const wchar_t* upper) {
    TControlFacts f;
    f.UpperClass = upper;
    f.Windowed = true;
    return f;
}

template <class F> TControlFacts Facts(const wchar_t* upper, F set) {
    TControlFacts f = Facts(upper);
    set(f);
    return f;
}

struct TControlRow {
    TControlFacts Control;
    int Set;
    bool Tabs;
    TSkinKind Kind;
    bool KeepColour;
    TChildMapping Children;
};

} // namespace

TEST(ToolkitControlMapping, TheChainOfTests) {
    using K = TSkinKind;
    using C = TChildMapping;
    const auto groupBox = [](TControlFacts& f) { f.GroupBox = true; };
    const auto panel = [](TControlFacts& f) { f.Panel = true; };
    const auto bitBtn = [](TControlFacts& f) {
        f.BitButton = true;
        f.Button = true;
    };
    const auto listView = [](TControlFacts& f) {
        f.ListView = true;
        f.ScrollStyle = true;
    };
    const auto button = [](TControlFacts& f) { f.Button = true; };
    const auto edit = [](TControlFacts& f) { f.Edit = true; };
    const auto scrolls = [](TControlFacts& f) { f.ScrollStyle = true; };
    const auto embedded = [](TControlFacts& f) { f.EmbeddedForm = true; };
    const auto statusBar = [](TControlFacts& f) { f.StatusBar = true; };
    const auto checkBox = [](TControlFacts& f) { f.CheckBox = true; };
    const auto radio = [](TControlFacts& f) { f.RadioButton = true; };
    const auto sheet = [](TControlFacts& f) { f.TabSheet = true; };
    const auto combo = [](TControlFacts& f) { f.ComboBox = true; };
    const auto progress = [](TControlFacts& f) { f.ProgressBar = true; };
    const auto trackBar = [](TControlFacts& f) { f.TrackBar = true; };
    const auto picker = [](TControlFacts& f) { f.DateTimePicker = true; };
    const auto scrollBar = [](TControlFacts& f) { f.ScrollBar = true; };
    const auto numButtons = [](long long n) { return [n](TControlFacts& f) { f.NumButtons = n; }; };
    const TControlRow rows[] = {
        {Facts(L"TTABSET"), kAll, true, K::Tab31, false, C::None},
        {Facts(L"TTABSET"), kAll, false, K::None, false, C::None},
        {Facts(L"TTABBEDNOTEBOOK"), kAll, true, K::Tab, false, C::None},
        {Facts(L"TMVCPANEL"), kAll, true, K::None, false, C::ChildrenFirst},
        {Facts(L"TUPDOWN"), kAll, true, K::UpDown, false, C::None},
        {Facts(L"TSPINBUTTON"), Without(xcSpin), true, K::None, false, C::None},
        {Facts(L"TMEDIAPLAYER"), kAll, true, K::MediaPlayer, false, C::None},
        {Facts(L"TDBNAVIGATOR"), kAll, true, K::Box, true, C::ChildrenOrphaned},
        {Facts(L"TRZCHECKBOX"), kAll, true, K::ObjImage, true, C::None},
        {Facts(L"TRZDBRADIOBUTTON"), kAll, true, K::ObjImage, true, C::None},
        {Facts(L"TCXCHECKBOX"), kAll, true, K::ObjImage, true, C::None},
        {Facts(L"TGROUPBOX", groupBox), kAll, true, K::GroupBox, false, C::ChildrenFirst},
        {Facts(L"TGROUPBOX", groupBox), Without(xcPanel), true, K::None, false, C::None},
        {Facts(L"TTNTCOMBOBOX"), kAll, true, K::ComboBox, false, C::None},
        {Facts(L"TRICHEDIT"), kAll, true, K::Scrollbar, false, C::None},
        {Facts(L"TDXDBMEMO"), kAll, true, K::Scrollbar, false, C::None},
        // A bitmap button is decided by its own member alone, never as a
        // push button.
        {Facts(L"TBITBTN", bitBtn), kAll, true, K::BitButton, false, C::None},
        {Facts(L"TBITBTN", bitBtn), Without(xcBitBtn), true, K::None, false, C::None},
        {Facts(L"TPANEL", panel), kAll, true, K::Box, true, C::ChildrenFirst},
        {Facts(L"TDXDBGRID"), kAll, true, K::Scrollbar, false, C::None},
        {Facts(L"TLISTVIEW", listView), kAll, true, K::ListView, false, C::None},
        {Facts(L"TLISTVIEW", listView), Without(xcScrollbar), true, K::None, false, C::None},
        {Facts(L"TMEMO", scrolls), kAll, true, K::Scrollbar, false, C::None},
        {Facts(L"TBUTTON", button), kAll, true, K::Button, false, C::None},
        {Facts(L"TBUTTON", button), Without(xcButton), true, K::None, false, C::None},
        {Facts(L"TEDIT", edit), kAll, true, K::Edit, false, C::None},
        {Facts(L"TCHECKBOX", checkBox), kAll, true, K::CheckBox, false, C::None},
        {Facts(L"TCHECKBOX", checkBox), Without(xcCheckBox), true, K::None, false, C::None},
        {Facts(L"TRADIOBUTTON", radio), kAll, true, K::RadioButton, false, C::None},
        {Facts(L"TRADIOBUTTON", radio), Without(xcRadioButton), true, K::None, false, C::None},
        {Facts(L"TSTATUSBAR", statusBar), kAll, true, K::StatusBar, false, C::None},
        {Facts(L"TSTATUSBAR", statusBar), Without(xcStatusBar), true, K::None, false, C::None},
        {Facts(L"TTABSHEET", sheet), kAll, true, K::TabSheet, true, C::None},
        {Facts(L"TCOMBOBOX", combo), kAll, true, K::ComboBox, false, C::None},
        {Facts(L"TCOMBOBOX", combo), Without(xcCombo), true, K::None, false, C::None},
        {Facts(L"TPROGRESSBAR", progress), kAll, true, K::Progress, false, C::None},
        {Facts(L"TPROGRESSBAR", progress), Without(xcProgress), true, K::None, false, C::None},
        {Facts(L"TTRACKBAR", trackBar), kAll, true, K::TrackBar, false, C::None},
        {Facts(L"TTRACKBAR", trackBar), Without(xcTrackBar), true, K::None, false, C::None},
        {Facts(L"TDATETIMEPICKER", picker), kAll, true, K::DateTime, false, C::None},
        {Facts(L"TDATETIMEPICKER", picker), Without(xcCombo), true, K::None, false, C::None},
        {Facts(L"TSCROLLBAR", scrollBar), kAll, true, K::ScrollControl, false, C::None},
        {Facts(L"TSCROLLBAR", scrollBar), Without(xcScrollbar), true, K::None, false, C::None},
        {Facts(L"TFRMINNER", embedded), kAll, true, K::Box, true, C::ComponentsAfter},
        {Facts(L"TSOMETHINGELSE"), kAll, true, K::None, false, C::None},
        {Facts(L"TDCEDIT", numButtons(1)), kAll, true, K::ComboBox, false, C::None},
        {Facts(L"TDCDBEDIT", numButtons(0)), kAll, true, K::Edit, false, C::None},
        {Facts(L"TDCEDIT", numButtons(-1)), kAll, true, K::None, false, C::None},
        {Facts(L"TDCEDIT", numButtons(2)), kAll, true, K::None, false, C::None},
        // Never skinned, whatever else they are.
        {Facts(L"TDBCOMBOBOXEH", scrolls), kAll, true, K::None, false, C::None},
        {Facts(L"TFRPBOX", panel), kAll, true, K::None, false, C::None},
    };
    for (const TControlRow& row : rows) {
        const TSkinChoice c = ChooseForControl(row.Control, row.Set, row.Tabs);
        const std::string name(row.Control.UpperClass.begin(), row.Control.UpperClass.end());
        EXPECT_EQ(c.Kind, row.Kind) << name;
        EXPECT_EQ(c.KeepColour, row.KeepColour) << name;
        EXPECT_EQ(c.Children, row.Children) << name;
    }
    EXPECT_TRUE(ChooseForControl(Facts(L"TDCEDIT", numButtons(0)), kAll, true).AsRawWindow);
}

TEST(ClassMap, FirstLineNamingTheClassGivesTheKind) {
    const std::vector<std::wstring> map = {
        L"TFancyEdit=Edit",
        L"TFancy=Panel", // a prefix of the line above names another class
        L"tfancy=button",   L"TEmpty=", L"TLong=" + std::wstring(80, L'x'),
    };
    EXPECT_EQ(ClassMapKind(map, L"TFANCY"), L"panel");    // first line wins, lower case
    EXPECT_EQ(ClassMapKind(map, L"TFANCYEDIT"), L"edit"); // case-blind match
    EXPECT_EQ(ClassMapKind(map, L"TFAN"), L"");
    EXPECT_EQ(ClassMapKind(map, L"TEMPTY"), L"");
    EXPECT_EQ(ClassMapKind(map, L"TLONG").size(), 50u);
    EXPECT_EQ(ClassMapKind({}, L"TFANCY"), L"");
}

namespace {

struct TKindRow {
    const wchar_t* Kind;
    int Set;
    TSkinKind Expected;
    bool KeepColour;
};

} // namespace

TEST(ClassMap, EveryKindAndTheMemberItNeeds) {
    using K = TSkinKind;
    const TKindRow rows[] = {
        {L"nil", kAll, K::None, false},
        {L"combobox", kAll, K::ComboBox, false},
        {L"combobox", Without(xcCombo), K::None, false},
        {L"comboboxex", kAll, K::ComboBox, false},
        {L"edit", kAll, K::Edit, false},
        {L"radiobutton", kAll, K::RadioButton, false},
        {L"panel", kAll, K::Box, true},
        {L"panel", Without(xcPanel), K::None, false},
        {L"trackbar", kAll, K::TrackBar, false},
        {L"trackbar", Without(xcButton), K::None, false},
        {L"button", kAll, K::Button, false},
        {L"datetimepicker", kAll, K::DateTime, false},
        {L"mediaplayer", kAll, K::MediaPlayer, false},
        {L"bitbtn", kAll, K::BitButton, false},
        {L"pngbitbtn", kAll, K::BitButton, false},
        {L"pngspeedbutton", kAll, K::SpeedButton, false},
        {L"menubtn", kAll, K::MenuButton, false},
        {L"speedbutton", kAll, K::SpeedButton, false},
        {L"speedbutton", Without(xcSpeedButton), K::None, false},
        {L"tab", kAll, K::Tab, false},
        {L"progress", kAll, K::Progress, false},
        {L"scrollbar", kAll, K::Scrollbar, false},
        {L"singlescrollbar", kAll, K::Scrollbar, false},
        {L"embedscrollbar", kAll, K::None, false},
        {L"container", kAll, K::None, false},
        {L"groupbox", kAll, K::GroupBox, true},
        {L"groupbox", Without(xcGroupBox), K::None, false},
        {L"advpagecontrol", kAll, K::AdvPage, true},
        {L"radiogroup", kAll, K::GroupBox, true},
        {L"radiogroup", Without(xcGroupBox), K::None, false},
        {L"checkgroup", kAll, K::GroupBox, true},
        // Without the panel member a check group is compared with
        // "checkbox", which it is not.
        {L"checkgroup", Without(xcPanel), K::None, false},
        {L"checkbox", kAll, K::CheckBox, false},
        {L"unheardof", kAll, K::None, false},
    };
    for (const TKindRow& row : rows) {
        const TSkinChoice c = ChooseForMapKind(row.Kind, L"TTHIRD", L"", row.Set, true);
        EXPECT_EQ(c.Kind, row.Expected) << std::wstring(row.Kind).size() << " " << row.Set;
        EXPECT_EQ(c.KeepColour, row.KeepColour);
    }
}

TEST(ClassMap, WhatEachKindDoesAroundTheSkin) {
    EXPECT_TRUE(ChooseForMapKind(L"panel", L"T", L"", kAll, true).SetTransparent);
    EXPECT_TRUE(ChooseForMapKind(L"trackbar", L"T", L"", kAll, true).SetTransparent);
    EXPECT_FALSE(ChooseForMapKind(L"panel", L"T", L"", Without(xcPanel), true).SetTransparent);
    EXPECT_TRUE(ChooseForMapKind(L"edit", L"T", L"", kAll, true).NeedsBorder);
    EXPECT_EQ(ChooseForMapKind(L"tab", L"T", L"", kAll, false).Kind, TSkinKind::None);
    EXPECT_EQ(ChooseForMapKind(L"bitbtn", L"TCXBUTTON", L"cxbkDropDownButton", kAll, true).Kind,
              TSkinKind::MenuButton);
    EXPECT_EQ(ChooseForMapKind(L"bitbtn", L"TOTHER", L"cxbkDropDownButton", kAll, true).Kind,
              TSkinKind::BitButton);
    EXPECT_EQ(ChooseForMapKind(L"pngbitbtn", L"T", L"", kAll, true).Variant,
              TSkinVariant::PngGlyph);
    EXPECT_EQ(ChooseForMapKind(L"singlescrollbar", L"T", L"", kAll, true).Variant,
              TSkinVariant::SingleScrollbar);
    EXPECT_EQ(ChooseForMapKind(L"scrollbar", L"T", L"", kAll, true).Children,
              TChildMapping::ChildrenAfter);
    EXPECT_EQ(ChooseForMapKind(L"embedscrollbar", L"T", L"", kAll, true).Children,
              TChildMapping::ScrollingChildren);
    EXPECT_EQ(ChooseForMapKind(L"container", L"T", L"", kAll, true).Children,
              TChildMapping::ChildrenAfter);

    // Group items: one library's groups hold image-drawn items.
    const TSkinChoice rz = ChooseForMapKind(L"radiogroup", L"TRZRADIOGROUP", L"", kAll, true);
    EXPECT_EQ(rz.Children, TChildMapping::Items);
    EXPECT_EQ(rz.ItemKind, TSkinKind::ObjImage);
    EXPECT_EQ(rz.ItemVariant, TSkinVariant::RadioImage);
    const TSkinChoice plain = ChooseForMapKind(L"radiogroup", L"TLMDRADIOGROUP", L"", kAll, true);
    EXPECT_EQ(plain.ItemKind, TSkinKind::RadioButton);
    EXPECT_EQ(ChooseForMapKind(L"checkgroup", L"TRZCHECKGROUP", L"", kAll, true).ItemVariant,
              TSkinVariant::CheckImage);
    EXPECT_EQ(ChooseForMapKind(L"checkgroup", L"TX", L"", kAll, true).ItemKind,
              TSkinKind::CheckBox);
    const TSkinChoice noItems =
        ChooseForMapKind(L"radiogroup", L"TX", L"", Without(xcRadioButton), true);
    EXPECT_EQ(noItems.Kind, TSkinKind::GroupBox);
    EXPECT_EQ(noItems.Children, TChildMapping::None);
}
