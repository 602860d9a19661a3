#pragma once
// The platform's tab control as the toolkit shows it: tabs on any side, as
// tabs or as buttons, on one line or several. TCustomTabControl holds what
// page controls and plain tab controls share; TTabControl is the plain one,
// a row of tabs over one area whose content the application changes when
// the chosen tab changes.
#include "toolkit/events.h"
#include "toolkit/win_control.h"

#include <string>
#include <vector>

enum TTabPosition : int { tpTop, tpBottom, tpLeft, tpRight };
enum TTabStyle : int { tsTabs, tsButtons, tsFlatButtons };

class TCustomTabControl : public TWinControl {
    VELMORA_CLASS()
public:
    using TWinControl::TWinControl;
    int TabPosition() const { return position_; }
    void SetTabPosition(int v);
    int Style() const { return style_; }
    void SetStyle(int v);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool v);

protected:
    void CreateParams(TCreateParams& p) override;
    // The tabs moved: what fills the display area follows.
    virtual void TabsMoved() {}

private:
    DWORD TabStyleBits() const;
    void ApplyStyleBits();

    int position_ = tpTop;
    int style_ = tsTabs;
    bool multiLine_ = false;
};

class TTabControl : public TCustomTabControl {
    VELMORA_CLASS()
public:
    using TCustomTabControl::TCustomTabControl;
    // The tabs' captions, one a line.
    std::wstring TabsText() const;
    void SetTabsText(const std::wstring& v);
    int TabCount() const { return static_cast<int>(tabs_.size()); }
    int TabIndex() const { return index_; }
    void SetTabIndex(int v);
    // The chosen tab changed (by the user).
    TNotifyEvent OnChange;
    void WndProc(TMessage& m) override;

protected:
    void CreateWnd() override;

private:
    void FillTabs();

    std::vector<std::wstring> tabs_;
    int index_ = 0;
};

// The lines of a multi-line text property ("a\r\nb" or "a\nb").
std::vector<std::wstring> SplitLines(const std::wstring& text);
std::wstring JoinLines(const std::vector<std::wstring>& lines);
// Inserts one tab with the wide message.
void InsertTab(HWND tabs, int index, const std::wstring& caption);
