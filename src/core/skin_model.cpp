#include "core/skin_model.h"

#include "core/platform_facts.h"

TColour TSkinModel::Colour(TSkinColourIndex index) const {
    return ColourToRGB(Colours[static_cast<size_t>(index)]);
}

std::vector<const TDataSkinObject*> SkinElements(const TSkinModel& m) {
    std::vector<const TDataSkinObject*> elements = {&m.Left,   &m.Right,   &m.Top,
                                                    &m.Bottom, &m.Buttons, &m.Title};
    const TDataSkinObject* slots[] = {
        m.Progress.get(),
        m.ProgressChunk.get(),
        m.MenuBarImage.get(),
        m.GroupBoxEdge.get(),
        m.GroupBox.get(),
        m.Tabs.get(),
        m.StatusBarEdges.get(),
        m.TabPane.get(),
        m.ToolBars.get(),
        m.ComboButton.get(),
        m.SunkEdge.get(),
        m.ExtraImages.get(),
        m.Headerbar.get(),
        m.MenuItem.get(),
        m.MenuBackground.get(),
        m.Scrollbar.get(),
        m.HorzScroll.get(),
        m.VertScroll.get(),
        m.HorzScrollThumb.get(),
        m.VertScrollThumb.get(),
        m.TrackbarThumbHorz.get(),
        m.TrackbarThumbVert.get(),
        m.TrackbarThumbLeft.get(),
        m.TrackbarThumbRight.get(),
        m.TrackbarThumbUp.get(),
        m.TrackbarThumbDown.get(),
        m.UpDownHorz.get(),
        m.UpDownVert.get(),
        m.Track.get(),
        m.TrackVert.get(),
        m.ComboArrow.get(),
        m.ToolbarBackground.get(),
    };
    for (const TDataSkinObject* slot : slots)
        if (slot) elements.push_back(slot);
    for (const auto& button : m.SysButtonRecords)
        elements.push_back(button.get());
    return elements;
}
