#pragma once
// A plain list of text lines, with scroll bars when the lines are more or
// wider than the box.
#include "toolkit/win_control.h"

#include <string>
#include <vector>

class TListBox : public TWinControl {
    VELMORA_CLASS()
public:
    explicit TListBox(TComponent* owner);

    void AddItem(const std::wstring& text);
    int Count() const { return static_cast<int>(items_.size()); }
    const std::wstring& Item(int index) const { return items_.at(index); }
    // The width the lines may take; wider than the box gives a horizontal
    // scroll bar.
    int ScrollWidth() const { return scrollWidth_; }
    void SetScrollWidth(int v);

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;

private:
    std::vector<std::wstring> items_;
    int scrollWidth_ = 0;
};
