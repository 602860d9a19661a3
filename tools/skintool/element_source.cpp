#include "element_source.h"

std::string TElementSource::Label() const {
    if (Section == "Personality") return Section + " " + Key;
    return Section;
}

TElementSource SourceOf(const TSkinModel& m, const TDataSkinObject& e) {
    for (const TDataSkinObject* border : {&m.Left, &m.Right, &m.Top, &m.Bottom})
        if (&e == border) return {"Personality", e.Name};
    if (&e == &m.Title) return {"Personality", "TextBack"};
    if (&e == m.MenuBarImage.get()) return {"Personality", "menuBar"};
    if (&e == &m.Buttons) return {"Buttons", "Bitmap"};
    if (&e == m.Progress.get()) return {"Progress", "Bitmap"};
    if (&e == m.ComboArrow.get() || &e == m.ToolbarBackground.get()) return {};
    if (dynamic_cast<const TDataSkinSysButton*>(&e))
        return e.Name == "MDICONTROLS" ? TElementSource{"MDICONTROLS", "Image"}
                                       : TElementSource{e.Name, "ButtonImage"};
    return {e.Name, "Image"};
}
