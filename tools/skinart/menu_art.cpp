#include "menu_art.h"

#include "contrast.h"
#include "shapes.h"

namespace skinart {
namespace {

constexpr int kGutter = 28; // popup column holding check marks and item images

void AddMenuBar(const Palette& p, SkinOutput& out) {
    const int w = 32, h = 20;
    std::vector<Image> frames;
    for (bool active : {true, false}) {
        const Rgb fill = active ? p.menuBar : Mix(p.menuBar, p.face, 0.6);
        Image f(w, h, fill);
        f.FillRect(0, h - 1, w, h, p.menuBarLine);
        out.CheckContrast(active ? "menu bar text on active menu bar"
                                 : "menu bar text on inactive menu bar",
                          WorstContrast(p.menuBarText, f, 0, 0, w, h - 1));
        frames.push_back(f);
    }
    const std::string s = "Personality";
    out.Set(s, "menuBar", out.AddImage("menubar.bmp", VerticalStrip(frames)));
    out.Set(s, "TileMenu", 1);
    out.Set(s, "TileLeftMenu", 1);
    out.Set(s, "TileRightMenu", 1);
}

void AddMenuBackground(const Palette& p, SkinOutput& out) {
    const int w = 48, h = 48;
    Image image(w, h, p.menu);
    image.FillRect(1, 1, kGutter, h - 1, p.menuGutter);
    image.FillRect(kGutter - 1, 1, kGutter, h - 1, Mix(p.menuGutter, p.menuBorder, 0.25));
    Fill(image, Outline(RoundRect(0, 0, w, h, 0), 1), p.menuBorder);
    const std::string s = "MenuBackground";
    out.Set(s, "Image", out.AddImage("menubackground.bmp", image));
    out.Set(s, "LeftWidth", kGutter + 2);
    out.Set(s, "RightWidth", 4);
    out.Set(s, "TopHeight", 4);
    out.Set(s, "BottomHeight", 4);
    out.Set(s, "Tile", 0);
    out.CheckContrast("menu text on menu", ContrastRatio(p.menuText, p.menu));
    out.CheckContrast("menu text on menu gutter", ContrastRatio(p.menuText, p.menuGutter));
}

// Frames: 1 normal (the popup background shows through), 2 separator,
// 3 selected while disabled, 4 selected, 5 as 4.
void AddMenuItem(const Palette& p, SkinOutput& out) {
    const int w = 24, h = 22;
    const Shape plate = RoundRect(1, 1, w - 1, h - 1, 3);
    std::vector<Image> frames;
    frames.push_back(Image(w, h, kKey));
    Image separator(w, h, kKey);
    separator.FillRect(4, h - 4, w - 4, h - 3, Mix(p.menuBorder, p.menu, 0.45));
    frames.push_back(separator);
    for (Rgb fill : {Mix(p.selection, p.menu, 0.75), p.selection, p.selection}) {
        Image f(w, h, p.menu);
        Fill(f, plate, fill);
        KeyOutside(f, plate);
        frames.push_back(f);
    }
    out.CheckContrast("selected menu text on selected item",
                      WorstContrast(p.selectionText, frames[3], 3, 3, w - 3, h - 3));
    const std::string s = "MenuItem";
    out.Set(s, "Image", out.AddImage("menuitem.bmp", HorizontalStrip(frames)));
    out.Set(s, "LeftWidth", 4);
    out.Set(s, "RightWidth", 4);
    out.Set(s, "TopHeight", 4);
    out.Set(s, "BottomHeight", 4);
    out.Set(s, "Trans", 1);
    out.Set(s, "Tile", 0);
    out.Set(s, "Frame", 5);
}

} // namespace

void AddMenus(const Palette& p, SkinOutput& out) {
    AddMenuBar(p, out);
    AddMenuItem(p, out);
    AddMenuBackground(p, out);
}

} // namespace skinart
