#pragma once
// The base of the families that let the control paint itself and draw
// over it afterwards (edits, combo boxes, date pickers): their picture
// covers the window's edge as well, which the platform draws again at every
// WM_NCPAINT, so they draw once more after it.
#include "engine/controls/skin_control.h"

class TSkinDrawnOver : public TSkinControl {
    VELMORA_CLASS()
protected:
    void AfterMessage(TMessage& m) override;
};
