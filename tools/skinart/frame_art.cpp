#include "frame_art.h"

#include "contrast.h"
#include "glyphs.h"
#include "shapes.h"

#include <functional>

namespace skinart {
namespace {

constexpr int kCornerRadius = 8;
constexpr int kSampleWidth = 56; // width of the sample window the border pieces are cut from
constexpr int kSampleHeight = kCaptionHeight + 12 + kBorderWidth;
constexpr int kEndMargin = 12; // caption ends kept unstretched (they hold the corners)

constexpr int kCaptionButtonWidth = 28;
constexpr int kCaptionButtonHeight = 22;
constexpr int kCaptionButtonTop = (kCaptionHeight - kCaptionButtonHeight) / 2;
constexpr int kTextShift = 26; // past the window icon
constexpr int kIconLeft = 9;

constexpr int kMdiButtonWidth = 16;
constexpr int kMdiButtonHeight = 14;

struct FrameColours {
    Rgb top, bottom, gloss, outline, inner;
};

FrameColours ColoursFor(const Palette& p, bool active) {
    if (active)
        return {p.captionTop, p.captionBottom, p.captionGloss, p.frameOutline, p.frameInner};
    return {p.inactiveTop, p.inactiveBottom, p.inactiveGloss, p.inactiveOutline, p.inactiveInner};
}

// A whole small window frame; the four border pictures are cut out of it so
// that they meet without seams.
Image SampleWindow(const Palette& p, bool active) {
    const FrameColours c = ColoursFor(p, active);
    const int w = kSampleWidth, h = kSampleHeight, b = kBorderWidth;
    // Edge pixels of the rounded corners are blended against a mid tone that
    // suits light and dark desktops alike.
    Image image(w, h, Mix(c.outline, Hex(0x808080), 0.5));
    const Shape outer = TopRoundRect(0, 0, w, h, kCornerRadius);
    Fill(image, outer, [&](int, int y) {
        if (y >= kCaptionHeight) return c.bottom;
        return Mix(c.top, c.bottom, double(y) / (kCaptionHeight - 1));
    });
    // A soft highlight just under the top edge.
    const Shape glossBand = Subtract(TopRoundRect(1, 1, w - 1, h, kCornerRadius - 1),
                                     TopRoundRect(1, 2, w - 1, h, kCornerRadius - 1));
    Fill(image, glossBand, c.gloss, 0.9);
    Fill(image, Outline(outer, 1), c.outline);
    // The line where the frame meets the menu bar and the client area.
    image.FillRect(b - 1, kCaptionHeight, b, h - b + 1, c.inner);
    image.FillRect(w - b, kCaptionHeight, w - b + 1, h - b + 1, c.inner);
    image.FillRect(b - 1, h - b, w - b + 1, h - b + 1, c.inner);
    KeyOutside(image, outer);
    return image;
}

// The caption behind a caption button, taken from the middle of the sample.
Image CaptionBehind(const Image& sample, int top, int width, int height) {
    Image out(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            out.At(x, y) = sample.At(kSampleWidth / 2, top + y);
    return out;
}

using GlyphMaker = std::function<Shape(double cx, double cy)>;

struct CaptionButtonLook {
    Rgb hot, pressed, glyphHot;
    double hotAlpha, pressedAlpha;
};

// Frames: 1 normal, 2 pressed, 3 hot, 4 disabled or inactive window.
Image CaptionButtonStrip(const Palette& p, const GlyphMaker& glyph, const CaptionButtonLook& look) {
    const Image active = SampleWindow(p, true), inactive = SampleWindow(p, false);
    const int w = kCaptionButtonWidth, h = kCaptionButtonHeight;
    const Shape plate = RoundRect(1, 1, w - 1, h - 1, 4);
    const Shape mark = glyph(w / 2.0, h / 2.0);
    std::vector<Image> frames;
    for (int state = 1; state <= 3; ++state) {
        Image f = CaptionBehind(active, kCaptionButtonTop, w, h);
        Rgb glyphColour = p.titleText;
        if (state == 2) Fill(f, plate, look.pressed, look.pressedAlpha);
        if (state == 3) Fill(f, plate, look.hot, look.hotAlpha);
        if (state != 1 && look.hotAlpha >= 1.0) glyphColour = look.glyphHot;
        Fill(f, mark, glyphColour);
        frames.push_back(f);
    }
    // The resting look of an inactive window, or a disabled button: drawn
    // transparently so that it suits both caption colours.
    Image off = CaptionBehind(inactive, kCaptionButtonTop, w, h);
    Fill(off, mark, p.inactiveTitleText, 0.8);
    KeyBelow(off, mark, 0.3);
    frames.push_back(off);
    return HorizontalStrip(frames);
}

void CheckCaptionContrast(const Palette& p, SkinOutput& out) {
    const Image active = SampleWindow(p, true), inactive = SampleWindow(p, false);
    const int x0 = kBorderWidth + kTextShift, x1 = kSampleWidth - kBorderWidth - kEndMargin;
    out.CheckContrast("caption text on active title",
                      WorstContrast(p.titleText, active, x0, 5, x1, kCaptionHeight - 5));
    out.CheckContrast("caption text on inactive title",
                      WorstContrast(p.inactiveTitleText, inactive, x0, 5, x1, kCaptionHeight - 5));
}

void AddButtonSection(SkinOutput& out, const std::string& section, const std::string& image,
                      int action, int align, int x, int visibility, int visibility1) {
    out.Set(section, "Action", action);
    out.Set(section, "Align", align);
    out.Set(section, "Xcoord", x);
    out.Set(section, "Ycoord", image.empty() ? (kCaptionHeight - 16) / 2 : kCaptionButtonTop);
    out.Set(section, "Visibility", visibility);
    out.Set(section, "Visibility1", visibility1);
    if (!image.empty()) {
        out.Set(section, "ButtonImage", image);
        out.Set(section, "frame", 4);
    }
}

} // namespace

void AddFrame(const Palette& p, SkinOutput& out) {
    const Image active = SampleWindow(p, true), inactive = SampleWindow(p, false);
    const int w = kSampleWidth, h = kSampleHeight, b = kBorderWidth;
    const std::string s = "Personality";

    out.Set(s, "Left",
            out.AddImage("frameleft.bmp",
                         HorizontalStrip({active.Crop(0, 0, b, h), inactive.Crop(0, 0, b, h)})));
    out.Set(s, "LeftTopHeight", kCaptionHeight);
    out.Set(s, "LeftBotHeight", b);
    out.Set(s, "LeftFrame", 2);
    out.Set(s, "LeftStretch", 1);
    out.Set(s, "LeftTrans", 1);

    out.Set(s, "Right",
            out.AddImage("frameright.bmp", HorizontalStrip({active.Crop(w - b, 0, w, h),
                                                            inactive.Crop(w - b, 0, w, h)})));
    out.Set(s, "RightTopHeight", kCaptionHeight);
    out.Set(s, "RightBotHeight", b);
    out.Set(s, "RightFrame", 2);
    out.Set(s, "RightStretch", 1);
    out.Set(s, "RightTrans", 1);

    out.Set(
        s, "Top",
        out.AddImage("frametop.bmp", VerticalStrip({active.Crop(b, 0, w - b, kCaptionHeight),
                                                    inactive.Crop(b, 0, w - b, kCaptionHeight)})));
    out.Set(s, "TopTopHeight", kEndMargin);
    out.Set(s, "TopBotHeight", kEndMargin);
    out.Set(s, "TopFrame", 2);
    out.Set(s, "TopStretch", 1);
    out.Set(s, "TopTrans", 1);

    out.Set(s, "Bottom",
            out.AddImage("framebottom.bmp", VerticalStrip({active.Crop(b, h - b, w - b, h),
                                                           inactive.Crop(b, h - b, w - b, h)})));
    out.Set(s, "BottomTopHeight", 2);
    out.Set(s, "BottomBotHeight", 2);
    out.Set(s, "BottomFrame", 2);
    out.Set(s, "BottomStretch", 1);
    out.Set(s, "BottomTrans", 0);

    out.Set(s, "TextShift", kTextShift);
    out.Set(s, "TextShiftVert", 0);
    out.Set(s, "TextRightClip", 3 * kCaptionButtonWidth + 12);
    out.Set(s, "TextAlignment", 0);
    out.Set(s, "Textbackground", 0);
    const auto rgb = [&](const std::string& prefix, Rgb c) {
        out.Set(s, prefix + "R", int(c.r));
        out.Set(s, prefix + "G", int(c.g));
        out.Set(s, prefix + "B", int(c.b));
    };
    rgb("ActiveText", p.titleText);
    rgb("InActiveText", p.inactiveTitleText);
    CheckCaptionContrast(p, out);
}

void AddCaptionButtons(const Palette& p, SkinOutput& out) {
    const CaptionButtonLook plain{p.captionHot, p.captionPressed, p.titleText, p.captionHotAlpha,
                                  p.captionPressedAlpha};
    const CaptionButtonLook close{p.closeHot, p.closePressed, p.closeGlyphHot, 1.0, 1.0};
    const std::string closeImage =
        out.AddImage("btnclose.bmp",
                     CaptionButtonStrip(
                         p, [](double x, double y) { return CloseGlyph(x, y, 9, 1.25); }, close));
    const std::string maxImage = out.AddImage(
        "btnmax.bmp",
        CaptionButtonStrip(
            p, [](double x, double y) { return MaximizeGlyph(x, y, 10, 1.1); }, plain));
    const std::string restoreImage =
        out.AddImage("btnrestore.bmp",
                     CaptionButtonStrip(
                         p, [](double x, double y) { return RestoreGlyph(x, y, 10, 1.1); }, plain));
    const std::string minImage = out.AddImage(
        "btnmin.bmp",
        CaptionButtonStrip(
            p, [](double x, double y) { return MinimizeGlyph(x, y, 10, 1.2); }, plain));
    const std::string helpImage = out.AddImage(
        "btnhelp.bmp", CaptionButtonStrip(
                           p, [](double x, double y) { return HelpGlyph(x, y, 11, 1.3); }, plain));

    const int closeX = kBorderWidth + 2 + kCaptionButtonWidth;
    const int maxX = closeX + kCaptionButtonWidth;
    const int minX = maxX + kCaptionButtonWidth;
    // Window icon: the loader gives it the window's own small icon.
    AddButtonSection(out, "Button1", "", 3, 0, kIconLeft, 0, 0);
    AddButtonSection(out, "Button2", closeImage, 0, 1, closeX, 0, 0);
    // Maximize before help: help takes its place on windows without min/max boxes.
    AddButtonSection(out, "Button3", maxImage, 1, 1, maxX, 2, 6);
    AddButtonSection(out, "Button4", restoreImage, 1, 1, maxX, 1, 6);
    AddButtonSection(out, "Button5", minImage, 2, 1, minX, 8, 0);
    AddButtonSection(out, "Button6", helpImage, 4, 1, maxX, 10, 10);
}

void AddMdiControls(const Palette& p, SkinOutput& out) {
    const int w = kMdiButtonWidth, h = kMdiButtonHeight;
    const Shape plate = RoundRect(0.5, 0.5, w - 0.5, h - 0.5, 3);
    const std::vector<std::function<Shape(double, double)>> glyphs = {
        [](double x, double y) { return MinimizeGlyph(x, y, 8, 1.2); },
        [](double x, double y) { return RestoreGlyph(x, y, 8, 1.0); },
        [](double x, double y) { return CloseGlyph(x, y, 7, 1.2); }};
    std::vector<Image> frames;
    for (const auto& glyph : glyphs)
        // 1 normal, 2 pressed, 3 and 4 hot (the menu bar shows hot as frame 4).
        for (int state = 1; state <= 4; ++state) {
            Image f(w, h, p.menuBar);
            if (state == 2) Fill(f, plate, p.accentLight, 0.55);
            if (state >= 3) Fill(f, plate, p.accentSoft);
            if (state != 1) Fill(f, Outline(plate, 1), p.accentLight);
            Fill(f, glyph(w / 2.0, h / 2.0), p.menuBarText);
            frames.push_back(f);
        }
    out.Set("MDICONTROLS", "Image", out.AddImage("mdicontrols.bmp", HorizontalStrip(frames)));
}

void AddColours(const Palette& p, SkinOutput& out) {
    out.Set("TitlebarSkin", "SkinName", p.skinName);
    out.Set("Fonts", "FontHeight", 14);
    const std::string c = "Colours";
    out.Set(c, "WindowText", p.windowText);
    out.Set(c, "TitleTextActive", p.titleText);
    out.Set(c, "TitleTextNoActive", p.inactiveTitleText);
    out.Set(c, "ButtonFace", p.face);
    out.Set(c, "ButtonText", p.buttonText);
    out.Set(c, "ButtonHilight", p.light);
    out.Set(c, "Buttonlight", p.light);
    out.Set(c, "ButtonShadow", p.shadow);
    out.Set(c, "ButtonDkShadow", p.darkShadow);
    out.Set(c, "HilightText", p.selectionText);
    out.Set(c, "Hilight", p.selection);
    out.Set(c, "Menubar", p.menuBar);
    out.Set(c, "MenuBarText", p.menuBarText);
    out.Set(c, "MenuText", p.menuText);
    out.Set(c, "Menu", p.menu);
    out.Set(c, "Scrollbar", p.track);

    out.CheckContrast("list text on window", ContrastRatio(p.windowText, p.window));
    out.CheckContrast("window text on face", ContrastRatio(p.windowText, p.face));
    out.CheckContrast("selected text on selection", ContrastRatio(p.selectionText, p.selection));
}

} // namespace skinart
