#include "engine/caption_layout.h"

#include "engine/engine_messages.h"

namespace {

bool Has(const TCaptionFacts& f, unsigned char bit) {
    return (f.BorderIcons & bit) != 0;
}

bool ActiveChildMaximized(const TCaptionFacts& f) {
    bool maximized = false;
    return f.MDIClient && ActiveMDIChild(f.MDIClient, &maximized) && maximized;
}

// One of the two conditions of a button; `second` selects the Visibility1
// reading of the value.
bool VisibilityHolds(int value, bool second, int action, const TCaptionFacts& f) {
    const bool minMaxBox = Has(f, biMinimizeBit) || Has(f, biMaximizeBit);
    const bool maximized = f.State == wsMaximized;
    switch (value) {
    case cvAlways:
        return true;
    case cvMaximized:
        return maximized;
    case cvNotMaximized:
        return !maximized;
    case cvActive:
        return f.Active;
    case cvInactive:
        return !f.Active;
    case cvNever:
        return false;
    case cvMinMaxBox:
    case cvMinMaxBoxToo:
        return second ? minMaxBox : (minMaxBox && Has(f, biSystemMenuBit));
    case cvNoMaximizeBox:
        return !Has(f, biMaximizeBit);
    case cvNoMinimizeBox:
        return !Has(f, biMinimizeBit);
    case cvHelpBox:
        return second ? Has(f, biHelpBit) : (Has(f, biHelpBit) && !minMaxBox);
    case cvChildMaximized:
        // As the second condition it repeats the first, which is already
        // part of the result.
        return second || (f.MenuHeight > 0 && ActiveChildMaximized(f));
    case cvOwnDialog:
        return f.BorderKind == bkDialog && !f.SystemDialog;
    default:
        break;
    }
    if (value >= cvAlwaysFrom && value <= cvAlwaysTo) return true;
    if (value >= cvAskWindowFrom && value <= cvAskWindowTo) {
        if (second) return true;
        return f.Window && SendMessageW(f.Window, SKINMSG_BUTTONVISIBLE, static_cast<WPARAM>(value),
                                        static_cast<LPARAM>(action)) > 0;
    }
    // cvHidden and every unknown value hide the button.
    return false;
}

// Where text `textWidth` wide starts in a strip `stripWidth` wide.
int CaptionTextX(const TDataSkinTitle& title, int textWidth, int stripWidth, bool rightToLeft,
                 int reserve) {
    if (rightToLeft) {
        switch (title.TextAlignment) {
        case 0:
            return stripWidth - reserve - textWidth;
        case 1:
            return (stripWidth - textWidth - reserve) / 2;
        case 2:
            return title.LeftWidth;
        default:
            break;
        }
    }
    switch (title.TextAlignment) {
    case 0:
        return title.LeftWidth;
    case 1:
        return (stripWidth - textWidth) / 2;
    case 2:
        return stripWidth - title.RightWidth - textWidth;
    default:
        return 0;
    }
}

} // namespace

int CaptionButtonFrame(TNCState state, bool enabled, int frameCount, int visibility) {
    int index = state;
    if (!enabled) index = frameCount > 3 ? ncDisabled : ncNormal;
    if (visibility == cvChildMaximized && index == ncHot) index = ncDisabled;
    return index;
}

int RestingFrame(bool active, bool enabled, int frameCount) {
    return (frameCount < 4 || (active && enabled)) ? ncNormal : ncDisabled;
}

TButtonLook CaptionButtonLook(const TDataSkinSysButton& e, const TCaptionFacts& f,
                              bool enabledBefore) {
    TButtonLook look;
    look.Enabled = enabledBefore;
    look.Visible = VisibilityHolds(e.Visibility, false, e.Action, f) &&
                   VisibilityHolds(e.Visibility1, true, e.Action, f);
    const bool sysMenu = Has(f, biSystemMenuBit);
    switch (e.Action) {
    case caClose:
        if (!sysMenu) look.Visible = false;
        break;
    case caMaximize:
        look.Enabled = Has(f, biMaximizeBit) && sysMenu;
        break;
    case caMinimize:
        look.Enabled = Has(f, biMinimizeBit) && sysMenu;
        break;
    case caIconMenu:
    case caIconMenuToo:
    case caMenu:
        if (f.BorderKind == bkDialog) look.Visible = false;
        break;
    default:
        break;
    }
    return look;
}

RECT CaptionButtonRect(const TDataSkinSysButton& e, int w, int h, const TCaptionGeometry& g) {
    int x = 0, y = 0;
    switch (e.Align) {
    case calLeftEdge:
        x = e.XCoord, y = e.YCoord;
        break;
    case calRightEdge:
        x = g.WindowWidth - e.XCoord, y = e.YCoord;
        break;
    case calBeforeText:
    case calBeforeTextToo:
        x = g.TextRect.left - w - e.XCoord, y = e.YCoord;
        break;
    case calAfterText:
    case calAfterTextToo:
        x = g.TextRect.right + e.XCoord, y = e.YCoord;
        break;
    case calMenuBar:
        x = g.WindowWidth - e.XCoord - g.BorderRight - g.MenuBarLeft;
        y = g.BorderTop + (g.MenuHeight - h) / 2;
        break;
    default:
        break;
    }
    return RECT{x, y, x + w, y + h};
}

RECT PlaceCaptionText(const TDataSkinTitle& title, RECT r, const RECT& p,
                      const TCaptionTextFacts& f) {
    const int tw = r.right - r.left, th = r.bottom - r.top;
    const int x = CaptionTextX(title, tw, p.right - p.left, f.RightToLeft, f.ButtonReserve);
    const int y = (p.bottom - p.top - th) / 2 + title.TopHeight / 2;
    OffsetRect(&r, x, y);
    if (f.RightToLeft) {
        if (x <= 0) r.left = title.LeftWidth;
        OffsetRect(&r, 10, 0);
    } else if (f.Popup) {
        if (p.right - f.ButtonReserve - 5 < r.right && f.ButtonReserve > 5)
            r.right = p.right - f.ButtonReserve - 5;
    } else if (p.right - title.RightWidth < r.right) {
        r.right = p.right - title.RightWidth;
    }
    if (f.BorderKind == bkDialog && title.TextAlignment == 0) r.left -= 16;
    return r;
}
