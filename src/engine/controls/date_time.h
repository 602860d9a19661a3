#pragma once
// Date pickers: the picker paints its date itself; the skin draws a border
// over its edge and lays a small arrow button of its own over the picker's
// drop-down button. Clicking the arrow clicks the picker's button beneath
// it, so the calendar opens as usual, and the focus stays on the picker.
#include "engine/controls/drawn_over.h"

#include <memory>

class TDataSkinObject;

// Everything the arrow's picture depends on.
struct TPickerArrowLook {
    const TDataSkinObject* Arrow = nullptr; // "ComboxArrow"
    COLORREF Face = 0;
    bool Hot = false;
};
void PaintPickerArrow(HDC dc, const RECT& rect, const TPickerArrowLook& look);
// Where the arrow lies in the picker's client area: over its button, at
// the right, or at the left for a picker laid out with a left scrollbar.
RECT PickerArrowRect(SIZE picker, int arrowWidth, bool left);

class TSkinDateTime;

// The arrow button: a child window of the picker.
class TPickerArrow {
public:
    TPickerArrow(TSkinDateTime& owner, HWND picker);
    ~TPickerArrow();
    TPickerArrow(const TPickerArrow&) = delete;
    TPickerArrow& operator=(const TPickerArrow&) = delete;

    HWND Handle() const { return window_; }
    bool Hot() const { return hot_; }
    // Follows the picker's size.
    void Place();

private:
    static LRESULT CALLBACK WndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void SetHot(bool on);
    void ClickPicker(WPARAM keys, LPARAM at);

    TSkinDateTime& owner_;
    HWND picker_;
    HWND window_ = nullptr;
    int width_ = 0; // the width of the platform's button (SM_CXHSCROLL)
    bool hot_ = false;
};

class TSkinDateTime : public TSkinDrawnOver {
    VELMORA_CLASS()
public:
    TPickerArrow* Arrow() const { return arrow_.get(); }
    TPickerArrowLook ArrowLook(bool hot) const;

protected:
    void OnAttach() override;
    void OnRestore() override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    std::unique_ptr<TPickerArrow> arrow_;
    bool addedClipChildren_ = false;
};
