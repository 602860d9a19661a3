// skintool render SKIN OUT.bmp: an element sheet of a skin file.
#include "tool_command.h"

#include "skin_model_file.h"

#include "core/bmp_writer.h"
#include "core/nine_slice.h"

#include <algorithm>

namespace {

const char* const kUsage = "render SKIN OUT.bmp";
const char* const kDescription =
    "Loads the skin file SKIN as the program does and writes a 24-bit BMP sheet:\n"
    "one row per element record, its whole image strip on the left and, on the\n"
    "right, its first frame composed at 120 x 40 with its margins and tiling, the\n"
    "way painting stretches it (key-colour parts show the grey background).";

constexpr int kGap = 6;
constexpr int kSampleWidth = 120;
constexpr int kSampleHeight = 40;
constexpr TColour kBackground = MakeColour(160, 160, 160);

int RunRenderCommand(const TToolArgs& args) {
    if (WantsHelp(args)) return PrintCommandHelp(kUsage, kDescription);
    RequireArgs(args, 2, kUsage);
    TSkinModel model;
    LoadSkinModelFile(args[0], model);
    const std::vector<const TDataSkinObject*> elements = SkinElements(model);

    int stripWidth = 0, height = kGap;
    for (const TDataSkinObject* e : elements) {
        stripWidth = std::max(stripWidth, e->Bitmap.Width());
        height += std::max(e->Bitmap.Height(), kSampleHeight) + kGap;
    }
    TPixelBitmap sheet(kGap * 3 + stripWidth + kSampleWidth, height, kBackground);
    int y = kGap;
    for (const TDataSkinObject* e : elements) {
        DrawTransparent(sheet, kGap, y, e->Bitmap);
        if (!e->Bitmap.Empty()) {
            const TPixelBitmap sample =
                BuildSkinBitmap(kSampleWidth, kSampleHeight, e->Frame(1), e->Margins(),
                                TStripAxis::Horizontal, e->Fill());
            DrawTransparent(sheet, kGap * 2 + stripWidth, y, sample);
        }
        y += std::max(e->Bitmap.Height(), kSampleHeight) + kGap;
    }
    WriteFileBytes(args[1], EncodeBmp24(sheet));
    return 0;
}

} // namespace

extern const TToolCommand kRenderCommand = {"render", kUsage, "write an element sheet as a BMP",
                                            RunRenderCommand};
