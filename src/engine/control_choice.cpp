#include "engine/control_choice.h"

#include "core/ascii_text.h"

#include "engine/skin_data.h"

#include <commctrl.h>

#include <initializer_list>

namespace {

// The button types of BS_TYPEMASK.
constexpr DWORD kButtonTypeMask = 0x0F;
constexpr DWORD kPushBox = 0x0A;
constexpr DWORD kSplitButton = 0x0C;
constexpr DWORD kDefSplitButton = 0x0D;
constexpr DWORD kCommandLink = 0x0E;
constexpr DWORD kDefCommandLink = 0x0F;
constexpr DWORD kTabOwnerDrawFixed = 0x2000;
constexpr std::size_t kMostKindChars = 50;

TSkinChoice Skin(TSkinKind kind, bool keepColour = false) {
    TSkinChoice c;
    c.Kind = kind;
    c.KeepColour = keepColour;
    return c;
}

// The skin when the set has `member`, else no skin at all.
TSkinChoice SkinIf(int set, int member, TSkinKind kind, bool keepColour = false) {
    return InSet(set, member) ? Skin(kind, keepColour) : TSkinChoice{};
}

TSkinChoice WithChildren(TSkinChoice c, TChildMapping children) {
    c.Children = children;
    return c;
}

TSkinChoice WithVariant(TSkinChoice c, TSkinVariant variant) {
    c.Variant = variant;
    return c;
}

// Tab controls in button style draw their tabs from the button strip.
TSkinChoice TabChoice(bool buttons) {
    return WithVariant(Skin(TSkinKind::Tab),
                       buttons ? TSkinVariant::ButtonTabs : TSkinVariant::Plain);
}

bool IsOneOf(std::wstring_view text, std::initializer_list<std::wstring_view> names) {
    for (std::wstring_view n : names)
        if (text == n) return true;
    return false;
}

// Command links and split buttons draw a note or an arrow the skin's push
// button cannot show: they stay the platform's.
TSkinChoice ChooseForButton(DWORD style, int set) {
    const DWORD type = style & kButtonTypeMask;
    if (type == BS_GROUPBOX || (style & BS_BITMAP)) return {};
    switch (type) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return SkinIf(set, xcCheckBox, TSkinKind::CheckBox);
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return SkinIf(set, xcRadioButton, TSkinKind::RadioButton);
    case kSplitButton:
    case kDefSplitButton:
    case kCommandLink:
    case kDefCommandLink:
        return {};
    default: // push buttons, push boxes and user buttons
        return SkinIf(set, xcButton, TSkinKind::Button);
    }
}

} // namespace

TSkinChoice ChooseForWindow(std::wstring_view cls, DWORD style, int set) {
    if (cls == L"button" && (style & kButtonTypeMask) != BS_OWNERDRAW)
        return ChooseForButton(style, set);
    if (cls == L"combobox" && InSet(set, xcCombo))
        return (style & 3) == CBS_SIMPLE ? TSkinChoice{} : Skin(TSkinKind::ComboBox);
    if (cls == L"comboboxex32" && InSet(set, xcCombo))
        return WithVariant(WithChildren(Skin(TSkinKind::ComboBox), TChildMapping::FirstChildWindow),
                           TSkinVariant::ComboBoxEx);
    if (cls == L"scrollbar" && (style & (SBS_SIZEGRIP | SBS_SIZEBOX)))
        return Skin(TSkinKind::Sizer);
    if (cls == L"systreeview32") return {};
    if (cls == L"#32770" && !(style & WS_TABSTOP))
        return WithChildren(Skin(TSkinKind::BoxH), TChildMapping::ChildWindowsFirst);
    if (IsOneOf(cls,
                {L"tpanel", L"ttntpanel.unicodeclass", L"ttntsilentpaintpanel.unicodeclass"})) {
        TSkinChoice c = WithChildren(TSkinChoice{}, TChildMapping::ChildWindowsFirst);
        c.FaceColour = true;
        return c;
    }
    if (cls == L"tcheckbox" && InSet(set, xcCheckBox)) return Skin(TSkinKind::CheckBox);
    if (cls == L"tcombobox" && InSet(set, xcCombo)) return Skin(TSkinKind::ComboBox);
    if (cls == L"tbutton" && InSet(set, xcButton)) return Skin(TSkinKind::Button);
    if (cls == L"tprogressbar") return Skin(TSkinKind::Progress);
    if (cls == L"tsilentpaintpanel") {
        TSkinChoice c;
        c.FaceColour = true;
        return c;
    }
    if (cls == L"systabcontrol32" && InSet(set, xcTab) && !(style & kTabOwnerDrawFixed))
        return TabChoice((style & TCS_BUTTONS) != 0);
    if (cls == L"toolbarwindow32") return Skin(TSkinKind::BoxH);
    if (cls == L"edit" && InSet(set, xcEdit)) return Skin(TSkinKind::Edit);
    return {};
}

