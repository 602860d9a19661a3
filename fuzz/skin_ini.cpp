// The skin loader on INI text and bitmaps handed in directly, without the
// LZH stream in front (mutations of compressed bytes rarely reach them):
// the archive is built around the parts, indexed and loaded, and every
// element is composed once the way the painters do.
//
// Input: the INI text, then each bitmap after a separator; bitmap k (from 1)
// is the archive file "k.bmp". The custom mutator edits the INI by lines,
// sections, keys and values the loader knows, with values at and past the
// limits, so the structure survives the mutations.
#include "core/nine_slice.h"
#include "core/skin_loader.h"
#include "core/skin_reader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::string kSeparator("\0--bmp--\0", 9);
constexpr std::size_t kMaxBitmaps = 8;

// The INI text and the bitmaps.
std::vector<std::string> SplitParts(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    std::size_t at = 0;
    while (parts.size() <= kMaxBitmaps) {
        const std::size_t next = input.find(kSeparator, at);
        parts.push_back(
            input.substr(at, next == std::string::npos ? std::string::npos : next - at));
        if (next == std::string::npos) break;
        at = next + kSeparator.size();
    }
    return parts;
}

std::string JoinParts(const std::vector<std::string>& parts) {
    std::string joined = parts.empty() ? std::string() : parts[0];
    for (std::size_t i = 1; i < parts.size(); ++i)
        joined += kSeparator + parts[i];
    return joined;
}

