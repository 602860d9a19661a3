#pragma once
// Standalone scroll bar controls: one overlay covers the whole control and
// shows the skin's bar. Presses on it reach the control as its own, so the
// platform's scroll loop (auto-repeat, paging, thumb tracking) runs as
// ever; the overlay follows the control's place, visibility and range.
#include "engine/controls/scroll_overlay.h"
#include "engine/controls/sibling_overlay.h"
#include "engine/controls/skin_control.h"

#include <memory>

class TSkinScControl : public TSkinControl {
    VELMORA_CLASS()
public:
    ~TSkinScControl() override;
    TWScrollbar* Scrollbar() const { return bar_.get(); }
    void SkinChanged() override;

protected:
    void OnAttach() override;
    void OnRestore() override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    std::unique_ptr<TWScrollbar> bar_;
    TClipSiblings clipSiblings_;
};
