#pragma once
// TWScrollbar: a small window laid exactly over one native scroll bar of a
// host window, showing the skin's bar. It never scrolls anything itself:
// a press is handed to the host as a press on its own bar, so the
// platform's scroll loop (auto-repeat, paging, thumb tracking) runs
// unchanged, and the overlay only shows what that loop does. It is a
// sibling of the host, just above it, and the host clips its siblings so
// the native bar never draws over it.
#include "engine/controls/scrollbar_paint.h"
#include "engine/controls/sibling_overlay.h"
#include "toolkit/bitmap.h"

#include <memory>

class TSkinData;

// Which of the host's bars an overlay covers: one of its window scroll
// bars, or the whole host when it is a scroll bar control itself.
enum class TBarKind { Horizontal, Vertical, Control };

class TWScrollbar : public TSiblingOverlay {
public:
    // Makes the overlay for `host`'s bar of `kind` and places it. The skin
    // data must outlive the overlay or be let go with Detach.
    TWScrollbar(TSkinData& data, HWND host, TBarKind kind);

    // Hides `overlay` and frees it now, or once the press it is handing on
    // has ended; it touches neither its host nor the skin again.
    static void Discard(std::unique_ptr<TWScrollbar> overlay);

    // Moves, shows or hides the overlay to match the native bar; nothing
    // when nothing changed.
    void SyncPosition();
    void HideBar();
    // Repaints when the picture the bar would show now differs from the one
    // on the screen.
    void Refresh();
    // The host scrolled with this request (a TScrollPart): the part shows
    // pressed while a press is being handed on.
    void NoteScrollRequest(int request);
    void SetEnabled(bool enabled);

    bool Shown() const { return shown_; }
    // The bar in the host's client coordinates, as last placed.
    const RECT& ClientBox() const { return clientBox_; }
    int HotPart() const { return hotPart_; }
    bool Pressed() const { return pressed_; }
    // What the overlay shows now (empty size when the bar cannot be read).
    TScrollBarLook CurrentLook() const;

private:
    void OnMessage(TMessage& m) override;
    void Paint() override;
    void MouseMoved(POINT at);
    void MouseLeft();
    void ButtonDown(POINT at);
    void ButtonUp(POINT at);
    bool BarInfo(SCROLLBARINFO& info) const;
    bool ControlBarInfo(SCROLLBARINFO& info) const;
    bool Vertical() const { return vertical_; }
    int Along(POINT at) const { return Vertical() ? at.y : at.x; }
    TBarSpan Span() const;
    int PartUnderCursor() const;
    void SetHotPart(int part);
    // Hands a press or release at `at` (overlay client point) to the host.
    void SendButtonDown(POINT at);
    void PostButtonUp(POINT at);

    TSkinData* data_;
    TBarKind kind_;
    bool vertical_;
    int arrowSize_;
    int hotPart_ = spNone;
    bool pressed_ = false;
    bool enabled_ = true;
    bool shown_ = false;
    RECT clientBox_{};
    RECT placed_{}; // in the parent's client coordinates
    POINT dragCursor_{};
    TThumbSpan dragThumb_;
    TScrollBarLook painted_;
    TBitmap buffer_;
};
