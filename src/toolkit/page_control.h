#pragma once
// Page controls: the platform's tab control with one sheet per tab; the
// sheet of the chosen tab fills the display area and the others are hidden.
#include "toolkit/custom_control.h"
#include "toolkit/tab_control.h"

class TPageControl;

// One page: a container painted in its Color, whose caption is its tab's.
class TTabSheet : public TCustomControl {
    VELMORA_CLASS()
public:
    using TCustomControl::TCustomControl;
    // The page control it belongs to, or nullptr.
    TPageControl* PageControl() const;
    // Its place among the page control's sheets, or -1.
    int PageIndex() const;

protected:
    void CreateParams(TCreateParams& p) override;
};

class TPageControl : public TCustomTabControl {
    VELMORA_CLASS()
public:
    using TCustomTabControl::TCustomTabControl;
    int PageCount() const;
    TTabSheet* Pages(int index) const;
    int ActivePageIndex() const { return active_; }
    void SetActivePageIndex(int index);
    // The area a sheet fills, in the page control's client coordinates.
    RECT DisplayRect() const;
    void WndProc(TMessage& m) override;
    // Whether a skin may give the tabs close boxes (it asks for them on
    // page controls tagged for it); off keeps every page open.
    bool ShowCloseBoxes() const { return showCloseBoxes_; }
    void SetShowCloseBoxes(bool v) { showCloseBoxes_ = v; }
    // Frees page `index` with the controls on it and its tab; the next page
    // (or the last) becomes the active one when it was active.
    void ClosePage(int index);

protected:
    void CreateWnd() override;
    void BoundsChanged() override;
    void TabsMoved() override { PlaceSheets(); }

private:
    void PlaceSheets();

    int active_ = 0;
    bool showCloseBoxes_ = true;
};
