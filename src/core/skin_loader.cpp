#include "core/skin_loader.h"

#include "core/ascii_text.h"
#include "core/bmp_decoder.h"
#include "core/colour_maths.h"
#include "core/colour_ramp.h"
#include "core/image_utils.h"
#include "core/nine_slice.h"
#include "core/platform_facts.h"
#include "core/quick_ini.h"
#include "core/track_images.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <limits>
#include <map>

namespace {

std::string UpperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::string Trim(const std::string& text) {
    std::size_t first = 0, last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= 32)
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32)
        --last;
    return text.substr(first, last - first);
}

struct TColourKey {
    const char* Key;
    int Index;
    TColour Default; // 0 for Menubar: its default is the ButtonFace just read
};

// In reading order: "Menubar" must come after "ButtonFace".
constexpr TColourKey kColourKeys[] = {
    {"WindowText", sciWindowText, SystemColour(8)},
    {"ButtonFace", sciButtonFace, SystemColour(15)},
    {"Scrollbar", sciScrollbar, SystemColour(0)},
    {"HilightText", sciHilightText, SystemColour(14)},
    {"Hilight", sciHilight, SystemColour(13)},
    {"Menubar", sciMenubar, 0},
    {"Menu", sciMenu, SystemColour(4)},
    {"MenuText", sciMenuText, SystemColour(7)},
    {"ButtonText", sciButtonText, SystemColour(18)},
    {"ButtonHilight", sciButtonHilight, SystemColour(20)},
    {"Buttonlight", sciButtonlight, SystemColour(20)},
    {"ButtonShadow", sciButtonShadow, SystemColour(16)},
    {"ButtonDkShadow", sciButtonDkShadow, SystemColour(21)},
    {"MenuBarText", sciMenuBarText, SystemColour(7)},
    {"TitleTextActive", sciTitleTextActive, SystemColour(9)},
    {"TitleTextNoActive", sciTitleTextNoActive, SystemColour(19)},
};

// One load: the archive, the INI and the model being filled.
class TSkinParser {
public:
    TSkinParser(TSkinModel& model, const TQuickIni& ini, const TSkinFileSource& files)
        : model_(model), ini_(ini), files_(files) {}

    void Parse();

private:
    std::string Str(const std::string& section, const std::string& key) const {
        return ini_.ReadString(section, key, std::string());
    }
    std::int32_t Int(const std::string& section, const std::string& key, std::int32_t def) const {
        return ini_.ReadInteger(section, key, def);
    }
    // Painters add, subtract and multiply these: no value near the ends of
    // the integer range, no negative margin, reaches them.
    std::int32_t Margin(const std::string& section, const std::string& key,
                        std::int32_t def) const {
        return std::clamp(Int(section, key, def), 0, kMaxSkinMargin);
    }
    std::int32_t Offset(const std::string& section, const std::string& key,
                        std::int32_t def) const {
        return std::clamp(Int(section, key, def), -kMaxSkinOffset, kMaxSkinOffset);
    }

    void LoadSkinBitmap(TPixelBitmap& bitmap, const std::string& value);
    const TPixelBitmap& DecodedImage(const std::string& name);
    void ReadMargins(TDataSkinObject& record, const std::string& section) const;
    void ReadStateColours(TDataSkinObject& record, const std::string& section) const;

    template <typename T>
    std::unique_ptr<T> ReadElement(const std::string& section, bool readFrame = true);
    std::unique_ptr<TDataSkinBorder> ReadBorderElement(const std::string& section,
                                                       const std::string& secondKey);
    std::unique_ptr<TDataSkinBorder> ReadBitmapElement(const std::string& section);
    std::unique_ptr<TDataSkinBoxLabel> ReadBoxLabel(const std::string& section);
    std::unique_ptr<TDataSkinObject> ReadMenuBar();
    std::unique_ptr<TDataSkinObject> ReadTrack(const std::string& section,
                                               const std::string& builtinName,
                                               TPixelBitmap (*builtin)());

    void ReadBorders();
    void ReadColours();
    void ReadCaptionButtons();
    void ReadMDIButtons(std::size_t first);
    void ReadButtons();
    void ReadTitle();
    void ReadRGB(const std::string& section, const std::string& prefix, TColour& target) const;
    void ReadSlots();