namespace {

// The rows for other libraries' classes, by name alone; `matched` tells
// whether a row took the control.
TSkinChoice ChooseByClassName(const TControlFacts& c, int set, bool tabs, bool& matched) {
    const std::wstring_view u = c.UpperClass;
    matched = true;
    if (u == L"TTABSET" && InSet(set, xcTab) && tabs) return Skin(TSkinKind::Tab31);
    if (u == L"TTABBEDNOTEBOOK" && InSet(set, xcTab) && tabs) return Skin(TSkinKind::Tab);
    if (u == L"TMVCPANEL") return WithChildren(TSkinChoice{}, TChildMapping::ChildrenFirst);
    if (IsOneOf(u, {L"TUPDOWN", L"TSPINBUTTON"}) && InSet(set, xcSpin))
        return Skin(TSkinKind::UpDown);
    if (u == L"TMEDIAPLAYER" && InSet(set, xcButton)) return Skin(TSkinKind::MediaPlayer);
    if (u == L"TMENUBUTTON" && InSet(set, xcButton)) return Skin(TSkinKind::MenuButton);
    if (u == L"TDBNAVIGATOR" && InSet(set, xcPanel))
        return WithChildren(Skin(TSkinKind::Box, true), TChildMapping::ChildrenOrphaned);
    if (IsOneOf(u, {L"TRZDBCHECKBOX", L"TRZCHECKBOX"}) && InSet(set, xcCheckBox))
        return WithVariant(Skin(TSkinKind::ObjImage, true), TSkinVariant::CheckImage);
    if (IsOneOf(u, {L"TRZRADIOBUTTON", L"TRZDBRADIOBUTTON"}) && InSet(set, xcRadioButton))
        return WithVariant(Skin(TSkinKind::ObjImage, true), TSkinVariant::RadioImage);
    if (IsOneOf(u, {L"TCXDBCHECKBOX", L"TCXCHECKBOX"}) && InSet(set, xcCheckBox))
        return WithVariant(Skin(TSkinKind::ObjImage, true), TSkinVariant::CxCheckImage);
    matched = false;
    return {};
}

} // namespace

