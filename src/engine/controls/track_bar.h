#pragma once
// Track bars: the channel and the thumb drawn from the skin through the
// platform's custom-draw notifications; the tick marks stay the platform's.
// The notifications go to the bar's parent, so the skin listens there too
// (the toolkit hands them to its controls without passing through their
// windows).
#include "engine/controls/skin_control.h"

#include <commctrl.h>

#include <memory>

class TDataSkinObject;

// What the skin does for one custom-draw notification.
enum class TTrackPart { None, Channel, Thumb };
struct TCustomDrawAnswer {
    LRESULT Result = CDRF_DODEFAULT;
    TTrackPart Draw = TTrackPart::None;
};
TCustomDrawAnswer TrackBarCustomDraw(DWORD stage, DWORD_PTR item);

// Everything a track bar's channel and thumb depend on.
struct TTrackLook {
    const TDataSkinObject* Channel = nullptr; // "Track" or "TRACKVERT"
    const TDataSkinObject* Thumb = nullptr;   // "Trackbar.ThumbHorz" or "...Vert"
    COLORREF Face = 0;
    COLORREF Shadow = 0;
    bool Vertical = false;
};

void PaintTrackChannel(HDC dc, const RECT& channel, const TTrackLook& look);
void PaintTrackThumb(HDC dc, const RECT& thumb, const TTrackLook& look);

// A new skin is a repaint, as for every control: the focus never moves, so
// the application sees no focus events and an inactive window stays so.
class TSkinTrackBar : public TSkinControl {
    VELMORA_CLASS()
protected:
    void OnAttach() override;
    void OnRestore() override;
    bool BeforeMessage(TMessage& m) override;

private:
    static LRESULT ParentHandler(void* object, HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    // The answer to a notification when it is this bar's custom draw.
    bool CustomDraw(LPARAM notification, LRESULT& result);
    TTrackLook Look() const;

    std::unique_ptr<TWindowSubclass> parentHook_;
};