    void SetFrameCounts();
    void ClampFrameCounts();
    void BuildComboImages();
    void BuildComboArrow();
    void BuildToolbarBackground();

    TSkinModel& model_;
    const TQuickIni& ini_;
    const TSkinFileSource& files_;
    std::vector<std::string> sections_;
    std::vector<std::uint8_t> scratch_;
    // Each archive file decoded once, by lower-cased name (as the archive
    // looks names up), however many sections name it.
    std::map<std::string, TPixelBitmap> images_;
    std::int64_t pixelsLeft_ = kMaxSkinPixels;
};

void TSkinParser::LoadSkinBitmap(TPixelBitmap& bitmap, const std::string& value) {
    bitmap.Clear();
    const std::size_t slash = value.find_last_of("\\/");
    const std::string name = slash == std::string::npos ? value : value.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    // Only a lower-case ".bmp" qualifies, as the stored skins write it.
    if (name.empty() || dot == std::string::npos || name.substr(dot) != ".bmp") return;
    const TPixelBitmap& image = DecodedImage(name);
    // Every use counts against the budget, not only the first decode: the
    // record holds its own copy.
    const std::int64_t pixels = std::int64_t{image.Width()} * image.Height();
    if (image.Empty() || pixels > pixelsLeft_) return;
    pixelsLeft_ -= pixels;
    bitmap = image;
}

const TPixelBitmap& TSkinParser::DecodedImage(const std::string& name) {
    const std::string key = LowerAscii(name);
    const auto found = images_.find(key);
    if (found != images_.end()) return found->second;
    scratch_.clear();
    files_(key, scratch_);
    // An image larger than what is left of the budget is not even decoded.
    TPixelBitmap image = scratch_.empty() ? TPixelBitmap() : DecodeBmp(scratch_, pixelsLeft_);
    return images_.emplace(key, std::move(image)).first->second;
}

void TSkinParser::ReadMargins(TDataSkinObject& record, const std::string& section) const {
    record.LeftWidth = Margin(section, "LeftWidth", 0);
    record.RightWidth = Margin(section, "RightWidth", 0);
    record.TopHeight = Margin(section, "TopHeight", 0);
    record.BottomHeight = Margin(section, "BottomHeight", 0);
}

void TSkinParser::ReadStateColours(TDataSkinObject& record, const std::string& section) const {
    record.NormalColour = Int(section, "NormalColour", -1);
    record.MouseOverColour = Int(section, "MouseOverColour", -1);
    record.PressedColour = Int(section, "PressedColour", -1);
    const TColour text = model_.Colours[sciButtonText];
    record.NormalColour2 = ParseColourOr(Str(section, "NormalColour2"), text);
    record.MouseOverColour2 = ParseColourOr(Str(section, "MouseOverColour2"), text);
    record.PressedColour2 = ParseColourOr(Str(section, "PressedColour2"), text);
}

template <typename T>
std::unique_ptr<T> TSkinParser::ReadElement(const std::string& section, bool readFrame) {
    const std::string image = Str(section, "Image");
    if (image.empty()) return nullptr;
    auto record = std::make_unique<T>(section);
    LoadSkinBitmap(record->Bitmap, image);
    record->Style = Int(section, "Style", 0);
    ReadMargins(*record, section);
    if (readFrame) record->FrameCount = Int(section, "Frame", 0);
    record->Trans = Int(section, "Trans", 0);
    record->Tile = Int(section, "Tile", 0);
    ReadStateColours(*record, section);
    if (record->Tile > 1) record->Tile = 0;
    return record;
}

std::unique_ptr<TDataSkinBorder> TSkinParser::ReadBorderElement(const std::string& section,
                                                                const std::string& secondKey) {
    auto record = ReadElement<TDataSkinBorder>(section, false);
    if (!record) return record;
    const std::string second = Str(section, secondKey);
    if (!second.empty()) LoadSkinBitmap(record->Bitmap2, second);
    return record;
}

