#pragma once
// The platform's combo box: drop-down (an edit and a list) or drop-down list
// (a fixed choice). The items come one a line; the window is made taller
// than the control by the list, which the platform drops below it.
#include "toolkit/win_control.h"

#include <vector>

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboBox : public TWinControl {
    VELMORA_CLASS()
public:
    explicit TComboBox(TComponent* owner);

    int Style() const { return style_; }
    void SetStyle(int v) { style_ = v; }
    // The items, one a line.
    std::wstring ItemsText() const;
    void SetItemsText(const std::wstring& v);
    int ItemIndex() const;
    void SetItemIndex(int v);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int v) { dropDownCount_ = v; }
    std::wstring Text() const { return GetText(); }
    void SetTextProp(const std::wstring& v) { SetText(v); }

    void SetBounds(int left, int top, int width, int height) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;

private:
    int ListHeight() const;
    void FillItems();

    int style_ = csDropDown;
    std::vector<std::wstring> items_;
    int itemIndex_ = -1;
    int dropDownCount_ = 8;
};
