// skintool render SKIN OUT.bmp: an element sheet of a skin file.
#include "tool_command.h"

#include "label_font.h"
#include "skin_model_file.h"

#include "core/bmp_writer.h"
#include "core/nine_slice.h"

#include <algorithm>

namespace {

const char* const kUsage = "render SKIN OUT.bmp";
const char* const kDescription =
    "Loads the skin file SKIN as the program does and writes a 24-bit BMP sheet:\n"
    "one row per element record, labelled on the left with its INI section name,\n"
    "then its whole image strip and, on the right, its first frame composed at\n"
    "120 x 40 with its margins and tiling, the way painting stretches it\n"
    "(key-colour parts show the grey background).";

constexpr int kGap = 6;
constexpr int kSampleWidth = 120;
constexpr int kSampleHeight = 40;
constexpr TColour kBackground = MakeColour(160, 160, 160);
constexpr TColour kLabelColour = MakeColour(0, 0, 0);

// The INI section a row comes from. The window frame's pieces, the title
// and the menu bar are keys of [Personality]: their rows name the key too.
std::string RowLabel(const TSkinModel& m, const TDataSkinObject* e) {
    for (const TDataSkinObject* border : {&m.Left, &m.Right, &m.Top, &m.Bottom})
        if (e == border) return "Personality " + e->Name;
    if (e == &m.Title) return "Personality TextBack";
    if (e == m.MenuBarImage.get()) return "Personality menuBar";
    return e->Name;
}

int RunRenderCommand(const TToolArgs& args) {
    if (WantsHelp(args)) return PrintCommandHelp(kUsage, kDescription);
    RequireArgs(args, 2, kUsage);
    TSkinModel model;
    LoadSkinModelFile(args[0], model);
    const std::vector<const TDataSkinObject*> elements = SkinElements(model);

    int labelWidth = 0, stripWidth = 0, height = kGap;
    for (const TDataSkinObject* e : elements) {
        labelWidth =
            std::max(labelWidth, static_cast<int>(RowLabel(model, e).size()) * kLabelCharWidth);
        stripWidth = std::max(stripWidth, e->Bitmap.Width());
        height += std::max(e->Bitmap.Height(), kSampleHeight) + kGap;
    }
    const int stripX = kGap * 2 + labelWidth, sampleX = stripX + stripWidth + kGap;
    TPixelBitmap sheet(sampleX + kSampleWidth + kGap, height, kBackground);
    int y = kGap;
    for (const TDataSkinObject* e : elements) {
        DrawLabel(sheet, kGap, y, RowLabel(model, e), kLabelColour);
        DrawTransparent(sheet, stripX, y, e->Bitmap);
        if (!e->Bitmap.Empty()) {
            const TPixelBitmap sample =
                BuildSkinBitmap(kSampleWidth, kSampleHeight, e->Frame(1), e->Margins(),
                                TStripAxis::Horizontal, e->Fill());
            DrawTransparent(sheet, sampleX, y, sample);
        }
        y += std::max(e->Bitmap.Height(), kSampleHeight) + kGap;
    }
    WriteFileBytes(args[1], EncodeBmp24(sheet));
    return 0;
}

} // namespace

extern const TToolCommand kRenderCommand = {"render", kUsage, "write an element sheet as a BMP",
                                            RunRenderCommand};