std::unique_ptr<TDataSkinBorder> TSkinParser::ReadBitmapElement(const std::string& section) {
    const std::string image = Str(section, "Bitmap");
    if (image.empty()) return nullptr;
    auto record = std::make_unique<TDataSkinBorder>(section);
    LoadSkinBitmap(record->Bitmap, image);
    record->Style = Int(section, "Style", 0);
    ReadMargins(*record, section);
    record->Trans = Int(section, "Trans", 0);
    record->Tile = std::min(Int(section, "Tile", 0), 1);
    return record;
}

std::unique_ptr<TDataSkinBoxLabel> TSkinParser::ReadBoxLabel(const std::string& section) {
    auto record = ReadElement<TDataSkinBoxLabel>(section, false);
    if (!record) return record;
    record->BackgroundAlignment = Int(section, "BackgroundAlignment", 0);
    record->BackgroundLeftShift = Offset(section, "BackgroundLeftShift", 0);
    record->BackgroundRightShift = Offset(section, "BackgroundRightShift", 0);
    return record;
}

std::unique_ptr<TDataSkinObject> TSkinParser::ReadMenuBar() {
    const std::string section = "Personality";
    const std::string image = Str(section, "menuBar");
    if (image.empty()) return nullptr;
    auto record = std::make_unique<TDataSkinObject>(section);
    LoadSkinBitmap(record->Bitmap, image);
    // The left and right fields carry tile flags for the end pieces here.
    record->Tile = std::min(Int(section, "TileMenu", 1), 1);
    record->LeftWidth = Margin(section, "TileLeftMenu", 1);
    record->RightWidth = Margin(section, "TileRightMenu", 1);
    return record;
}

std::unique_ptr<TDataSkinObject> TSkinParser::ReadTrack(const std::string& section,
                                                        const std::string& builtinName,
                                                        TPixelBitmap (*builtin)()) {
    auto record = ReadElement<TDataSkinObject>(section);
    // An image that is named but missing or unreadable counts as none.
    if (record && !record->Bitmap.Empty()) return record;
    record = std::make_unique<TDataSkinObject>(builtinName);
    record->Bitmap = builtin();
    record->SetMargins({3, 3, 3, 3});
    record->FrameCount = 1;
    return record;
}

void TSkinParser::ReadBorders() {
    const std::string section = "Personality";
    for (TDataSkinBorder* border : {&model_.Left, &model_.Right, &model_.Top, &model_.Bottom}) {
        const std::string& n = border->Name;
        const std::int32_t top = Margin(section, n + "TopHeight", 0);
        const std::int32_t bottom = Margin(section, n + "BotHeight", 0);
        if (n == "Left" || n == "Right")
            border->SetMargins({0, top, 0, bottom});
        else
            border->SetMargins({top, 0, bottom, 0});
        border->FrameCount = Int(section, n + "Frame", 1);
        border->Tile = std::min(Int(section, n + "Stretch", 1), 1);
        border->Trans = Int(section, n + "Trans", 1);
        LoadSkinBitmap(border->Bitmap, Str(section, n));
    }
}

void TSkinParser::ReadColours() {
    for (const TColourKey& entry : kColourKeys) {
        const std::string text = Str("Colours", entry.Key);
        const auto index = static_cast<std::size_t>(entry.Index);
        model_.ColourGiven[index] = !text.empty();
        const TColour def =
            entry.Index == sciMenubar ? model_.Colours[sciButtonFace] : entry.Default;
        model_.Colours[index] = text.empty() ? def : ParseColour(text);
    }
    model_.ColourGiven[9] = model_.ColourGiven[10] = model_.ColourGiven[sciBaseColour] = false;

    model_.ExtraColours.clear();
    for (const std::string& section : sections_) {
        const std::string upper = UpperCase(section);
        if (!StartsWith(upper, "COLOUR") || upper == "COLOURS") continue;
        if (model_.ExtraColours.size() == static_cast<std::size_t>(kMaxSkinColourSections)) break;
        model_.ExtraColours.push_back(ParseColourOr(Str(section, "color"), SystemColour(8)));
    }
    for (int k = 0; k < 10; ++k)
        model_.CustomColours[static_cast<std::size_t>(k)] =
            ParseColourOr(Str("Customcolors", "Color" + std::to_string(k)), kWhite);
}