TSkinChoice ChooseForControl(const TControlFacts& c, int set, bool tabs) {
    const std::wstring_view u = c.UpperClass;
    if (IsOneOf(u, {L"TDBCOMBOBOXEH", L"TFRDESIGNERPAGE", L"TFRPBOX"})) return {};
    bool matched = false;
    TSkinChoice byName = ChooseByClassName(c, set, tabs, matched);
    if (matched) return byName;
    if (c.GroupBox && InSet(set, xcPanel))
        return WithChildren(Skin(TSkinKind::GroupBox), TChildMapping::ChildrenFirst);
    if (u == L"TTNTCOMBOBOX" && InSet(set, xcCombo)) return Skin(TSkinKind::ComboBox);
    if (InSet(set, xcScrollbar) && IsOneOf(u, {L"TRICHEDIT", L"TWWDBRICHEDIT", L"TDXDBMEMO"}))
        return Skin(TSkinKind::Scrollbar);
    if (c.BitButton) return SkinIf(set, xcBitBtn, TSkinKind::BitButton);
    if (c.Panel && InSet(set, xcPanel))
        return WithChildren(Skin(TSkinKind::Box, true), TChildMapping::ChildrenFirst);
    if (IsOneOf(u, {L"TDXTREELIST", L"TDXDBTREELIST", L"TDXDBGRID"}) && InSet(set, xcScrollbar))
        return Skin(TSkinKind::Scrollbar);
    if (c.ListView && InSet(set, xcScrollbar)) return Skin(TSkinKind::ListView);
    if (InSet(set, xcScrollbar) && c.Windowed && c.ScrollStyle) return Skin(TSkinKind::Scrollbar);
    if (c.Button && InSet(set, xcButton)) return Skin(TSkinKind::Button);
    if (c.Edit && InSet(set, xcEdit)) return Skin(TSkinKind::Edit);
    // The toolkit's own classes the chain above does not name.
    if (c.SpeedButton) return SkinIf(set, xcSpeedButton, TSkinKind::SpeedButton);
    if (c.CheckBox) return SkinIf(set, xcCheckBox, TSkinKind::CheckBox);
    if (c.RadioButton) return SkinIf(set, xcRadioButton, TSkinKind::RadioButton);
    if (c.StatusBar) return SkinIf(set, xcStatusBar, TSkinKind::StatusBar);
    if (c.TabSheet) return SkinIf(set, xcTab, TSkinKind::TabSheet, true);
    if (c.PageControl || c.TabControl)
        return InSet(set, xcTab) && tabs ? TabChoice(c.ButtonTabs) : TSkinChoice{};
    if (c.ComboBox) return SkinIf(set, xcCombo, TSkinKind::ComboBox);
    if (c.ProgressBar) return SkinIf(set, xcProgress, TSkinKind::Progress);
    if (c.TrackBar) return SkinIf(set, xcTrackBar, TSkinKind::TrackBar);
    if (c.DateTimePicker) return SkinIf(set, xcCombo, TSkinKind::DateTime);
    if (c.ScrollBar) return SkinIf(set, xcScrollbar, TSkinKind::ScrollControl);
    if (!IsOneOf(u, {L"TDCEDIT", L"TDCDBEDIT"}))
        return c.EmbeddedForm
                   ? WithChildren(Skin(TSkinKind::Box, true), TChildMapping::ComponentsAfter)
                   : TSkinChoice{};
    if (c.NumButtons == 1) return SkinIf(set, xcCombo, TSkinKind::ComboBox);
    if (c.NumButtons == 0 && InSet(set, xcEdit)) {
        TSkinChoice edit = Skin(TSkinKind::Edit);
        edit.AsRawWindow = true;
        return edit;
    }
    return {};
}

std::wstring ClassMapKind(const std::vector<std::wstring>& lines, std::wstring_view upperClass) {
    const std::wstring key = LowerAscii(upperClass) + L"=";
    for (const std::wstring& line : lines) {
        const std::wstring text = LowerAscii(line);
        if (text.compare(0, key.size(), key) == 0) return text.substr(key.size(), kMostKindChars);
    }
    return {};
}

namespace {

// The items of a radio or check group: image-drawn for one library's
// groups, the ordinary family for the rest.
TSkinChoice WithItems(TSkinChoice group, std::wstring_view upperClass, TSkinKind plain,
                      TSkinVariant imageVariant) {
    group.Children = TChildMapping::Items;
    if (upperClass.find(L"TRZ") != std::wstring_view::npos) {
        group.ItemKind = TSkinKind::ObjImage;
        group.ItemVariant = imageVariant;
        group.ItemKeepColour = true;
    } else {
        group.ItemKind = plain;
    }
    return group;
}

} // namespace

