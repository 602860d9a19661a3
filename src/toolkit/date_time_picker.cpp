#include "toolkit/date_time_picker.h"

#include <commctrl.h>

const TClassInfo& TDateTimePicker::StaticClass() {
    static const TClassInfo info(L"TDateTimePicker", &TWinControl::StaticClass(), nullptr,
                                 [](TComponent* o) { return new TDateTimePicker(o); });
    return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
    color_ = clWindow;
}

// The picker's class is registered apart from the classes the application
// asks for at start.
void TDateTimePicker::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    static const bool registered = [] {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_DATE_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)registered;
    p.WinClassName = DATETIMEPICK_CLASSW;
    p.SystemClass = true;
    p.Style |= WS_TABSTOP | DTS_SHORTDATEFORMAT;
}
