#include "engine/paint_control_into.h"

#include "toolkit/caught_errors.h"
#include "toolkit/win_control.h"

namespace {

RECT ClientRectOf(const TControl& control) {
    RECT r{0, 0, control.Width(), control.Height()};
    if (auto* windowed = dynamic_cast<const TWinControl*>(&control))
        if (windowed->HandleAllocated()) GetClientRect(windowed->Handle(), &r);
    return r;
}

} // namespace

void PaintControlInto(TControl* control, HDC dc) {
    if (!control || !control->Parent() || !dc) return;
    TWinControl* parent = control->Parent();
    RECT r = ClientRectOf(*control);
    TSavedDC saved(dc);
    // Shift so the parent's own coordinates apply, and keep it inside the
    // control's area.
    POINT old;
    OffsetViewportOrgEx(dc, -control->Left(), -control->Top(), &old);
    OffsetRect(&r, control->Left(), control->Top());
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    // Called from paint handlers: a failing parent must not take the
    // control's painting down with it.
    try {
        parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
        parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    } catch (...) {
        RecordCaughtError("parent painting a control");
    }
}
