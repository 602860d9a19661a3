#pragma once
// The decision tables of control mapping, as plain functions of what is
// known about a control: the skin a raw child window gets from its class and
// style, the chain of tests for a toolkit control, and the class map
// ("ClassName=kind" lines) for controls of other libraries. The mapper reads
// the facts off real windows and controls and acts on the answer.
#include "engine/controls/skin_kind.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

// The skin of a raw child window; `lowerClass` is its class name in lower
// case, `skinControls` the skin data's set of TSkinControlType members.
TSkinChoice ChooseForWindow(std::wstring_view lowerClass, DWORD style, int skinControls);

// What the chain of tests asks of a toolkit control.
struct TControlFacts {
    std::wstring UpperClass;
    // Kinds of the toolkit's own classes (inherited ones included).
    bool GroupBox = false;
    bool Panel = false;
    bool BitButton = false;
    bool ListView = false;
    bool Button = false;
    bool Edit = false;
    bool SpeedButton = false;
    bool CheckBox = false;
    bool RadioButton = false;
    bool StatusBar = false;
    bool TabSheet = false;
    bool PageControl = false;
    // A plain tab control of the toolkit (not a page control).
    bool TabControl = false;
    // A tab control drawing its tabs as buttons (TCS_BUTTONS).
    bool ButtonTabs = false;
    bool ComboBox = false;
    bool ProgressBar = false;
    bool TrackBar = false;
    bool DateTimePicker = false;
    bool ScrollBar = false; // a standalone scroll bar control
    // A form placed inside another control.
    bool EmbeddedForm = false;
    bool Windowed = false;
    // The window style has WS_HSCROLL or WS_VSCROLL.
    bool ScrollStyle = false;
    // The published "NumButtons" of some edit classes; -1 when absent.
    long long NumButtons = -1;
};
TSkinChoice ChooseForControl(const TControlFacts& control, int skinControls, bool hasTabRecord);

// The kind the class map gives a class (upper-case name): the text after
// "=" of the first line naming the class, compared without regard to case;
// empty when no line names it or the kind is empty.
std::wstring ClassMapKind(const std::vector<std::wstring>& lines, std::wstring_view upperClass);
// The class map said `kind` (lower case) for a class. `buttonKind` is the
// control's published "Kind" (a drop-down button names itself there).
TSkinChoice ChooseForMapKind(std::wstring_view kind, std::wstring_view upperClass,
                             std::wstring_view buttonKind, int skinControls, bool hasTabRecord);
