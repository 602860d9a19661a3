#include "engine/win_skin_form.h"

#include "engine/skin_data.h"

// Placeholder bodies; frame painting is being built.
void TWinSkinForm::HandleNCPaint(TMessage& m) { Default(m); }
void TWinSkinForm::PaintFrame(HDC) {}
void TWinSkinForm::PaintTitle(HDC) {}
void TWinSkinForm::PaintBorderPart(int, const RECT&, HDC) {}
void TWinSkinForm::PaintCaptionText(TCanvas&, const RECT&) {}
const TDataSkinBorder& TWinSkinForm::BorderRecord(int part) const {
    const TSkinModel& skin = SkinData->Skin();
    switch (part) {
    case bpLeft: return skin.Left;
    case bpRight: return skin.Right;
    case bpTop: return skin.Top;
    default: return skin.Bottom;
    }
}
