#include "core/element_layout.h"

namespace {

bool IsBorder(const TSkinModel& skin, const TDataSkinObject& element) {
    return &element == &skin.Left || &element == &skin.Right || &element == &skin.Top ||
           &element == &skin.Bottom;
}

} // namespace

TStripAxis StripAxisOf(const TSkinModel& skin, const TDataSkinObject& element) {
    const bool stacked = &element == &skin.Top || &element == &skin.Bottom ||
                         &element == &skin.Title || &element == skin.MenuBarImage.get();
    return stacked ? TStripAxis::Vertical : TStripAxis::Horizontal;
}

TCentreFill CentreFillOf(const TSkinModel& skin, const TDataSkinObject& element) {
    if (IsBorder(skin, element)) return static_cast<const TDataSkinBorder&>(element).BorderFill();
    return element.Fill();
}
