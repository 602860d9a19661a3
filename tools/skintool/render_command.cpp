// skintool render SKIN OUT.bmp: a labelled sheet of a skin file, true to
// how the program paints it.
#include "tool_command.h"

#include "element_row.h"
#include "label_font.h"
#include "render_sheet.h"
#include "skin_model_file.h"
#include "window_mockup.h"

#include "core/bmp_writer.h"
#include "core/nine_slice.h"

#include <algorithm>
#include <memory>

namespace {

const char* const kUsage = "render SKIN OUT.bmp";
const char* const kDescription =
    "Loads the skin file SKIN as the program does and writes a 24-bit BMP sheet.\n"
    "At the top, a small window composed from the skin's own pieces the way the\n"
    "frame painter composes them: borders, title bar with the caption buttons of\n"
    "a plain sizeable window, menu bar, face colour. Then one row per element\n"
    "record (and one for each second picture: the up-down arrows, the tab page\n"
    "frame), headed by its INI section (and key), its picture size, its frame\n"
    "count, whether its frames lie side by side or stacked, and whether its\n"
    "middle is stretched or tiled; below, every frame cut from the strip as\n"
    "painting cuts it, outlined and numbered, and \"as painted\": frame 1\n"
    "composed at 120 x 40 (borders, bars and track channels at their own\n"
    "thickness and 120 long) with its\n"
    "fixed edges and middle fill. A record without a picture shows a red\n"
    "MISSING box. Key-colour pixels show the grey background.";

constexpr TColour kBackground = MakeColour(160, 160, 160);
constexpr TColour kInk = MakeColour(0, 0, 0);

// The second pictures some elements carry (the up-down arrows, the tab page
// frame), as records of their own so that they get rows like the rest.
std::unique_ptr<TDataSkinObject> SecondPicture(const TSkinModel& skin, const TDataSkinObject& e) {
    const char* key = &e == skin.Tabs.get()                                        ? "Border"
                      : &e == skin.UpDownHorz.get() || &e == skin.UpDownVert.get() ? "GlyphImage"
                                                                                   : nullptr;
    const auto* owner = dynamic_cast<const TDataSkinBorder*>(&e);
    if (!key || !owner || owner->Bitmap2.Empty()) return nullptr;
    auto record = std::make_unique<TDataSkinObject>(e.Name + " " + key);
    record->Bitmap = owner->Bitmap2;
    // The arrows share their faces' frames; the page frame is one picture.
    record->FrameCount = &e == skin.Tabs.get() ? 1 : e.FrameCount;
    if (&e == skin.Tabs.get()) record->SetMargins(e.Margins());
    return record;
}

int RunRenderCommand(const TToolArgs& args) {
    if (WantsHelp(args)) return PrintCommandHelp(kUsage, kDescription);
    RequireArgs(args, 2, kUsage);
    TSkinModel model;
    LoadSkinModelFile(args[0], model);

    std::vector<std::pair<const TDataSkinObject*, TElementRow>> rows;
    std::vector<std::unique_ptr<TDataSkinObject>> seconds;
    int width = kSheetMockupX + kMockupWidth + kSheetGap;
    int height = kSheetMockupY + kMockupHeight + 2 * kSheetGap;
    const auto addRow = [&](const TDataSkinObject& e) {
        rows.emplace_back(&e, LayOutRow(model, e));
        width = std::max(width, kSheetGap * 2 + rows.back().second.Width);
        height += rows.back().second.Height + kSheetGap * 2;
    };
    for (const TDataSkinObject* e : SkinElements(model)) {
        addRow(*e);
        if (auto second = SecondPicture(model, *e)) {
            seconds.push_back(std::move(second));
            addRow(*seconds.back());
        }
    }

    TPixelBitmap sheet(width, height, kBackground);
    DrawLabel(sheet, kSheetGap, kSheetGap, "WINDOW  " + model.SkinName, kInk);
    DrawTransparent(sheet, kSheetMockupX, kSheetMockupY, ComposeWindowMockup(model));
    int y = kSheetMockupY + kMockupHeight + 2 * kSheetGap;
    for (const auto& [element, row] : rows) {
        DrawRow(sheet, kSheetGap, y, model, *element, row);
        y += row.Height + kSheetGap * 2;
    }
    WriteFileBytes(args[1], EncodeBmp24(sheet));
    return 0;
}

} // namespace

extern const TToolCommand kRenderCommand = {
    "render", kUsage, "write a labelled sheet of a skin as a BMP", RunRenderCommand};