TSkinChoice ChooseForMapKind(std::wstring_view kind, std::wstring_view u,
                             std::wstring_view buttonKind, int set, bool tabs) {
    if (kind == L"combobox") return SkinIf(set, xcCombo, TSkinKind::ComboBox);
    if (kind == L"comboboxex")
        return WithVariant(SkinIf(set, xcCombo, TSkinKind::ComboBox), TSkinVariant::ComboBoxEx);
    if (kind == L"edit") {
        TSkinChoice c = SkinIf(set, xcEdit, TSkinKind::Edit);
        c.NeedsBorder = true;
        return c;
    }
    if (kind == L"radiobutton") return SkinIf(set, xcRadioButton, TSkinKind::RadioButton);
    if (kind == L"panel" || kind == L"trackbar") {
        const bool panel = kind == L"panel";
        TSkinChoice c = panel ? SkinIf(set, xcPanel, TSkinKind::Box, true)
                              : SkinIf(set, xcButton, TSkinKind::TrackBar);
        c.SetTransparent = c.Kind != TSkinKind::None;
        return c;
    }
    if (kind == L"button") return SkinIf(set, xcButton, TSkinKind::Button);
    if (kind == L"datetimepicker") return SkinIf(set, xcCombo, TSkinKind::DateTime);
    if (kind == L"mediaplayer") return SkinIf(set, xcButton, TSkinKind::MediaPlayer);
    if (kind == L"bitbtn") {
        const bool dropDown = u == L"TCXBUTTON" && buttonKind == L"cxbkDropDownButton";
        return SkinIf(set, xcButton, dropDown ? TSkinKind::MenuButton : TSkinKind::BitButton);
    }
    if (kind == L"pngbitbtn")
        return WithVariant(SkinIf(set, xcButton, TSkinKind::BitButton), TSkinVariant::PngGlyph);
    if (kind == L"pngspeedbutton")
        return WithVariant(SkinIf(set, xcButton, TSkinKind::SpeedButton), TSkinVariant::PngGlyph);
    if (kind == L"menubtn") return SkinIf(set, xcButton, TSkinKind::MenuButton);
    if (kind == L"speedbutton") return SkinIf(set, xcSpeedButton, TSkinKind::SpeedButton);
    if (kind == L"tab") return InSet(set, xcTab) && tabs ? Skin(TSkinKind::Tab) : TSkinChoice{};
    if (kind == L"progress") return SkinIf(set, xcProgress, TSkinKind::Progress);
    if (kind == L"scrollbar")
        return InSet(set, xcScrollbar)
                   ? WithChildren(Skin(TSkinKind::Scrollbar), TChildMapping::ChildrenAfter)
                   : TSkinChoice{};
    if (kind == L"singlescrollbar")
        return WithVariant(SkinIf(set, xcScrollbar, TSkinKind::Scrollbar),
                           TSkinVariant::SingleScrollbar);
    if (kind == L"embedscrollbar")
        return InSet(set, xcScrollbar)
                   ? WithChildren(TSkinChoice{}, TChildMapping::ScrollingChildren)
                   : TSkinChoice{};
    if (kind == L"container") return WithChildren(TSkinChoice{}, TChildMapping::ChildrenAfter);
    if (kind == L"groupbox") return SkinIf(set, xcGroupBox, TSkinKind::GroupBox, true);
    if (kind == L"advpagecontrol")
        return WithVariant(SkinIf(set, xcTab, TSkinKind::AdvPage, true), TSkinVariant::AdvPage);
    if (kind == L"radiogroup") {
        if (!InSet(set, xcGroupBox)) return {};
        const TSkinChoice group = Skin(TSkinKind::GroupBox, true);
        return InSet(set, xcRadioButton)
                   ? WithItems(group, u, TSkinKind::RadioButton, TSkinVariant::RadioImage)
                   : group;
    }
    // A check group needs the panel member; without it the kind is compared
    // with "checkbox" below, which it never equals.
    if (kind == L"checkgroup" && InSet(set, xcPanel)) {
        const TSkinChoice group = SkinIf(set, xcGroupBox, TSkinKind::GroupBox, true);
        return InSet(set, xcRadioButton)
                   ? WithItems(group, u, TSkinKind::CheckBox, TSkinVariant::CheckImage)
                   : group;
    }
    if (kind == L"checkbox") return SkinIf(set, xcCheckBox, TSkinKind::CheckBox);
    return {}; // "nil" and unknown kinds: no skin
}
