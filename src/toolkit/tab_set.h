#pragma once
// The older tab set: a row of tabs hanging from the top edge of a strip,
// with no pages of its own. Tabs that do not fit are left out; when the tabs
// need more room than the strip has, an up-down scroller at the right end
// chooses the first tab shown.
#include "toolkit/custom_control.h"
#include "toolkit/events.h"
#include "toolkit/unique_handle.h"

#include <string>
#include <vector>

// Where one tab of a tab set stands.
struct TTabSetPlace {
    int Index = 0;
    RECT Rect{};
};

// The tabs from `first` on, each its text's width + 9, placed left to right
// from `start`; a tab that does not reach past `roomEnd` (12 pixels sooner
// while the scroller shows) stands there, one that does is skipped and the
// next ones are still tried.
std::vector<TTabSetPlace> TabSetPlaces(const std::vector<int>& textWidths, int first, int start,
                                       int roomEnd, bool scroller, int height);

class TTabSet : public TCustomControl {
    VELMORA_CLASS()
public:
    explicit TTabSet(TComponent* owner);

    std::wstring TabsText() const;
    void SetTabsText(const std::wstring& v);
    const std::vector<std::wstring>& Tabs() const { return tabs_; }
    int TabIndex() const { return index_; }
    void SetTabIndex(int v);
    // Room kept free before the first tab and after the last.
    int StartMargin() const { return startMargin_; }
    void SetStartMargin(int v);
    int EndMargin() const { return endMargin_; }
    void SetEndMargin(int v);
    // The first tab shown.
    int FirstIndex() const { return first_; }
    void SetFirstIndex(int v);
    // The up-down that scrolls the tabs (a child window), and whether it
    // shows: only when the tabs need more room than the strip has.
    HWND Scroller() const { return scroller_.Get(); }
    bool ScrollerVisible() const;
    // Each tab's text width in the control's font.
    std::vector<int> TextWidths() const;
    // Where the shown tabs stand now.
    std::vector<TTabSetPlace> Places() const;
    // The chosen tab changed (by the user).
    TNotifyEvent OnChange;
    void WndProc(TMessage& m) override;

protected:
    void CreateWnd() override;
    void BoundsChanged() override;
    void Paint(HDC dc) override;

private:
    void UpdateScroller();
    void Choose(int index);
    bool Key(WPARAM key);

    std::vector<std::wstring> tabs_;
    int index_ = 0;
    int startMargin_ = 5;
    int endMargin_ = 14;
    int first_ = 0;
    TWindowHandle scroller_;
};
