#include "engine/controls/tab31.h"

#include "core/skin_model.h"
#include "engine/controls/tab_rules.h"
#include "toolkit/gdi_objects.h"

void PaintTabSet(HDC dc, const RECT& rect, const TTabSetLook& look) {
    TBrushHandle face(CreateSolidBrush(look.Face));
    FillRect(dc, &rect, face.Get());
    if (!look.Element || !look.TabImage || look.TabImage->Empty()) return;
    TSelectObject font(dc, look.Font);
    SetBkMode(dc, TRANSPARENT);
    for (const TTabSetPlace& place : look.Places) {
        if (place.Index < 0 || place.Index >= static_cast<int>(look.Tabs.size())) continue;
        const int frame = place.Index == look.Selected ? 2 : 1;
        DrawTabFace(dc, place.Rect, *look.TabImage, look.TabMargins, *look.Element, frame);
        SetTextColor(dc, TabTextColour(frame == 1 ? look.Element->NormalColour2
                                                  : look.Element->MouseOverColour2));
        RECT text = place.Rect;
        OffsetRect(&text, 0, -1);
        const std::wstring& caption = look.Tabs[place.Index];
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

const TClassInfo& TSkinTab31::StaticClass() {
    static const TClassInfo info(L"TSkinTab31", &TSkinTabBase::StaticClass());
    return info;
}

void TSkinTab31::OnAttach() {
    BuildImages();
    if (const auto* tabSet = dynamic_cast<const TTabSet*>(Control()))
        AttachScroller(tabSet->Scroller());
}

// The tabs hang from the strip's top edge: the tab image upside down.
void TSkinTab31::BuildImages() {
    tabImage_.Clear();
    const TDataSkinBorder* tabs = Skin().Tabs.get();
    if (!tabs) return;
    tabImage_ = tabs->Bitmap;
    tabMargins_ = tabs->Margins();
    TurnTabImage(tabImage_, tabMargins_, TTabSide::Bottom);
}

void TSkinTab31::DrawSkin(HDC dc, const RECT& rect) {
    TTabSetLook look;
    look.Element = Skin().Tabs.get();
    look.TabImage = &tabImage_;
    look.TabMargins = tabMargins_;
    look.Face = FaceColour();
    if (auto* tabSet = dynamic_cast<TTabSet*>(Control())) {
        look.Tabs = tabSet->Tabs();
        look.Places = tabSet->Places();
        look.Selected = tabSet->TabIndex();
        look.Font = tabSet->GetFont().Handle();
    }
    PaintBuffered(dc, rect, [&](HDC buffer) { PaintTabSet(buffer, rect, look); });
}