void TSkinParser::ReadCaptionButtons() {
    model_.SysButtonRecords.clear();
    std::vector<std::string> names;
    int candidates = 0;
    for (const std::string& section : sections_) {
        const std::string upper = UpperCase(section);
        if (upper == "BUTTONS" || upper == "BUTTON.RADIO" || upper == "BUTTON.CHECKBOX" ||
            upper == "BUTTON" || !StartsWith(upper, "BUTTON"))
            continue;
        // Sections past the limit are not even looked at: each costs a
        // search through every section.
        if (++candidates > kMaxSkinButtonSections) break;
        if (Int(section, "Action", 0) == -1 && Int(section, "Visibility", -1) != 0) continue;
        names.push_back(section);
    }

    bool haveAnchor = false;
    std::int32_t anchorX = 0, anchorY = 0;
    for (const std::string& section : names) {
        auto button = std::make_unique<TDataSkinSysButton>(UpperCase(section));
        button->Action = Int(section, "Action", 0);
        button->Align = Int(section, "Align", 0);
        button->XCoord = Offset(section, "Xcoord", 0);
        button->YCoord = Offset(section, "Ycoord", 0);
        button->Visibility = Int(section, "Visibility", 0);
        button->Visibility1 =
            Int(section, "Visibility1", button->Action == -1 ? cvHidden : cvAlways);
        if (button->Action == caMaximize && button->Visibility == cvNotMaximized) {
            haveAnchor = true;
            anchorX = button->XCoord;
            anchorY = button->YCoord;
        } else if (button->Action == caHelp && haveAnchor) {
            // Without an earlier anchor the button keeps its own position.
            button->XCoord = anchorX;
            button->YCoord = anchorY;
        }
        button->CombineOp = Int(section, "CombineOp", -1);
        button->FrameCount = Int(section, "frame", 0);
        LoadSkinBitmap(button->Bitmap, Str(section, "ButtonImage"));
        if (button->FrameCount == 0) {
            button->FrameCount = CaptionButtonFrameCount(button->Bitmap.Width(),
                                                         button->Bitmap.Height(), button->Action);
            if (IsIconAction(button->Action)) button->Bitmap.Clear();
        }
        model_.SysButtonRecords.push_back(std::move(button));
    }

    const std::size_t first = model_.SysButtonRecords.size();
    for (std::int32_t action : {caChildMinimize, caChildRestore, caChildClose}) {
        auto button = std::make_unique<TDataSkinSysButton>("MDICONTROLS");
        button->Action = action;
        button->Align = calMenuBar;
        button->Visibility = button->Visibility1 = cvChildMaximized;
        button->FrameCount = 4;
        model_.SysButtonRecords.push_back(std::move(button));
    }
    ReadMDIButtons(first);
}

void TSkinParser::ReadMDIButtons(std::size_t first) {
    TPixelBitmap image;
    LoadSkinBitmap(image, Str("MDICONTROLS", "Image"));
    if (image.Empty()) return;
    const int w = image.Width() / 12;
    const int h = image.Height();
    for (int i = 0; i < 3; ++i) {
        TDataSkinSysButton& button = *model_.SysButtonRecords[first + static_cast<std::size_t>(i)];
        button.Bitmap = CropBitmap(image, {4 * w * i, 0, 4 * w * (i + 1), h});
        // From the picture's width, which a hostile skin makes huge: kept
        // to the offsets' range like every offset the INI gives.
        button.XCoord = std::min((w + 4) * (3 - i), kMaxSkinOffset);
    }
}

void TSkinParser::ReadButtons() {
    const std::string section = "Buttons";
    TDataSkinButton& buttons = model_.Buttons;
    ReadMargins(buttons, section);
    buttons.Trans = Int(section, "Trans", 0);
    buttons.Tile = Int(section, "Tile", 0);
    LoadSkinBitmap(buttons.Bitmap, Str(section, "Bitmap"));
    LoadSkinBitmap(buttons.CheckBitmap, Str(section, "CheckButton"));
    LoadSkinBitmap(buttons.RadioBitmap, Str(section, "RadioButton"));
    buttons.RadioFrameCount = Int(section, "RadioButtonFrame", 0);
    buttons.CheckFrameCount = Int(section, "CheckButtonFrame", 0);
    if (buttons.Tile > 1) buttons.Tile = 0;
    buttons.HasNormalColour2 = !Str(section, "NormalColour2").empty();
    buttons.HasMouseOverColour2 = !Str(section, "MouseOverColour2").empty();
    buttons.HasPressedColour2 = !Str(section, "PressedColour2").empty();
    ReadStateColours(buttons, section);
}

