#pragma once
// Combo boxes: the combo paints its text and list itself; the skin draws
// its edge and its arrow button over it afterwards, the button hot only
// while the pointer is over it and pressed while held there, on the left
// for a window laid out with its scrollbar on the left. The drop-down
// list's scrollbar is the scrollbar skins' (see AttachListScrollbar).
#include "engine/controls/drawn_over.h"

#include <memory>

class TDataSkinBorder;
class TDataSkinObject;

// The button's frame: disabled, pressed, hot or focused, else normal.
enum TComboFrame : int { cfNormal = 1, cfPressed = 2, cfDisabled = 3, cfHot = 4 };
int ComboButtonFrame(bool enabled, bool pressed, bool hot, bool focused);

// Everything a combo's edge and button depend on.
struct TComboLook {
    const TDataSkinBorder* Button = nullptr; // "ComboButton"; nothing is drawn without it
    const TDataSkinObject* Edge = nullptr;   // "SunkEdge"
    const TDataSkinObject* Extra = nullptr;  // "ExtraImages": a glyph over the button
    COLORREF Shadow = 0;
    bool LeftButton = false; // WS_EX_LEFTSCROLLBAR
    int Frame = cfNormal;
    int ScrollWidth = 16; // SM_CXHSCROLL
    int ThumbHeight = 16; // SM_CYVTHUMB
};

// Paints the edge and the button over a combo of `rect` (the window at
// (0, 0)) and answers where the button is. The flat style fills with the
// DC's current brush, the combo's background.
RECT PaintComboBox(HDC dc, const RECT& rect, const TComboLook& look);

class TSkinComBox : public TSkinDrawnOver {
    VELMORA_CLASS()
public:
    // The button as last painted, in client coordinates (where the mouse
    // messages place the pointer).
    const RECT& ButtonRect() const { return buttonRect_; }
    int ButtonFrame() const { return frame_; }
    HWND ListWindow() const { return list_; }

protected:
    void OnAttach() override;
    void OnRestore() override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    // The drop-down list's scrollbar gets its skin with the combo's.
    void AttachListScrollbar();

    static LRESULT EditHandler(void* object, HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void TrackHot(POINT at);
    void SetMouseBit(unsigned char bit, bool on);
    bool HasButtonImage() const;
    TComboLook Look() const;

    HWND list_ = nullptr;
    std::unique_ptr<TWindowSubclass> editHook_;
    RECT buttonRect_{};
    int frame_ = cfNormal;
};
