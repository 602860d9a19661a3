#include "bar_art.h"

#include "button_art.h"
#include "glyphs.h"
#include "plate.h"

namespace skinart {
namespace {

constexpr int kScrollSize = 17;

// A glyph on an unknown background: drawn against the colour it will mostly
// sit on, with the faint edge pixels keyed out.
Image GlyphFrame(int w, int h, const Shape& glyph, Rgb colour, Rgb behind) {
    Image f(w, h, behind);
    Fill(f, glyph, colour);
    KeyBelow(f, glyph, 0.25);
    return f;
}

// Arrow frames: normal, pressed, disabled, hot.
std::vector<Image> ScrollArrowFrames(const Palette& p, Direction direction) {
    const int s = kScrollSize;
    const Shape plate = RoundRect(1, 1, s - 1, s - 1, 3);
    const Shape arrow = Chevron(s / 2.0, s / 2.0, 6.5, 1.5, direction);
    std::vector<Image> frames;
    const Rgb backs[] = {p.track, p.thumbPressed, p.track, Mix(p.track, p.thumb, 0.6)};
    const Rgb glyphs[] = {p.scrollGlyph, p.window, p.disabledText, p.darkShadow};
    for (int i = 0; i < 4; ++i) {
        Image f(s, s, p.track);
        if (i == 1 || i == 3) Fill(f, plate, backs[i]);
        Fill(f, arrow, glyphs[i]);
        frames.push_back(f);
    }
    return frames;
}

Image ScrollStrip(const Palette& p) {
    std::vector<Image> frames;
    for (Direction d : {Direction::Left, Direction::Right, Direction::Up, Direction::Down})
        for (Image& f : ScrollArrowFrames(p, d))
            frames.push_back(f);
    // Thumb grips (normal, pressed, hot) over the thumbs of the same state.
    for (bool vertical : {false, true})
        for (Rgb behind : {p.thumb, p.thumbPressed, p.thumbHot})
            frames.push_back(GlyphFrame(kScrollSize, kScrollSize,
                                        ThumbGrip(kScrollSize / 2.0, kScrollSize / 2.0, vertical),
                                        Mix(behind, p.window, 0.65), behind));
    frames.push_back(Image(kScrollSize, kScrollSize, p.track)); // never drawn
    return HorizontalStrip(frames);
}

// Track frames: 1 enabled, 3 disabled (2 and 4 as 1).
Image TrackStrip(const Palette& p, bool vertical) {
    const int w = vertical ? kScrollSize : 24, h = vertical ? 24 : kScrollSize;
    Image on(w, h, p.track), off(w, h, Mix(p.track, p.face, 0.6));
    return HorizontalStrip({on, on, off, on});
}

// Thumb frames: 1 normal, 2 pressed, 3 hot. A slim rounded bar on the track.
Image ThumbStrip(const Palette& p, bool vertical) {
    const int w = vertical ? kScrollSize : 24, h = vertical ? 24 : kScrollSize;
    const Shape bar =
        vertical ? RoundRect(3, 1, w - 3, h - 1, 4) : RoundRect(1, 3, w - 1, h - 3, 4);
    std::vector<Image> frames;
    for (Rgb c : {p.thumb, p.thumbPressed, p.thumbHot}) {
        Image f(w, h, p.track);
        Fill(f, bar, c);
        frames.push_back(f);
    }
    return HorizontalStrip(frames);
}

void AddElement(SkinOutput& out, const std::string& section, const std::string& image, int margin,
                int trans) {
    out.Set(section, "Image", image);
    SetMargins(out, section, margin, margin, margin, margin);
    out.Set(section, "Trans", trans);
    out.Set(section, "Tile", 0);
}

// Five frames; the track bar draws frame 2. The others give normal, hot,
// pressed and disabled looks for painters that want them.
Image ThumbPictureStrip(const Palette& p, int w, int h, const Shape& shape) {
    const PlateLook looks[] = {{p.buttonBorder, p.buttonTop, p.buttonBottom},
                               {p.accent, p.buttonTop, p.buttonBottom},
                               {p.hotBorder, p.hotTop, p.hotBottom},
                               {p.pressedBorder, p.pressedTop, p.pressedBottom},
                               {p.disabledBorder, p.disabledFill, p.disabledFill}};
    std::vector<Image> frames;
    for (const PlateLook& look : looks) {
        Image f(w, h, p.face);
        DrawPlate(f, shape, look);
        KeyOutside(f, shape);
        frames.push_back(f);
    }
    return HorizontalStrip(frames);
}

// Up-down button faces (normal, pressed, disabled, hot; then the same for the
// second button) and their arrow glyphs.
void AddUpDown(const Palette& p, SkinOutput& out, const std::string& section, bool horizontal) {
    const int w = horizontal ? 11 : 16, h = horizontal ? 16 : 11;
    const PlateLook looks[] = {{p.buttonBorder, p.buttonTop, p.buttonBottom},
                               {p.pressedBorder, p.pressedTop, p.pressedBottom},
                               {p.disabledBorder, p.disabledFill, p.disabledFill},
                               {p.hotBorder, p.hotTop, p.hotBottom}};
    const Direction first = horizontal ? Direction::Left : Direction::Up;
    const Direction second = horizontal ? Direction::Right : Direction::Down;
    const int gw = horizontal ? 7 : 9, gh = horizontal ? 9 : 7;
    std::vector<Image> faces, glyphs;
    for (Direction d : {first, second})
        for (int s = 0; s < 4; ++s) {
            faces.push_back(PlateFrame(w, h, 2, looks[s], p.face));
            const Rgb behind = Mix(looks[s].top, looks[s].bottom, 0.5);
            glyphs.push_back(GlyphFrame(gw, gh, Chevron(gw / 2.0, gh / 2.0, 5, 1.4, d),
                                        s == 2 ? p.disabledText : p.scrollGlyph, behind));
        }
    const std::string name = horizontal ? "updownh" : "updownv";
    AddElement(out, section, out.AddImage(name + ".bmp", HorizontalStrip(faces)), 3, 1);
    out.Set(section, "GlyphImage", out.AddImage(name + "glyph.bmp", HorizontalStrip(glyphs)));
}

} // namespace

void AddScrollbars(const Palette& p, SkinOutput& out) {
    AddElement(out, "Scrollbar", out.AddImage("scrollbar.bmp", ScrollStrip(p)), 0, 1);
    AddElement(out, "HorzScroll", out.AddImage("scrollhtrack.bmp", TrackStrip(p, false)), 2, 0);
    AddElement(out, "VertScroll", out.AddImage("scrollvtrack.bmp", TrackStrip(p, true)), 2, 0);
    AddElement(out, "HorzScrollThumb", out.AddImage("scrollhthumb.bmp", ThumbStrip(p, false)), 5,
               0);
    out.Set("HorzScrollThumb", "FrameCount", 3);
    AddElement(out, "VertScrollThumb", out.AddImage("scrollvthumb.bmp", ThumbStrip(p, true)), 5, 0);
    out.Set("VertScrollThumb", "FrameCount", 3);
}

void AddProgress(const Palette& p, SkinOutput& out) {
    const int w = 24, h = 18;
    const Shape trough = RoundRect(0, 0, w, h, 4);
    Image back(w, h, p.face);
    DrawPlate(back, trough, {p.editBorder, Mix(p.track, p.shadow, 0.12), p.track});
    KeyOutside(back, trough);
    out.Set("Progress", "Bitmap", out.AddImage("progress.bmp", back));
    SetMargins(out, "Progress", 5, 5, 5, 5);
    out.Set("Progress", "Style", 1);
    out.Set("Progress", "Trans", 1);
    out.Set("Progress", "Tile", 0);

    const int cw = 12, ch = 14;
    const Shape bar = RoundRect(0, 0, cw, ch, 3);
    Image chunk(cw, ch, p.track);
    Fill(chunk, bar, Gradient(0, ch, p.accentLight, p.accent));
    Fill(chunk, RoundRect(1, 1, cw - 1, ch / 2.0, 2), p.window, 0.22);
    KeyOutside(chunk, bar);
    AddElement(out, "Progress.Chunk", out.AddImage("progresschunk.bmp", chunk), 4, 1);
    out.Set("Progress.Chunk", "Frame", 1);
}

void AddTrackBars(const Palette& p, SkinOutput& out) {
    const Rgb groove = Mix(p.track, p.shadow, 0.35);
    Image horz(24, 5, p.face);
    Fill(horz, RoundRect(0, 0.5, 24, 4.5, 2), groove);
    Image vert(5, 24, p.face);
    Fill(vert, RoundRect(0.5, 0, 4.5, 24, 2), groove);
    AddElement(out, "Track", out.AddImage("track.bmp", horz), 3, 0);
    out.Set("Track", "Frame", 1);
    AddElement(out, "TRACKVERT", out.AddImage("trackvert.bmp", vert), 3, 0);
    out.Set("TRACKVERT", "Frame", 1);

    struct Thumb {
        std::string section, file;
        int w, h;
        Shape shape;
    };
    const Thumb thumbs[] = {
        {"Trackbar.ThumbHorz", "thumbhorz.bmp", 11, 20, RoundRect(0, 0, 11, 20, 3)},
        {"Trackbar.ThumbVert", "thumbvert.bmp", 20, 11, RoundRect(0, 0, 20, 11, 3)},
        {"Trackbar.ThumbDown", "thumbdown.bmp", 11, 20,
         Polygon({{0.5, 0.5}, {10.5, 0.5}, {10.5, 14}, {5.5, 19.5}, {0.5, 14}})},
        {"Trackbar.ThumbUp", "thumbup.bmp", 11, 20,
         Polygon({{0.5, 19.5}, {10.5, 19.5}, {10.5, 6}, {5.5, 0.5}, {0.5, 6}})},
        {"Trackbar.ThumbRight", "thumbright.bmp", 20, 11,
         Polygon({{0.5, 0.5}, {14, 0.5}, {19.5, 5.5}, {14, 10.5}, {0.5, 10.5}})},
        {"Trackbar.ThumbLeft", "thumbleft.bmp", 20, 11,
         Polygon({{19.5, 0.5}, {6, 0.5}, {0.5, 5.5}, {6, 10.5}, {19.5, 10.5}})}};
    for (const Thumb& t : thumbs) {
        out.Set(t.section, "Image", out.AddImage(t.file, ThumbPictureStrip(p, t.w, t.h, t.shape)));
        out.Set(t.section, "Trans", 1);
        out.Set(t.section, "Frame", 5);
    }
}

void AddUpDowns(const Palette& p, SkinOutput& out) {
    AddUpDown(p, out, "UpDown.Horz", true);
    AddUpDown(p, out, "UpDown.Vert", false);
}

// State frames 1 normal, 2 pressed, 3 disabled, 4 hot or focused.
void AddComboParts(const Palette& p, SkinOutput& out) {
    const Rgb edges[] = {p.editBorder, p.editBorderHot, p.disabledBorder, p.editBorderHot};
    const Rgb insides[] = {p.window, p.window, p.disabledFill, p.window};
    const Rgb buttons[] = {Mix(p.window, p.face, 0.6), Mix(p.accentSoft, p.accentLight, 0.35),
                           p.disabledFill, p.accentSoft};

    std::vector<Image> edgeFrames, buttonFrames, extraFrames;
    const Shape field = RoundRect(0, 0, 20, 21, 2.5);
    const Shape plate = RoundRect(1, 2, 17, 19, 2);
    for (int s = 0; s < 4; ++s) {
        Image e(20, 21, p.face);
        Fill(e, field, insides[s]);
        Fill(e, Outline(field, 1), edges[s]);
        KeyOutside(e, field);
        edgeFrames.push_back(e);

        Image b(19, 21, insides[s]);
        Fill(b, plate, buttons[s]);
        KeyOutside(b, plate);
        buttonFrames.push_back(b);

        extraFrames.push_back(GlyphFrame(13, 13, Chevron(6.5, 6.5, 7, 1.5, Direction::Down),
                                         s == 2 ? p.disabledText : p.scrollGlyph, buttons[s]));
    }
    // Frame 5: the size grip of status bars.
    extraFrames.push_back(GlyphFrame(13, 13, GripDots(12, 12), p.shadow, p.face));

    AddElement(out, "SunkEdge", out.AddImage("sunkedge.bmp", HorizontalStrip(edgeFrames)), 3, 1);
    AddElement(out, "ComboButton", out.AddImage("combobutton.bmp", HorizontalStrip(buttonFrames)),
               3, 1);
    AddElement(out, "ExtraImages", out.AddImage("extraimages.bmp", HorizontalStrip(extraFrames)), 0,
               1);
}

} // namespace skinart