void AppendInt32(Bytes& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// A version-20000 archive of "skin.ini" and "1.bmp", "2.bmp", ...
Bytes BuildArchive(const std::vector<std::string>& parts) {
    std::string names = "skin.ini";
    for (std::size_t i = 1; i < parts.size(); ++i)
        names += "\r\n" + std::to_string(i) + ".bmp";
    Bytes archive;
    AppendInt32(archive, 20000);
    AppendInt32(archive, static_cast<std::uint32_t>(names.size()));
    AppendInt32(archive, 0);
    AppendInt32(archive, 0);
    archive.insert(archive.end(), names.begin(), names.end());
    for (const std::string& part : parts)
        AppendInt32(archive, static_cast<std::uint32_t>(part.size()));
    for (const std::string& part : parts)
        archive.insert(archive.end(), part.begin(), part.end());
    return archive;
}

bool Within(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value >= low && value <= high;
}

// What the load promises about every record, checked on each input.
void CheckLimits(const TSkinModel& model) {
    std::int64_t pixels = 0;
    for (const TDataSkinObject* element : SkinElements(model)) {
        const bool title = element == &model.Title; // its margins are text offsets
        const std::int32_t low = title ? -kMaxSkinOffset : 0;
        const std::int32_t high = title ? kMaxSkinOffset : kMaxSkinMargin;
        for (std::int32_t margin :
             {element->LeftWidth, element->TopHeight, element->RightWidth, element->BottomHeight})
            if (!Within(margin, low, high)) __builtin_trap();
        if (!Within(element->FrameCount, 1, kMaxSkinFrames)) __builtin_trap();
        pixels += std::int64_t{element->Bitmap.Width()} * element->Bitmap.Height();
    }
    // The derived images (mirrored copies, combo strips) add at most a few
    // times what was loaded.
    if (pixels > 4 * kMaxSkinPixels) __builtin_trap();
    if (!Within(model.Title.TextBackLeft, 0, kMaxSkinMargin) ||
        !Within(model.Title.TextBackRight, 0, kMaxSkinMargin))
        __builtin_trap();
    for (const auto& button : model.SysButtonRecords)
        if (!Within(button->XCoord, -kMaxSkinOffset, kMaxSkinOffset) ||
            !Within(button->YCoord, -kMaxSkinOffset, kMaxSkinOffset))
            __builtin_trap();
}

// Each element's last frame (the one furthest into its strip) nine-sliced at
// a caption-like size.
void ComposeElements(const TSkinModel& model) {
    for (const TDataSkinObject* element : SkinElements(model))
        BuildSkinBitmap(97, 23, element->Frame(element->Frames()), element->Margins(),
                        TStripAxis::Horizontal, element->Fill());
}

// --- Structural mutation of the INI ---

// clang-format off
// Sections the loader reads.
const char* const kSections[] = {
    "Personality", "Colours", "Customcolors", "Buttons", "Button1", "ButtonClose", "Button.Radio",
    "MDICONTROLS", "Progress", "Progress.Chunk", "GroupBoxEdge", "GroupBox", "Tabs",
    "StatusBarEdges", "Tab.Pane", "ToolBars", "ComboButton", "SunkEdge", "ExtraImages", "Headerbar",
    "MenuItem", "MenuBackground", "Scrollbar", "HorzScroll", "VertScroll", "HorzScrollThumb",
    "VertScrollThumb", "Trackbar.ThumbHorz", "Trackbar.ThumbDown", "UpDown.Horz", "UpDown.Vert",
    "Track", "TRACKVERT", "TitlebarSkin", "Fonts", "Colour1",
};

// Keys of numbers and colours.
const char* const kKeys[] = {
    "LeftWidth", "RightWidth", "TopHeight", "BottomHeight", "Frame", "FrameCount", "Trans", "Tile",
    "Style", "Action", "Align", "Xcoord", "Ycoord", "Visibility", "Visibility1", "CombineOp",
    "NormalColour", "NormalColour2", "TopTopHeight", "TopBotHeight", "LeftTopHeight",
    "LeftBotHeight", "TopFrame", "LeftFrame", "BottomFrame", "TopStretch", "TextShift",
    "TextShiftVert", "TextRightClip", "TextAlignment", "TXTBackleft", "TXTBackRight", "ActiveTextR",
    "TileMenu", "TileLeftMenu", "TileRightMenu", "RadioButtonFrame", "CheckButtonFrame",
    "BackgroundLeftShift", "BackgroundRightShift", "FontHeight", "SkinName", "ButtonFace", "color",
    "Color0",
};

// Keys that name an archive file.
const char* const kImageKeys[] = {
    "Image", "Bitmap", "ButtonImage", "GlyphImage", "Border", "****", "Top", "Left", "Right",
    "Bottom", "TextBack", "menuBar", "CheckButton", "RadioButton",
};

// Ordinary values, and values at and past the limits and the integer range.
const char* const kValues[] = {
    "0", "1", "2", "3", "4", "5", "-1", "-4097", "4096", "4097", "256", "257", "2147483647",
    "-2147483648", "$7FFFFFFF", "0xFFFFFFFF", "255 0 255", "1 2 3",
};
// clang-format on

template <std::size_t N> std::string Pick(const char* const (&list)[N], std::mt19937& rng) {
    return list[rng() % N];
}

std::string RandomLine(std::mt19937& rng) {
    switch (rng() % 3) {
    case 0:
        return "[" + Pick(kSections, rng) + "]";
    case 1:
        return Pick(kImageKeys, rng) + "=" + std::to_string(1 + rng() % kMaxBitmaps) + ".bmp";
    default:
        return Pick(kKeys, rng) + "=" + Pick(kValues, rng);
    }
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

std::string MutateIni(const std::string& ini, std::mt19937& rng) {
    std::vector<std::string> lines = SplitLines(ini);
    const std::size_t at = lines.empty() ? 0 : rng() % (lines.size() + 1);
    switch (rng() % 5) {
    case 0: // a new line anywhere
    case 1:
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), RandomLine(rng));
        break;
    case 2: // a line dropped
        if (at < lines.size()) lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
        break;
    case 3: // a line repeated elsewhere
        if (at < lines.size()) {
            const std::string line = lines[at];
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(rng() % lines.size()), line);
        }
        break;
    default: // a value replaced
        if (at < lines.size() && lines[at].find('=') != std::string::npos)
            lines[at] = lines[at].substr(0, lines[at].find('=') + 1) + Pick(kValues, rng);
        break;
    }
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Bytes archive = BuildArchive(SplitParts(data, size));
    TSkinReader reader;
    if (!reader.LoadArchive(archive.data(), archive.size())) __builtin_trap();
    TSkinModel model;
    TSkinLoadResult result = TSkinLoadResult::Ok;
    if (!LoadSkin(model, reader, &result)) {
        // Only an INI longer than any skin's is refused; an error on the way
        // (LoadFailed) is a fault here, where memory is plenty.
        if (result != TSkinLoadResult::IniTooLarge || !model.SkinNotLoaded) __builtin_trap();
        return 0;
    }
    CheckLimits(model);
    ComposeElements(model);
    return 0;
}

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned int seed) {
    std::mt19937 rng(seed);
    std::vector<std::string> parts = SplitParts(data, size);
    switch (rng() % 4) {
    case 0: // the INI, by its structure
    case 1:
        parts[0] = MutateIni(parts[0], rng);
        break;
    case 2: { // one bitmap, byte-wise (a new one copied from another)
        if (parts.size() < 2 || (parts.size() <= kMaxBitmaps && rng() % 4 == 0))
            parts.push_back(parts.back());
        std::string& bitmap = parts[1 + rng() % (parts.size() - 1)];
        if (bitmap.empty()) bitmap = "BM";
        const std::size_t room = bitmap.size() * 2 + 64;
        std::string buffer = bitmap;
        buffer.resize(room);
        buffer.resize(
            LLVMFuzzerMutate(reinterpret_cast<std::uint8_t*>(&buffer[0]), bitmap.size(), room));
        bitmap = buffer;
        break;
    }
    default: // anything, byte-wise
        return LLVMFuzzerMutate(data, size, maxSize);
    }
    const std::string joined = JoinParts(parts);
    if (joined.size() > maxSize) return LLVMFuzzerMutate(data, size, maxSize);
    std::memcpy(data, joined.data(), joined.size());
    return joined.size();
}
