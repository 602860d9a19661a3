#pragma once
// What the tab families share as skin objects: they draw the whole control
// themselves (the platform's painting and erasing never run under them), and
// a tab control or tab set may have scroll arrows, which get an up-down skin
// laid out left and right that comes and goes with the family's.
#include "engine/controls/skin_control.h"

#include <memory>

class TSkinUpDown;

class TSkinTabBase : public TSkinControl {
    VELMORA_CLASS()
public:
    ~TSkinTabBase() override;
    void SkinChanged() override;
    // The scroll arrows' skin, once there are arrows.
    const TSkinUpDown* Scroller() const { return scroller_.get(); }

protected:
    TSkinTabBase();
    void OnRestore() override;
    bool BeforeMessage(TMessage& m) override;
    // Skins `arrows` as this control's scroller, once.
    void AttachScroller(HWND arrows);
    // The family's images, made again when the skin or the style changes.
    virtual void BuildImages() {}

private:
    std::unique_ptr<TSkinUpDown> scroller_;
};
