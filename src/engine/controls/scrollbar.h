#pragma once
// Controls with window scroll bars (lists, memos, trees): an overlay over
// each native bar, kept in step with the host, a flat two-line border in
// place of the sunken edge, and the corner between two bars in the face
// colour. TSkinScrollbarH is the same for a raw window with scroll bars
// (no border of its own).
#include "engine/controls/scroll_overlay.h"
#include "engine/controls/sibling_overlay.h"
#include "engine/controls/skin_control.h"

#include <memory>

class TSkinScrollbar : public TSkinControl {
    VELMORA_CLASS()
public:
    ~TSkinScrollbar() override;
    // A single scroll bar control: no border.
    void SetSingle() { mode_ = 1; }
    TWScrollbar* HorzBar() const { return horz_.get(); }
    TWScrollbar* VertBar() const { return vert_.get(); }
    bool HasBorder() const { return border_; }

protected:
    void OnAttach() override;
    void OnRestore() override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;
    void SkinChanged() override;

    // Whether the control gets the skin's border.
    virtual bool WantsBorder() const;

private:
    void SyncBars();
    void HideBars();
    void RefreshBars();
    void NoteRequest(TWScrollbar* bar, WPARAM wParam);
    void PaintBorder(HDC dc) const;
    void FillCorner(HDC dc) const;
    void ShowFaceInFixedColour();

    std::unique_ptr<TWScrollbar> horz_;
    std::unique_ptr<TWScrollbar> vert_;
    bool border_ = false;
    TClipSiblings clipSiblings_;
};

class TSkinScrollbarH : public TSkinScrollbar {
    VELMORA_CLASS()
protected:
    bool WantsBorder() const override { return false; }
};