void TSkinParser::ReadTitle() {
    const std::string section = "Personality";
    TDataSkinTitle& title = model_.Title;
    LoadSkinBitmap(title.Bitmap, Str(section, "TextBack"));
    // The title's margin fields hold offsets of its text.
    title.LeftWidth = Offset(section, "TextShift", 0);
    title.TopHeight = Offset(section, "TextShiftVert", 0);
    title.RightWidth = Offset(section, "TextRightClip", 0);
    title.BottomHeight = 0;
    title.TextAlignment = Int(section, "TextAlignment", 0);
    title.TextBackground = Int(section, "Textbackground", 0);
    title.FontHeight = Int("Fonts", "FontHeight", 14);
    title.TextBackLeft = Margin(section, "TXTBackleft", 0);
    title.TextBackRight = Margin(section, "TXTBackRight", 0);
    title.ActiveTextColour = kTitleColourNotGiven;
    title.InactiveTextColour = kTitleColourNotGiven;
    ReadRGB(section, "ActiveText", title.ActiveTextColour);
    ReadRGB(section, "InActiveText", title.InactiveTextColour);
}

void TSkinParser::ReadRGB(const std::string& section, const std::string& prefix,
                          TColour& target) const {
    const std::int32_t r = Int(section, prefix + "R", -1);
    const std::int32_t g = Int(section, prefix + "G", -1);
    const std::int32_t b = Int(section, prefix + "B", -1);
    if (r >= 0 && g >= 0 && b >= 0) target = MakeColour(r % 256, g % 256, b % 256);
}

void TSkinParser::ReadSlots() {
    TSkinModel& m = model_;
    m.Progress = ReadBitmapElement("Progress");
    m.ProgressChunk = ReadElement<TDataSkinObject>("Progress.Chunk");
    m.MenuBarImage = ReadMenuBar();
    m.GroupBoxEdge = ReadElement<TDataSkinObject>("GroupBoxEdge");
    m.GroupBox = ReadBoxLabel("GroupBox");
    m.Tabs = ReadBorderElement("Tabs", "Border");
    m.StatusBarEdges = ReadElement<TDataSkinObject>("StatusBarEdges");
    m.TabPane = ReadElement<TDataSkinObject>("Tab.Pane");
    if (m.TabPane) {
        TDataSkinObject& pane = *m.TabPane;
        for (std::int32_t* margin :
             {&pane.LeftWidth, &pane.TopHeight, &pane.RightWidth, &pane.BottomHeight})
            *margin = std::min(*margin, 4);
    }
    m.ToolBars = ReadElement<TDataSkinObject>("ToolBars");
    m.ComboButton = ReadBorderElement("ComboButton", "****");
    m.SunkEdge = ReadElement<TDataSkinObject>("SunkEdge");
    if (m.ComboButton && !m.ComboButton->Bitmap.Empty()) {
        m.ComboButton->Bitmap2 = m.ComboButton->Bitmap;
        MirrorBitmap(m.ComboButton->Bitmap2);
    }
    m.ExtraImages = ReadElement<TDataSkinObject>("ExtraImages");
    m.Headerbar = ReadElement<TDataSkinObject>("Headerbar");
    m.MenuItem = ReadElement<TDataSkinObject>("MenuItem");
    m.MenuBackground = ReadElement<TDataSkinObject>("MenuBackground");
    m.Scrollbar = ReadElement<TDataSkinObject>("Scrollbar");
    m.HorzScroll = ReadElement<TDataSkinObject>("HorzScroll");
    m.VertScroll = ReadElement<TDataSkinObject>("VertScroll");
    m.HorzScrollThumb = ReadElement<TDataSkinObject>("HorzScrollThumb");
    m.VertScrollThumb = ReadElement<TDataSkinObject>("VertScrollThumb");
    m.TrackbarThumbHorz = ReadElement<TDataSkinObject>("Trackbar.ThumbHorz");
    m.TrackbarThumbVert = ReadElement<TDataSkinObject>("Trackbar.ThumbVert");
    m.TrackbarThumbLeft = ReadElement<TDataSkinObject>("Trackbar.ThumbLeft");
    m.TrackbarThumbRight = ReadElement<TDataSkinObject>("Trackbar.ThumbRight");
    m.TrackbarThumbUp = ReadElement<TDataSkinObject>("Trackbar.ThumbUp");
    m.TrackbarThumbDown = ReadElement<TDataSkinObject>("Trackbar.ThumbDown");
    m.UpDownHorz = ReadBorderElement("UpDown.Horz", "GlyphImage");
    m.UpDownVert = ReadBorderElement("UpDown.Vert", "GlyphImage");
    m.Track = ReadTrack("Track", "TRACK", BuiltinTrackImage);
    m.TrackVert = ReadTrack("TRACKVERT", "TRACKVERT", BuiltinTrackVertImage);
}

