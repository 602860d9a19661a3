#include "toolkit/class_registry.h"

#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/date_time_picker.h"
#include "toolkit/edit.h"
#include "toolkit/group_box.h"
#include "toolkit/image.h"
#include "toolkit/label.h"
#include "toolkit/list_box.h"
#include "toolkit/list_view.h"
#include "toolkit/media_player.h"
#include "toolkit/menus.h"
#include "toolkit/page_control.h"
#include "toolkit/progress_bar.h"
#include "toolkit/scroll_bar.h"
#include "toolkit/speed_button.h"
#include "toolkit/status_bar.h"
#include "toolkit/tab_control.h"
#include "toolkit/tab_set.h"
#include "toolkit/track_bar.h"
#include "toolkit/up_down.h"
#include "toolkit/web_browser.h"

#include <vector>

namespace {

std::vector<const TClassInfo*>& Registry() {
    static std::vector<const TClassInfo*> classes{
        &TButton::StaticClass(),      &TBitBtn::StaticClass(),         &TMenuButton::StaticClass(),
        &TEdit::StaticClass(),        &TGroupBox::StaticClass(),       &TPanel::StaticClass(),
        &TImage::StaticClass(),       &TListView::StaticClass(),       &TPopupMenu::StaticClass(),
        &TMenuItem::StaticClass(),    &TWebBrowser::StaticClass(),     &TLabel::StaticClass(),
        &TSpeedButton::StaticClass(), &TStatusBar::StaticClass(),      &TPageControl::StaticClass(),
        &TTabSheet::StaticClass(),    &TCheckBox::StaticClass(),       &TRadioButton::StaticClass(),
        &TComboBox::StaticClass(),    &TDateTimePicker::StaticClass(), &TProgressBar::StaticClass(),
        &TTrackBar::StaticClass(),    &TUpDown::StaticClass(),         &TListBox::StaticClass(),
        &TMainMenu::StaticClass(),    &TTabControl::StaticClass(),     &TTabSet::StaticClass(),
        &TMediaPlayer::StaticClass(), &TScrollBar::StaticClass(),
    };
    return classes;
}

} // namespace

void RegisterComponentClass(const TClassInfo& info) {
    if (!FindComponentClass(info.Name())) Registry().push_back(&info);
}

const TClassInfo* FindComponentClass(const std::wstring& name) {
    for (const TClassInfo* c : Registry())
        if (c->Name().size() == name.size() && c->InheritsFrom(name)) return c;
    return nullptr;
}
