// Frame strips against their pictures: a strip must divide into its frames
// without a remainder, and an element's fixed edges must fit in one frame.
#include "check_context.h"

#include "element_source.h"

#include "core/bmp_decoder.h"
#include "core/element_layout.h"

#include <algorithm>
#include <set>

namespace {

struct TStripUse {
    TElementSource Source;
    TStripAxis Axis = TStripAxis::Horizontal;
    int Frames = 1;
    bool HasMargins = false; // the title's and menu bar's fields are not margins
    TSkinMargins Margins;
    // The track channels are painted at their picture's own height (width):
    // their edges along that side never have to fit a smaller size.
    bool OwnHeight = false, OwnWidth = false;
};

std::string Ratio(int length, int frames) {
    const int tenths = length * 10 / frames;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

void CheckFrames(TCheckContext& c, const TStripUse& use, const TPixelBitmap& picture) {
    const bool stacked = use.Axis == TStripAxis::Vertical;
    const int length = stacked ? picture.Height() : picture.Width();
    if (length % use.Frames == 0) return;
    const std::string side = stacked ? "high" : "wide";
    c.Report(TSeverity::Error, c.IniName(), use.Source.Section, use.Source.Key,
             "the picture is " + std::to_string(length) + " pixels " + side +
                 ", not a whole "
                 "number of its " +
                 std::to_string(use.Frames) + (stacked ? " stacked" : "") + " frames (" +
                 Ratio(length, use.Frames) +
                 " each): painting drops the rest and "
                 "frames shift; make it " +
                 std::to_string(length / use.Frames * use.Frames) + " or " +
                 std::to_string((length / use.Frames + 1) * use.Frames));
}

void CheckMargins(TCheckContext& c, const TStripUse& use, const TPixelBitmap& picture) {
    const bool stacked = use.Axis == TStripAxis::Vertical;
    const int w = stacked ? picture.Width() : picture.Width() / use.Frames;
    const int h = stacked ? picture.Height() / use.Frames : picture.Height();
    const TSkinMargins& m = use.Margins;
    const auto report = [&](const std::string& keys, int sum, const std::string& side, int size) {
        c.Report(TSeverity::Warning, c.IniName(), use.Source.Section, keys,
                 "the fixed edges (" + std::to_string(sum) + " pixels) exceed the frame's " + side +
                     " (" + std::to_string(size) +
                     "): the frame has no middle, so painted larger its middle stays "
                     "black; make them smaller");
    };
    if (m.Left + m.Right > w && !use.OwnWidth)
        report("LeftWidth/RightWidth", m.Left + m.Right, "width", w);
    if (m.Top + m.Bottom > h && !use.OwnHeight)
        report("TopHeight/BottomHeight", m.Top + m.Bottom, "height", h);
}

// Where a record's margin fields are margins of the author's picture: the
// title's hold text offsets, the menu bar's tile flags, the combo pieces'
// those of the strip the loader builds; caption buttons have none.
bool MarginsApply(const TSkinModel& m, const TDataSkinObject* e) {
    return e != &m.Title && e != m.MenuBarImage.get() && e != m.SunkEdge.get() &&
           e != m.ComboButton.get() && !dynamic_cast<const TDataSkinSysButton*>(e);
}

// A strip of marks or glyphs, drawn unscaled: frames only, no margins.
TStripUse Marks(const std::string& section, const std::string& key, int frames) {
    TStripUse use;
    use.Source = {section, key};
    use.Frames = std::max(frames, 1);
    return use;
}

std::vector<TStripUse> StripUses(const TSkinModel& m) {
    std::vector<TStripUse> uses;
    for (const TDataSkinObject* e : SkinElements(m)) {
        TStripUse use{SourceOf(m, *e), StripAxisOf(m, *e), e->Frames(), MarginsApply(m, e),
                      e->Margins()};
        if (use.Source.Section.empty()) continue;
        if (use.Source.Section == "MDICONTROLS") use.Frames = 12; // the records hold 4 each
        use.OwnHeight = e == m.Track.get();
        use.OwnWidth = e == m.TrackVert.get();
        uses.push_back(use);
        if (e == m.UpDownHorz.get() || e == m.UpDownVert.get())
            uses.push_back(Marks(e->Name, "GlyphImage", e->Frames()));
    }
    uses.push_back(Marks("Buttons", "CheckButton", m.Buttons.CheckFrameCount));
    uses.push_back(Marks("Buttons", "RadioButton", m.Buttons.RadioFrameCount));
    return uses;
}

} // namespace

void CheckStrips(TCheckContext& c) {
    if (!c.Ini) return;
    std::set<std::string> done;
    for (const TStripUse& use : StripUses(c.Model)) {
        if (!done.insert(use.Source.Section + "/" + use.Source.Key).second) continue;
        const std::string value = c.Text.ReadString(use.Source.Section, use.Source.Key, "");
        const TSkinSourceFile* file = c.Source.Lookup(PictureFileName(value));
        if (value.empty() || !file) continue;
        const TPixelBitmap picture = DecodeBmp(file->Bytes);
        if (picture.Empty()) continue;
        CheckFrames(c, use, picture);
        if (use.HasMargins) CheckMargins(c, use, picture);
    }
}
