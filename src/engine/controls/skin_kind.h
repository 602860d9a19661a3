#pragma once
// The vocabulary of control mapping: which skin class a control gets, in
// which variant, and what mapping does around attaching it. The decision
// tables answer a TSkinChoice; the registry makes the skin object of a kind.
enum class TSkinKind {
    None,
    Button,
    BitButton,
    MenuButton,
    SpeedButton,
    CheckBox,
    RadioButton,
    ComboBox,
    Edit,
    DateTime,
    Progress,
    TrackBar,
    UpDown,
    MediaPlayer,
    Scrollbar,
    ScrollControl, // a standalone scroll bar control
    ListView,
    Tab,
    Tab31,
    TabSheet,
    GroupBox,
    Box,
    BoxH,
    StatusBar,
    Sizer,
    ObjImage,
    AdvPage,
};

// What a family does differently for some classes.
enum class TSkinVariant {
    Plain,
    ComboBoxEx,      // a combo box inside a ComboBoxEx32
    PngGlyph,        // the glyph property is "PngImage"
    SingleScrollbar, // one scrollbar control, not a scrolling window
    DropDownButton,  // a bitmap button that drops a menu
    CheckImage,      // image-drawn check box of another library
    RadioImage,      // image-drawn radio button of another library
    CxCheckImage,    // image-drawn check box of a third library
    AdvPage,         // a page control of another library
    ButtonTabs,      // a tab control in button style (TCS_BUTTONS)
};

// What mapping does around the control's own skin.
enum class TChildMapping {
    None,
    ChildrenFirst,     // the child controls are mapped, then the control skinned
    ChildrenAfter,     // the control skinned, then its child controls mapped
    ChildrenOrphaned,  // the control skinned, then each child mapped with no parent
    ComponentsAfter,   // an embedded form: skinned, then its components mapped
    ScrollingChildren, // each child with a scrollbar style gets a scrollbar skin
    Items,             // each child control gets ItemKind, then the control skinned
    ChildWindowsFirst, // raw: the child windows are mapped, then the window skinned
    FirstChildWindow,  // raw: the skin goes on the first child window instead
};

struct TSkinChoice {
    TSkinKind Kind = TSkinKind::None;
    // The control's Color shows the skin's face while skinned.
    bool KeepColour = false;
    TSkinVariant Variant = TSkinVariant::Plain;
    TChildMapping Children = TChildMapping::None;
    // For TChildMapping::Items: what each child gets.
    TSkinKind ItemKind = TSkinKind::None;
    TSkinVariant ItemVariant = TSkinVariant::Plain;
    bool ItemKeepColour = false;
    // The control's "Transparent" property is set while skinned.
    bool SetTransparent = false;
    // Only when the control has a border (window and client sizes differ).
    bool NeedsBorder = false;
    // A toolkit control behind a raw panel window takes the face colour.
    bool FaceColour = false;
    // Attached by its window handle although a toolkit control owns it.
    bool AsRawWindow = false;
};