void TSkinParser::SetFrameCounts() {
    TSkinModel& m = model_;
    const auto set = [](auto& slot, std::int32_t count) {
        if (slot) slot->FrameCount = count;
    };
    if (m.Progress) m.Progress->FrameCount = m.Progress->Style != 0 ? 1 : 2;
    set(m.MenuBarImage, 2);
    set(m.GroupBoxEdge, 2);
    set(m.GroupBox, 1);
    set(m.Tabs, 5);
    set(m.StatusBarEdges, 3);
    set(m.TabPane, 1);
    set(m.ToolBars, 5);
    set(m.ComboButton, 4);
    set(m.SunkEdge, 4);
    set(m.ExtraImages, 5);
    if (m.Headerbar && m.Headerbar->FrameCount == 0) m.Headerbar->FrameCount = 5;
    set(m.MenuItem, 5);
    set(m.MenuBackground, 1);
    set(m.Scrollbar, 23);
    set(m.HorzScroll, 4);
    set(m.VertScroll, 4);
    set(m.HorzScrollThumb, Int("HorzScrollThumb", "FrameCount", 3));
    set(m.VertScrollThumb, Int("VertScrollThumb", "FrameCount", 3));
    for (auto* thumb : {&m.TrackbarThumbHorz, &m.TrackbarThumbVert, &m.TrackbarThumbLeft,
                        &m.TrackbarThumbRight, &m.TrackbarThumbUp, &m.TrackbarThumbDown})
        set(*thumb, 5);
    set(m.UpDownHorz, 8);
    set(m.UpDownVert, 8);
    m.Title.FrameCount = 2;

    TDataSkinButton& buttons = m.Buttons;
    buttons.FrameCount = 5;
    const auto markFrames = [](const TPixelBitmap& bitmap) {
        const int frames = bitmap.Width() / (bitmap.Height() < 16 ? 13 : 16);
        return std::max(frames, 4);
    };
    if (buttons.RadioFrameCount == 0) buttons.RadioFrameCount = markFrames(buttons.RadioBitmap);
    if (buttons.CheckFrameCount == 0) buttons.CheckFrameCount = markFrames(buttons.CheckBitmap);
}

// Once every rule has derived its count, built records included: a count
// below 1 means one frame anyway, and a huge one only divides the strip
// into nothing.
void TSkinParser::ClampFrameCounts() {
    const auto clamp = [](std::int32_t& count) { count = std::clamp(count, 1, kMaxSkinFrames); };
    // The records are this parser's to change; the list is the read-only one.
    for (const TDataSkinObject* element : SkinElements(model_))
        clamp(const_cast<TDataSkinObject*>(element)->FrameCount);
    clamp(model_.Buttons.RadioFrameCount);
    clamp(model_.Buttons.CheckFrameCount);
}

