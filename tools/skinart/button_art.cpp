#include "button_art.h"

#include "contrast.h"
#include "glyphs.h"
#include "plate.h"

namespace skinart {
namespace {

constexpr int kMarkSize = 13;

PlateLook NormalLook(const Palette& p) {
    return {p.buttonBorder, p.buttonTop, p.buttonBottom};
}
PlateLook HotLook(const Palette& p) {
    return {p.hotBorder, p.hotTop, p.hotBottom};
}
PlateLook PressedLook(const Palette& p) {
    return {p.pressedBorder, p.pressedTop, p.pressedBottom};
}
PlateLook DisabledLook(const Palette& p) {
    return {p.disabledBorder, p.disabledFill, p.disabledFill};
}

void CheckTextOn(SkinOutput& out, const std::string& what, Rgb text, const Image& frame,
                 int inset) {
    out.CheckContrast(what, WorstContrast(text, frame, inset, inset, frame.Width() - inset,
                                          frame.Height() - inset));
}

// Frames: 1 normal, 2 pressed, 3 disabled, 4 hot, 5 focused or default.
Image PushButtonStrip(const Palette& p, SkinOutput& out) {
    const int w = 24, h = 24;
    const double r = 3.5;
    Image focused = PlateFrame(w, h, r, {p.accent, p.buttonTop, p.buttonBottom}, p.face);
    Fill(focused, Outline(RoundRect(1, 1, w - 1, h - 1, r - 1), 1), p.accentSoft);
    const std::vector<Image> frames = {PlateFrame(w, h, r, NormalLook(p), p.face),
                                       PlateFrame(w, h, r, PressedLook(p), p.face),
                                       PlateFrame(w, h, r, DisabledLook(p), p.face),
                                       PlateFrame(w, h, r, HotLook(p), p.face), focused};
    CheckTextOn(out, "button text on normal button", p.buttonText, frames[0], 3);
    CheckTextOn(out, "button text on pressed button", p.buttonText, frames[1], 3);
    CheckTextOn(out, "button text on hot button", p.buttonText, frames[3], 3);
    CheckTextOn(out, "button text on default button", p.buttonText, frames[4], 3);
    return HorizontalStrip(frames);
}

// One check box or radio circle on the face colour.
Image MarkFrame(const Palette& p, const Shape& box, const PlateLook& look, const Shape* mark,
                Rgb markColour) {
    Image f(kMarkSize, kMarkSize, p.face);
    DrawPlate(f, box, look);
    if (mark) Fill(f, *mark, markColour);
    KeyOutside(f, box);
    return f;
}

// The box looks for normal, hot, pressed and disabled, unmarked and marked.
struct MarkLooks {
    PlateLook plain[4];
    PlateLook marked[4];
    Rgb markColour[4];
};

MarkLooks LooksFor(const Palette& p, bool filledWhenMarked) {
    const Rgb white = p.window;
    MarkLooks m{{{p.buttonBorder, white, white},
                 {p.hotBorder, p.hotTop, p.hotTop},
                 {p.pressedBorder, p.pressedTop, p.pressedTop},
                 {p.disabledBorder, p.disabledFill, p.disabledFill}},
                {},
                {}};
    if (filledWhenMarked) {
        m.marked[0] = {p.accent, p.accent, p.accent};
        m.marked[1] = {p.accentLight, p.accentLight, p.accentLight};
        m.marked[2] = {p.pressedBorder, Mix(p.accent, p.darkShadow, 0.3),
                       Mix(p.accent, p.darkShadow, 0.3)};
        m.marked[3] = {p.disabledBorder, p.disabledBorder, p.disabledBorder};
        for (Rgb& c : m.markColour)
            c = p.window;
    } else {
        for (int i = 0; i < 4; ++i)
            m.marked[i] = m.plain[i];
        m.marked[0].border = p.accent;
        m.markColour[0] = m.markColour[1] = p.accent;
        m.markColour[2] = Mix(p.accent, p.darkShadow, 0.3);
        m.markColour[3] = p.disabledText;
    }
    return m;
}

// Twelve frames: unchecked, checked, indeterminate; each normal, hot,
// pressed, disabled.
Image CheckStrip(const Palette& p) {
    const Shape box = RoundRect(0, 0, kMarkSize, kMarkSize, 2.5);
    const Shape check = CheckGlyph(6.5, 6.6, 7.5, 1.6);
    const Shape dash = RoundRect(3.5, 5.5, 9.5, 7.5, 0.6);
    const MarkLooks filled = LooksFor(p, true), open = LooksFor(p, false);
    std::vector<Image> frames;
    for (int s = 0; s < 4; ++s)
        frames.push_back(MarkFrame(p, box, open.plain[s], nullptr, {}));
    for (int s = 0; s < 4; ++s)
        frames.push_back(MarkFrame(p, box, filled.marked[s], &check, filled.markColour[s]));
    for (int s = 0; s < 4; ++s)
        frames.push_back(MarkFrame(p, box, open.plain[s], &dash, open.markColour[s]));
    return HorizontalStrip(frames);
}

// Eight frames: unchecked, checked; each normal, hot, pressed, disabled.
Image RadioStrip(const Palette& p) {
    const Shape circle = Circle(6.5, 6.5, 6.5);
    const Shape dot = Circle(6.5, 6.5, 3.0);
    const MarkLooks open = LooksFor(p, false);
    std::vector<Image> frames;
    for (int s = 0; s < 4; ++s)
        frames.push_back(MarkFrame(p, circle, open.plain[s], nullptr, {}));
    for (int s = 0; s < 4; ++s)
        frames.push_back(MarkFrame(p, circle, open.marked[s], &dot, open.markColour[s]));
    return HorizontalStrip(frames);
}

} // namespace

void SetMargins(SkinOutput& out, const std::string& section, int left, int top, int right,
                int bottom) {
    out.Set(section, "LeftWidth", left);
    out.Set(section, "TopHeight", top);
    out.Set(section, "RightWidth", right);
    out.Set(section, "BottomHeight", bottom);
}

void AddButtons(const Palette& p, SkinOutput& out) {
    const std::string s = "Buttons";
    out.Set(s, "Bitmap", out.AddImage("buttons.bmp", PushButtonStrip(p, out)));
    SetMargins(out, s, 5, 5, 5, 5);
    out.Set(s, "Trans", 1);
    out.Set(s, "Tile", 0);
    out.Set(s, "NormalColour2", p.buttonText);
    out.Set(s, "MouseOverColour2", p.buttonText);
    out.Set(s, "PressedColour2", p.buttonText);
    out.Set(s, "CheckButton", out.AddImage("checkbox.bmp", CheckStrip(p)));
    out.Set(s, "CheckButtonFrame", 12);
    out.Set(s, "RadioButton", out.AddImage("radio.bmp", RadioStrip(p)));
    out.Set(s, "RadioButtonFrame", 8);
}

// Frames: 1 normal (flat), 2 pressed, 3 disabled (flat), 4 hot, 5 checked.
void AddToolBars(const Palette& p, SkinOutput& out) {
    const int w = 22, h = 22;
    const double r = 3;
    const Image flat(w, h, kKey);
    const std::vector<Image> frames = {
        flat, PlateFrame(w, h, r, PressedLook(p), p.face), flat,
        PlateFrame(w, h, r, HotLook(p), p.face),
        PlateFrame(w, h, r, {p.pressedBorder, p.accentSoft, p.accentSoft}, p.face)};
    const std::string s = "ToolBars";
    out.Set(s, "Image", out.AddImage("toolbars.bmp", HorizontalStrip(frames)));
    SetMargins(out, s, 4, 4, 4, 4);
    out.Set(s, "Trans", 1);
    out.Set(s, "Tile", 0);
}

// Frames: 1 normal, 2 hot, 3 pressed, 4 sorted.
void AddHeaderBar(const Palette& p, SkinOutput& out) {
    const int w = 28, h = 24;
    const Rgb tops[] = {p.window, p.hotTop, p.pressedTop, p.window};
    const Rgb bottoms[] = {Mix(p.window, p.face, 0.8), p.hotBottom, p.pressedBottom, p.accentSoft};
    std::vector<Image> frames;
    for (int i = 0; i < 4; ++i) {
        Image f(w, h);
        f.VerticalGradient(0, 0, w, h, tops[i], bottoms[i]);
        f.FillRect(w - 1, 4, w, h - 4, Mix(p.buttonBorder, p.window, 0.3));
        f.FillRect(0, h - 1, w, h, p.buttonBorder);
        if (i == 3) f.FillRect(0, 0, w, 2, p.accentLight);
        CheckTextOn(out, "list header text, frame " + std::to_string(i + 1), p.windowText, f, 2);
        frames.push_back(f);
    }
    const std::string s = "Headerbar";
    out.Set(s, "Image", out.AddImage("headerbar.bmp", HorizontalStrip(frames)));
    SetMargins(out, s, 2, 2, 3, 2);
    out.Set(s, "Tile", 0);
    out.Set(s, "frame", 4);
}

// Frames: 1 ordinary, 2 selected, 3 hot, 4 disabled, 5 selected and hot.
void AddTabs(const Palette& p, SkinOutput& out) {
    const int w = 28, h = 24;
    const Shape tab = TopRoundRect(0, 0, w, h + 1, 4);
    const Shape lowTab = TopRoundRect(0, 2, w, h + 1, 4);
    struct Look {
        const Shape* shape;
        Rgb top, bottom;
        bool selected;
    };
    const Look looks[] = {{&lowTab, p.buttonTop, p.buttonBottom, false},
                          {&tab, p.window, p.window, true},
                          {&lowTab, p.hotTop, p.hotBottom, false},
                          {&lowTab, p.disabledFill, p.disabledFill, false},
                          {&tab, p.window, p.window, true}};
    std::vector<Image> frames;
    for (const Look& look : looks) {
        Image f(w, h, p.face);
        Fill(f, *look.shape, Gradient(0, h, look.top, look.bottom));
        Fill(f, Outline(*look.shape, 1), p.buttonBorder);
        if (look.selected) {
            Fill(f, Subtract(*look.shape, TopRoundRect(0, 3, w, h + 1, 4)), p.accent);
        } else {
            f.FillRect(0, h - 1, w, h, p.buttonBorder); // the page's top edge
        }
        KeyOutside(f, *look.shape);
        frames.push_back(f);
    }
    CheckTextOn(out, "tab text on tab", p.buttonText, frames[0], 4);
    CheckTextOn(out, "tab text on selected tab", p.buttonText, frames[1], 4);

    // The page frame around the sheets (which paint themselves in the face colour).
    Image pane(24, 24, p.face);
    Fill(pane, Outline(RoundRect(0, 0, 24, 24, 0), 1), p.buttonBorder);
    pane.FillRect(1, 1, 23, 2, p.window);
    const std::string paneImage = out.AddImage("tabpane.bmp", pane);

    const std::string s = "Tabs";
    out.Set(s, "Image", out.AddImage("tabs.bmp", HorizontalStrip(frames)));
    out.Set(s, "Border", paneImage);
    SetMargins(out, s, 5, 5, 5, 2);
    out.Set(s, "Style", 1);
    out.Set(s, "Trans", 1);
    out.Set(s, "Tile", 0);
    out.Set(s, "NormalColour2", p.buttonText);
    out.Set(s, "MouseOverColour2", p.buttonText);
    const std::string ps = "Tab.Pane";
    out.Set(ps, "Image", paneImage);
    SetMargins(out, ps, 4, 4, 4, 4);
    out.Set(ps, "Tile", 0);
}

void AddGroupBox(const Palette& p, SkinOutput& out) {
    const int w = 24, h = 24;
    const Shape box = RoundRect(0, 0, w, h, 5);
    std::vector<Image> frames;
    for (Rgb edge : {p.buttonBorder, p.disabledBorder}) {
        Image f(w, h, p.face);
        Fill(f, Outline(box, 1), edge);
        KeyBelow(f, Outline(box, 1), 0.02);
        frames.push_back(f);
    }
    const std::string e = "GroupBoxEdge";
    out.Set(e, "Image", out.AddImage("groupboxedge.bmp", HorizontalStrip(frames)));
    SetMargins(out, e, 6, 6, 6, 6);
    out.Set(e, "Trans", 1);
    out.Set(e, "Tile", 0);

    // The background behind a group box's caption: the face colour with soft ends.
    Image label(24, 18, p.face);
    const Shape pill = RoundRect(0, 0, 24, 18, 4);
    Fill(label, pill, Mix(p.face, p.window, 0.5));
    KeyOutside(label, pill);
    const std::string s = "GroupBox";
    out.Set(s, "Image", out.AddImage("groupbox.bmp", label));
    SetMargins(out, s, 6, 4, 6, 4);
    out.Set(s, "Trans", 1);
    out.Set(s, "Tile", 0);
    out.Set(s, "BackgroundAlignment", 0);
    out.Set(s, "BackgroundLeftShift", 0);
    out.Set(s, "BackgroundRightShift", 0);
}

// Frames: 1 lowered, 2 raised, 3 no bevel.
void AddStatusBar(const Palette& p, SkinOutput& out) {
    const int w = 16, h = 20;
    Image lowered(w, h, p.face);
    Fill(lowered, Outline(RoundRect(0, 1, w, h - 1, 2), 1), Mix(p.buttonBorder, p.face, 0.35));
    Image raised(w, h, p.face);
    raised.FillRect(0, 1, w, 2, p.light);
    raised.FillRect(0, h - 2, w, h - 1, Mix(p.buttonBorder, p.face, 0.4));
    Image plain(w, h, p.face);
    const std::string s = "StatusBarEdges";
    out.Set(s, "Image", out.AddImage("statusbar.bmp", HorizontalStrip({lowered, raised, plain})));
    SetMargins(out, s, 3, 3, 3, 3);
    out.Set(s, "Tile", 0);
    out.Set(s, "NormalColour2", p.windowText);
    out.CheckContrast("status text on status bar", ContrastRatio(p.windowText, p.face));
}

} // namespace skinart
