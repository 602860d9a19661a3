// skintool info SKIN: what the skin loader reads from a skin file.
#include "tool_command.h"

#include "skin_model_file.h"

#include <cstdio>

namespace {

const char* const kUsage = "info SKIN";
const char* const kDescription =
    "Loads the skin file SKIN as the program does and prints what it read: the\n"
    "skin name, the colour table (given colours marked with *, system colours as\n"
    "sys:N), then one line per element record: name, image size, frame count,\n"
    "margins (left top right bottom), Trans, Tile and Style; caption buttons\n"
    "also show Action, Align, position and visibility.";

const char* const kColourNames[sciCount] = {"WindowText",
                                            "TitleTextActive",
                                            "TitleTextNoActive",
                                            "ButtonFace",
                                            "ButtonText",
                                            "ButtonHilight",
                                            "Buttonlight",
                                            "ButtonShadow",
                                            "ButtonDkShadow",
                                            "-",
                                            "-",
                                            "HilightText",
                                            "Hilight",
                                            "Menubar",
                                            "MenuBarText",
                                            "MenuText",
                                            "Menu",
                                            "(base colour)",
                                            "Scrollbar"};

void PrintColour(const char* label, TColour colour, bool given) {
    if (IsSystemColour(colour))
        std::printf("  %-18s sys:%d%s\n", label, colour & 0xFF, given ? " *" : "");
    else
        std::printf("  %-18s %3d %3d %3d%s\n", label, RedOf(colour), GreenOf(colour),
                    BlueOf(colour), given ? " *" : "");
}

void PrintElement(const TDataSkinObject& e) {
    std::printf("  %-20s %4dx%-4d frames %-3d margins %d %d %d %d  trans %d tile %d style %d",
                e.Name.c_str(), e.Bitmap.Width(), e.Bitmap.Height(), e.FrameCount, e.LeftWidth,
                e.TopHeight, e.RightWidth, e.BottomHeight, e.Trans, e.Tile, e.Style);
    if (const auto* button = dynamic_cast<const TDataSkinSysButton*>(&e))
        std::printf("  action %d align %d at %d,%d visibility %d/%d", button->Action, button->Align,
                    button->XCoord, button->YCoord, button->Visibility, button->Visibility1);
    std::printf("\n");
}

int RunInfoCommand(const TToolArgs& args) {
    if (WantsHelp(args)) return PrintCommandHelp(kUsage, kDescription);
    RequireArgs(args, 1, kUsage);
    TSkinModel model;
    LoadSkinModelFile(args[0], model);
    std::printf("skin name: %s\ncolours:\n", model.SkinName.c_str());
    for (int i = 0; i < sciCount; ++i)
        if (i != 9 && i != 10)
            PrintColour(kColourNames[i], model.Colours[static_cast<std::size_t>(i)],
                        model.ColourGiven[static_cast<std::size_t>(i)]);
    for (std::size_t i = 0; i < model.ExtraColours.size(); ++i)
        PrintColour(("extra " + std::to_string(i)).c_str(), model.ExtraColours[i], false);
    std::printf("elements:\n");
    for (const TDataSkinObject* element : SkinElements(model))
        PrintElement(*element);
    return 0;
}

} // namespace

extern const TToolCommand kInfoCommand = {"info", kUsage, "show what the skin loader reads",
                                          RunInfoCommand};
