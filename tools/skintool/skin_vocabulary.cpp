#include "skin_vocabulary.h"

#include "core/ascii_text.h"

#include <algorithm>

namespace {

using TKeys = std::vector<TKnownKey>;
constexpr TValueKind kText = TValueKind::Text;
constexpr TValueKind kInt = TValueKind::Integer;
constexpr TValueKind kColour = TValueKind::Colour;
constexpr TValueKind kPicture = TValueKind::Picture;

TKeys Join(TKeys a, const TKeys& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const TKeys kMargins = {{"LeftWidth", kInt},    {"TopHeight", kInt}, {"RightWidth", kInt},
                        {"BottomHeight", kInt}, {"Trans", kInt},     {"Tile", kInt},
                        {"Style", kInt}};
const TKeys kStateColours = {{"NormalColour", kInt},        {"MouseOverColour", kInt},
                             {"PressedColour", kInt},       {"NormalColour2", kColour},
                             {"MouseOverColour2", kColour}, {"PressedColour2", kColour}};
// What every element section takes; the Frame key only where the loader
// reads it.
const TKeys kElement = Join(Join({{"Image", kPicture}}, kMargins), kStateColours);
const TKeys kFramedElement = Join(kElement, {{"Frame", kInt}});

TKeys BorderKeys() {
    TKeys keys;
    for (const std::string part : {"Left", "Right", "Top", "Bottom"}) {
        keys.push_back({part, kPicture});
        for (const char* suffix : {"TopHeight", "BotHeight", "Frame", "Stretch", "Trans"})
            keys.push_back({part + suffix, kInt});
    }
    return keys;
}

const TKeys kPersonality = Join(BorderKeys(), {{"TextShift", kInt},
                                               {"TextShiftVert", kInt},
                                               {"TextRightClip", kInt},
                                               {"TextAlignment", kInt},
                                               {"Textbackground", kInt},
                                               {"TextBack", kPicture},
                                               {"TXTBackleft", kInt},
                                               {"TXTBackRight", kInt},
                                               {"ActiveTextR", kInt},
                                               {"ActiveTextG", kInt},
                                               {"ActiveTextB", kInt},
                                               {"InActiveTextR", kInt},
                                               {"InActiveTextG", kInt},
                                               {"InActiveTextB", kInt},
                                               {"menuBar", kPicture},
                                               {"TileMenu", kInt},
                                               {"TileLeftMenu", kInt},
                                               {"TileRightMenu", kInt}});

const TKeys kColours = {{"WindowText", kColour},
                        {"ButtonFace", kColour},
                        {"Scrollbar", kColour},
                        {"HilightText", kColour},
                        {"Hilight", kColour},
                        {"Menubar", kColour},
                        {"Menu", kColour},
                        {"MenuText", kColour},
                        {"ButtonText", kColour},
                        {"ButtonHilight", kColour},
                        {"Buttonlight", kColour},
                        {"ButtonShadow", kColour},
                        {"ButtonDkShadow", kColour},
                        {"MenuBarText", kColour},
                        {"TitleTextActive", kColour},
                        {"TitleTextNoActive", kColour}};

const TKeys kCustomColours = {{"Color0", kColour}, {"Color1", kColour}, {"Color2", kColour},
                              {"Color3", kColour}, {"Color4", kColour}, {"Color5", kColour},
                              {"Color6", kColour}, {"Color7", kColour}, {"Color8", kColour},
                              {"Color9", kColour}};

const TKeys kCaptionButton = {{"ButtonImage", kPicture}, {"Action", kInt},    {"Align", kInt},
                              {"Xcoord", kInt},          {"Ycoord", kInt},    {"Visibility", kInt},
                              {"Visibility1", kInt},     {"CombineOp", kInt}, {"frame", kInt}};

const TKeys kButtons = Join(Join(kMargins, kStateColours), {{"Bitmap", kPicture},
                                                            {"CheckButton", kPicture},
                                                            {"RadioButton", kPicture},
                                                            {"CheckButtonFrame", kInt},
                                                            {"RadioButtonFrame", kInt}});

struct TNamedSection {
    const char* Name;
    TKeys Keys;
};

const std::vector<TNamedSection>& NamedSections() {
    static const std::vector<TNamedSection> sections = {
        {"TitlebarSkin", {{"SkinName", kText}}},
        {"Fonts", {{"FontHeight", kInt}}},
        {"Colours", kColours},
        {"Customcolors", kCustomColours},
        {"Personality", kPersonality},
        {"MDICONTROLS", {{"Image", kPicture}}},
        {"Buttons", kButtons},
        {"Progress", Join({{"Bitmap", kPicture}}, kMargins)},
        {"Progress.Chunk", kFramedElement},
        {"GroupBoxEdge", kFramedElement},
        {"GroupBox", Join(kElement, {{"BackgroundAlignment", kInt},
                                     {"BackgroundLeftShift", kInt},
                                     {"BackgroundRightShift", kInt}})},
        {"Tabs", Join(kElement, {{"Border", kPicture}})},
        {"StatusBarEdges", kFramedElement},
        {"Tab.Pane", kFramedElement},
        {"ToolBars", kFramedElement},
        {"ComboButton", kElement},
        {"SunkEdge", kFramedElement},
        {"ExtraImages", kFramedElement},
        {"Headerbar", kFramedElement},
        {"MenuItem", kFramedElement},
        {"MenuBackground", kFramedElement},
        {"Scrollbar", kFramedElement},
        {"HorzScroll", kFramedElement},
        {"VertScroll", kFramedElement},
        {"HorzScrollThumb", Join(kFramedElement, {{"FrameCount", kInt}})},
        {"VertScrollThumb", Join(kFramedElement, {{"FrameCount", kInt}})},
        {"Trackbar.ThumbHorz", kFramedElement},
        {"Trackbar.ThumbVert", kFramedElement},
        {"Trackbar.ThumbLeft", kFramedElement},
        {"Trackbar.ThumbRight", kFramedElement},
        {"Trackbar.ThumbUp", kFramedElement},
        {"Trackbar.ThumbDown", kFramedElement},
        {"UpDown.Horz", Join(kElement, {{"GlyphImage", kPicture}})},
        {"UpDown.Vert", Join(kElement, {{"GlyphImage", kPicture}})},
        {"Track", kFramedElement},
        {"TRACKVERT", kFramedElement},
    };
    return sections;
}

bool SameName(const std::string& a, const std::string& b) {
    return LowerAscii(a) == LowerAscii(b);
}

bool StartsWithName(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && SameName(text.substr(0, prefix.size()), prefix);
}

// Letters added, dropped, changed or two neighbours swapped.
int EditDistance(const std::string& a, const std::string& b) {
    const std::size_t n = a.size(), m = b.size();
    std::vector<std::vector<int>> d(n + 1, std::vector<int>(m + 1));
    for (std::size_t i = 0; i <= n; ++i)
        d[i][0] = static_cast<int>(i);
    for (std::size_t j = 0; j <= m; ++j)
        d[0][j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= m; ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1,
                                d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[n][m];
}

} // namespace

bool IsCaptionButtonSection(const std::string& section) {
    if (!StartsWithName(section, "Button")) return false;
    for (const char* excluded : {"Buttons", "Button", "Button.Radio", "Button.Checkbox"})
        if (SameName(section, excluded)) return false;
    return true;
}

const std::vector<TKnownKey>* KeysOfSection(const std::string& section) {
    for (const TNamedSection& named : NamedSections())
        if (SameName(section, named.Name)) return &named.Keys;
    if (IsCaptionButtonSection(section)) return &kCaptionButton;
    static const TKeys kExtraColour = {{"color", kColour}};
    if (StartsWithName(section, "Colour")) return &kExtraColour;
    return nullptr;
}

const TKnownKey* FindKey(const std::vector<TKnownKey>& keys, const std::string& key) {
    for (const TKnownKey& known : keys)
        if (SameName(known.Name, key)) return &known;
    return nullptr;
}

std::vector<std::string> KnownSectionNames() {
    std::vector<std::string> names;
    for (const TNamedSection& named : NamedSections())
        names.push_back(named.Name);
    return names;
}

std::string NearestName(const std::string& word, const std::vector<std::string>& candidates) {
    std::string best;
    int bestDistance = 3;
    for (const std::string& candidate : candidates) {
        const int distance = EditDistance(LowerAscii(word), LowerAscii(candidate));
        if (distance < bestDistance) {
            bestDistance = distance;
            best = candidate;
        }
    }
    return best;
}
