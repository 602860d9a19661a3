#include "engine/controls/control_registry.h"

#include "engine/controls/adv_page.h"
#include "engine/controls/bit_button.h"
#include "engine/controls/check_box.h"
#include "engine/controls/combo_box.h"
#include "engine/controls/date_time.h"
#include "engine/controls/edit.h"
#include "engine/controls/face_boxes.h"
#include "engine/controls/group_box.h"
#include "engine/controls/list_view.h"
#include "engine/controls/media_player.h"
#include "engine/controls/menu_button.h"
#include "engine/controls/obj_image.h"
#include "engine/controls/progress_bar.h"
#include "engine/controls/scroll_control.h"
#include "engine/controls/scrollbar.h"
#include "engine/controls/speed_button.h"
#include "engine/controls/status_bar.h"
#include "engine/controls/tab.h"
#include "engine/controls/tab31.h"
#include "engine/controls/tab_buttons.h"
#include "engine/controls/tab_sheet.h"
#include "engine/controls/track_bar.h"
#include "engine/controls/up_down.h"

namespace {

using TFactory = std::unique_ptr<TSkinControl> (*)(const TSkinChoice&);

template <class T> std::unique_ptr<TSkinControl> Make(const TSkinChoice&) {
    return std::make_unique<T>();
}

// Bitmap and speed buttons of the picture variant show a picture property.
template <class T> std::unique_ptr<TSkinControl> MakeGlyphButton(const TSkinChoice& choice) {
    auto button = std::make_unique<T>();
    if (choice.Variant == TSkinVariant::PngGlyph) button->SetGlyphProperty(L"PngImage");
    return button;
}

// A single scroll bar control gets no border.
std::unique_ptr<TSkinControl> MakeScrollbar(const TSkinChoice& choice) {
    auto scrollbar = std::make_unique<TSkinScrollbar>();
    if (choice.Variant == TSkinVariant::SingleScrollbar) scrollbar->SetSingle();
    return scrollbar;
}

// Tab controls in button style draw their tabs as the skin's buttons.
std::unique_ptr<TSkinControl> MakeTab(const TSkinChoice& choice) {
    if (choice.Variant == TSkinVariant::ButtonTabs) return std::make_unique<TSkinTabBtn>();
    return std::make_unique<TSkinTab>();
}

// Other libraries' check and radio controls take the glyph strip their
// variant names.
std::unique_ptr<TSkinControl> MakeObjImage(const TSkinChoice& choice) {
    switch (choice.Variant) {
    case TSkinVariant::RadioImage:
        return std::make_unique<TSkinObjImage>(TGlyphHandOver::RadioItem);
    case TSkinVariant::CxCheckImage:
        return std::make_unique<TSkinObjImage>(TGlyphHandOver::PropertiesGlyph);
    default:
        return std::make_unique<TSkinObjImage>(TGlyphHandOver::CheckItem);
    }
}

struct TFamily {
    TSkinKind Kind;
    TFactory Factory;
};

const TFamily kFamilies[] = {
    {TSkinKind::Button, &Make<TSkinButton>},
    {TSkinKind::BitButton, &MakeGlyphButton<TSkinBitButton>},
    {TSkinKind::MenuButton, &Make<TSkinMenuButton>},
    {TSkinKind::SpeedButton, &MakeGlyphButton<TSkinSpeedButton>},
    {TSkinKind::ListView, &Make<TSkinListView>},
    {TSkinKind::Scrollbar, &MakeScrollbar},
    {TSkinKind::GroupBox, &Make<TSkinGroupBox>},
    {TSkinKind::Box, &Make<TSkinBox>},
    {TSkinKind::BoxH, &Make<TSkinBoxH>},
    {TSkinKind::Sizer, &Make<TSkinSizer>},
    {TSkinKind::StatusBar, &Make<TSkinStatusBar>},
    {TSkinKind::TabSheet, &Make<TSkinTabSheet>},
    {TSkinKind::Tab, &MakeTab},
    {TSkinKind::Tab31, &Make<TSkinTab31>},
    {TSkinKind::CheckBox, &Make<TSkinCheckBox>},
    {TSkinKind::RadioButton, &Make<TSkinRadioButton>},
    {TSkinKind::Progress, &Make<TSkinProgress>},
    {TSkinKind::TrackBar, &Make<TSkinTrackBar>},
    {TSkinKind::UpDown, &Make<TSkinUpDown>},
    {TSkinKind::Edit, &Make<TSkinEdit>},
    {TSkinKind::ComboBox, &Make<TSkinComBox>},
    {TSkinKind::DateTime, &Make<TSkinDateTime>},
    {TSkinKind::MediaPlayer, &Make<TSkinMP>},
    {TSkinKind::ScrollControl, &Make<TSkinScControl>},
    {TSkinKind::ObjImage, &MakeObjImage},
    {TSkinKind::AdvPage, &Make<TSkinAdvPage>},
};

TFactory FactoryOf(TSkinKind kind) {
    for (const TFamily& family : kFamilies)
        if (family.Kind == kind) return family.Factory;
    return nullptr;
}

} // namespace

std::unique_ptr<TSkinControl> CreateSkinControl(const TSkinChoice& choice) {
    const TFactory factory = FactoryOf(choice.Kind);
    return factory ? factory(choice) : nullptr;
}

bool HasSkinFamily(TSkinKind kind) {
    return FactoryOf(kind) != nullptr;
}