void TSkinParser::BuildComboImages() {
    TSkinModel& m = model_;
    if (!m.SunkEdge || !m.ComboButton) return;
    TDataSkinObject& edge = *m.SunkEdge;
    TDataSkinBorder& button = *m.ComboButton;
    const int n = std::max(edge.FrameCount, 1);
    const int a = PlatformFacts().SystemMetric(SM_CXHSCROLL_INDEX) + 2;
    constexpr int kWidth = 50, kHeight = 21;

    TPixelBitmap strip(kWidth * n, kHeight, kKeyColour);
    for (int k = 1; k <= n; ++k) {
        // Each state starts from a clean key-coloured work image, so
        // transparent parts never show the previous state.
        TPixelBitmap work(kWidth, kHeight, kKeyColour);
        // Margins kept, centres stretched: the strip is stretched again when painted.
        const TPixelBitmap frame = BuildSkinBitmap(kWidth, kHeight, edge.Frame(k), edge.Margins(),
                                                   TStripAxis::Horizontal, TCentreFill::Stretch);
        if (edge.Trans)
            DrawTransparent(work, 0, 0, frame);
        else
            CopyBitmap(work, 0, 0, frame);
        const TPixelBitmap arrow = BuildSkinBitmap(a, kHeight, button.Frame(k), button.Margins(),
                                                   TStripAxis::Horizontal, TCentreFill::Stretch);
        DrawTransparent(work, kWidth - a, 0, arrow);
        if (m.ExtraImages)
            CenterSkinFrame(work, {kWidth - a, 0, kWidth, kHeight}, m.ExtraImages->Frame(k),
                            TKeyColour::Transparent);
        work.FillRect(2, 2, kWidth - 1 - a, kHeight - 3, kKeyColour);
        CopyBitmap(strip, kWidth * (k - 1), 0, work);
    }

    button.Style = 2;
    button.SetMargins(edge.Margins());
    button.LeftWidth = 2;
    button.RightWidth = a + 2;
    button.Bitmap = strip;

    MirrorBitmap(strip);
    edge.Bitmap = std::move(strip);
    edge.LeftWidth = a + 2;
    edge.RightWidth = 2;
}

void TSkinParser::BuildComboArrow() {
    TSkinModel& m = model_;
    m.ComboArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
    TDataSkinObject& arrow = *m.ComboArrow;
    if (!m.SunkEdge) {
        if (!m.ComboButton) return;
        arrow.Bitmap = m.ComboButton->Bitmap;
        ReplaceKeyColour(arrow.Bitmap, m.Colours[sciButtonFace]);
        arrow.FrameCount = m.ComboButton->FrameCount;
        return;
    }
    if (!m.ComboButton || m.ComboButton->Style != 2) return;
    const int n = std::max(m.SunkEdge->FrameCount, 1);
    const TPixelBitmap& source = m.ComboButton->Bitmap;
    const int w = source.Width() / n;
    arrow.Bitmap = TPixelBitmap(17 * n, 17);
    for (int i = 0; i < n; ++i) {
        const int right = (i + 1) * w - 2;
        StretchCopy(arrow.Bitmap, {17 * i, 0, 17 * i + 17, 17}, source, {right - 17, 2, right, 19});
    }
    arrow.FrameCount = n;
}

void TSkinParser::BuildToolbarBackground() {
    TSkinModel& m = model_;
    const TColour top = MixColors(m.Colours[sciButtonFace], kWhite, 150);
    const TColour base = BaseColour(m);
    TColour bottom = MixColors(0x808080, base, 150);
    const int strength = ColourStrength(base);
    if (strength > 110) bottom = MixColors(base, kWhite, (5625 - 25 * strength) / 140 + 50);

    m.ToolbarBackground = std::make_unique<TDataSkinObject>("Toolbar");
    m.ToolbarBackground->Bitmap = TPixelBitmap(10, 40);
    GradientFill(m.ToolbarBackground->Bitmap, {0, 0, 10, 40}, top, true, bottom);
    m.ToolbarBackground->FrameCount = 1;
}

void TSkinParser::Parse() {
    sections_ = ini_.ReadSections();
    model_.SkinName = Str("TitlebarSkin", "SkinName");
    ReadBorders();
    ReadColours();
    ReadCaptionButtons();
    ReadButtons();
    ReadTitle();
    ReadSlots();
    SetFrameCounts();
    BuildComboImages();
    BuildComboArrow();
    BuildToolbarBackground();
    ClampFrameCounts();
    model_.Colours[sciBaseColour] = BaseColour(model_);
}

} // namespace

int CaptionButtonFrameCount(int width, int height, int action) {
    int frames = 6;
    // width / height <= 3.8, in integers: a quotient held at the x87's
    // extended precision (32-bit builds) lands just above 3.8 for 38 x 10.
    if (width > 0 && height > 0) frames = 10LL * width <= 38LL * height ? 3 : 6;
    return action < 0 ? 6 : frames;
}

TColour ParseColour(const std::string& text) {
    int components[3] = {0, 0, 0};
    int taken = 0;
    std::string digits;
    // A run too long for a 32-bit integer does not convert and is skipped.
    const auto convert = [&digits](int& value) {
        const std::size_t start = digits.find_first_not_of('0');
        const std::string significant =
            start == std::string::npos ? std::string("0") : digits.substr(start);
        digits.clear();
        if (significant.size() > 10) return false;
        const long long number = std::stoll(significant);
        if (number > std::numeric_limits<std::int32_t>::max()) return false;
        value = static_cast<int>(number);
        return true;
    };
    for (char c : Trim(text)) {
        if (c >= '0' && c <= '9') {
            digits += c;
        } else if (!digits.empty()) {
            int value = 0;
            if (convert(value) && taken < 3) components[taken++] = value;
        }
    }
    if (taken == 2 && !digits.empty()) {
        int value = 0;
        if (convert(value)) components[taken++] = value;
    }
    return MakeColour(components[0] % 256, components[1] % 256, components[2] % 256);
}

TColour ParseColourOr(const std::string& text, TColour def) {
    return text.empty() ? def : ParseColour(text);
}

TColour BaseColour(const TSkinModel& model) {
    const TPixelBitmap& top = model.Top.Bitmap;
    if (top.Empty()) return model.Colours[sciButtonFace];
    // A frame count below 1 from a careless skin is taken as 1.
    const int frames = std::max(model.Top.FrameCount, 1);
    return top.Pixel(top.Width() / 3, (top.Height() / frames) / 3);
}

void ParseSkin(TSkinModel& model, const TQuickIni& ini, const TSkinFileSource& files) {
    TSkinParser(model, ini, files).Parse();
}

namespace {

TSkinLoadResult ParseArchive(TSkinModel& model, const TSkinReader& reader) {
    std::vector<std::uint8_t> scratch;
    std::string iniName;
    reader.FindFileByNamePart(".ini", scratch, iniName);
    if (scratch.size() > kMaxSkinIniBytes) return TSkinLoadResult::IniTooLarge;
    TQuickIni ini;
    ini.LoadFromStream(scratch);
    ParseSkin(model, ini, [&reader](const std::string& name, std::vector<std::uint8_t>& out) {
        reader.GetFileByName(name, out);
    });
    model.SkinNotLoaded = false;
    return TSkinLoadResult::Ok;
}

// Any error on the way is a refusal like a bad archive's: the caller keeps
// the skin it had, whatever the file held or the memory allowed.
template <typename Load> bool LoadGuarded(TSkinModel& model, TSkinLoadResult* result, Load load) {
    model.SkinNotLoaded = true;
    TSkinLoadResult outcome = TSkinLoadResult::LoadFailed;
    try {
        outcome = load();
    } catch (const std::exception&) {
        // The outcome stays LoadFailed, SkinNotLoaded true.
    }
    if (result) *result = outcome;
    return outcome == TSkinLoadResult::Ok;
}

} // namespace

bool LoadSkin(TSkinModel& model, const std::uint8_t* image, std::size_t size,
              TSkinLoadResult* readerResult) {
    return LoadGuarded(model, readerResult, [&] {
        TSkinReader reader;
        if (!reader.Load(image, size)) return reader.LastResult();
        return ParseArchive(model, reader);
    });
}

bool LoadSkin(TSkinModel& model, const TSkinReader& reader, TSkinLoadResult* result) {
    return LoadGuarded(model, result, [&] { return ParseArchive(model, reader); });
}
