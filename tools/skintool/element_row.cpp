#include "element_row.h"

#include "element_source.h"
#include "label_font.h"

#include "core/element_layout.h"
#include "core/nine_slice.h"

#include <algorithm>

namespace {

constexpr int kFrameGap = 5;
constexpr int kSampleWidth = 120;
constexpr int kSampleHeight = 40;
constexpr TColour kInk = MakeColour(0, 0, 0);
constexpr TColour kFrameLine = MakeColour(0, 0, 160);
constexpr TColour kMissing = MakeColour(200, 0, 0);

std::string Heading(const TSkinModel& skin, const TDataSkinObject& e) {
    const TElementSource source = SourceOf(skin, e);
    std::string text = source.Section.empty() ? e.Name + " - BUILT BY THE LOADER" : source.Label();
    text += "  " + std::to_string(e.Bitmap.Width()) + "X" + std::to_string(e.Bitmap.Height());
    text += "  " + std::to_string(e.Frames()) + (e.Frames() == 1 ? " FRAME" : " FRAMES");
    if (e.Frames() > 1)
        text += StripAxisOf(skin, e) == TStripAxis::Vertical ? " STACKED" : " SIDE BY SIDE";
    text += CentreFillOf(skin, e) == TCentreFill::Tile ? "  MIDDLE TILED" : "  MIDDLE STRETCHED";
    return text;
}

// The sample's size: the window's borders and bars at their own thickness
// and a window's length, the track channels at their own thickness,
// everything else at a size larger than its frame.
void SampleSize(const TSkinModel& skin, const TDataSkinObject& e, const TPixelRect& frame,
                int& width, int& height) {
    const bool side = &e == &skin.Left || &e == &skin.Right;
    const bool bar = StripAxisOf(skin, e) == TStripAxis::Vertical;
    width = side || &e == skin.TrackVert.get() ? frame.Width() : kSampleWidth;
    height = side ? kSampleWidth : bar || &e == skin.Track.get() ? frame.Height() : kSampleHeight;
}

// Glyphs and caption buttons (no fixed edges) are painted at their own
// size, and the caption-text background as a bar of its own: their frames
// say all.
bool HasSample(const TSkinModel& skin, const TDataSkinObject& e) {
    if (&e == &skin.Title) return false;
    const TSkinMargins m = e.Margins();
    return StripAxisOf(skin, e) == TStripAxis::Vertical || &e == &skin.Left || &e == &skin.Right ||
           m.Left || m.Top || m.Right || m.Bottom;
}

void Outline(TPixelBitmap& sheet, const TPixelRect& r, TColour colour) {
    sheet.FillRect(r.Left - 1, r.Top - 1, r.Right + 1, r.Top, colour);
    sheet.FillRect(r.Left - 1, r.Bottom, r.Right + 1, r.Bottom + 1, colour);
    sheet.FillRect(r.Left - 1, r.Top, r.Left, r.Bottom, colour);
    sheet.FillRect(r.Right, r.Top, r.Right + 1, r.Bottom, colour);
}

TPixelRect Offset(const TPixelRect& r, int x, int y) {
    return {r.Left + x, r.Top + y, r.Right + x, r.Bottom + y};
}

} // namespace

TElementRow LayOutRow(const TSkinModel& skin, const TDataSkinObject& e) {
    TElementRow row;
    row.Heading = Heading(skin, e);
    const int top = kLabelHeight + 4;
    const int headingWidth = static_cast<int>(row.Heading.size()) * kLabelCharWidth;
    if (e.Bitmap.Empty()) {
        row.Missing = true;
        // The system-menu button shows the window's icon, never a picture.
        const auto* button = dynamic_cast<const TDataSkinSysButton*>(&e);
        row.MissingText = button && button->Action == caIconMenu ? "WINDOW ICON" : "MISSING";
        const int textWidth = static_cast<int>(row.MissingText.size()) * kLabelCharWidth;
        row.Sample = {1, top + 1, 7 + textWidth, top + kLabelHeight + 7};
        row.Width = std::max(headingWidth, row.Sample.Right + 1);
        row.Height = row.Sample.Bottom + 1;
        return row;
    }
    const TStripAxis axis = StripAxisOf(skin, e);
    const int numberWidth = 3 * kLabelCharWidth;
    int x = 1, y = top + (axis == TStripAxis::Horizontal ? kLabelHeight + 3 : 1);
    int right = 0, bottom = 0;
    for (int i = 1; i <= e.Frames(); ++i) {
        const TPixelRect f = FrameRect(e.Frame(i), axis);
        TElementRow::TPlaced placed;
        placed.Number = i;
        if (axis == TStripAxis::Horizontal) {
            placed.At = {x, y, x + f.Width(), y + f.Height()};
            x = placed.At.Right + kFrameGap;
        } else {
            placed.At = {numberWidth + 1, y, numberWidth + 1 + f.Width(), y + f.Height()};
            y = placed.At.Bottom + kFrameGap;
        }
        right = std::max(right, placed.At.Right);
        bottom = std::max(bottom, placed.At.Bottom);
        row.Frames.push_back(placed);
    }
    row.Width = std::max(headingWidth, right + 1);
    row.Height = bottom + 1;
    if (!HasSample(skin, e)) return row;
    int width = 0, height = 0;
    SampleSize(skin, e, FrameRect(e.Frame(1), axis), width, height);
    row.SamplePixels =
        BuildSkinBitmap(width, height, e.Frame(1), e.Margins(), axis, CentreFillOf(skin, e));
    const int sampleX = right + 4 * kFrameGap;
    row.Sample = {sampleX, top + kLabelHeight + 3, sampleX + width,
                  top + kLabelHeight + 3 + height};
    row.Width = std::max(headingWidth, row.Sample.Right + 1);
    row.Height = std::max(bottom, row.Sample.Bottom) + 1;
    return row;
}

void DrawRow(TPixelBitmap& sheet, int x, int y, const TSkinModel& skin, const TDataSkinObject& e,
             const TElementRow& row) {
    DrawLabel(sheet, x, y, row.Heading, kInk);
    if (row.Missing) {
        const TPixelRect box = Offset(row.Sample, x, y);
        Outline(sheet, box, kMissing);
        DrawLabel(sheet, box.Left + 3, box.Top + 3, row.MissingText, kMissing);
        return;
    }
    const TStripAxis axis = StripAxisOf(skin, e);
    for (const TElementRow::TPlaced& placed : row.Frames) {
        const TPixelRect at = Offset(placed.At, x, y);
        DrawTransparent(sheet, at.Left, at.Top,
                        CropBitmap(e.Bitmap, FrameRect(e.Frame(placed.Number), axis)));
        Outline(sheet, at, kFrameLine);
        const std::string number = std::to_string(placed.Number);
        if (axis == TStripAxis::Horizontal)
            DrawLabel(sheet, at.Left, at.Top - kLabelHeight - 2, number, kFrameLine);
        else
            DrawLabel(sheet, x, at.Top, number, kFrameLine);
    }
    if (row.SamplePixels.Empty()) return;
    const TPixelRect sample = Offset(row.Sample, x, y);
    DrawLabel(sheet, sample.Left, sample.Top - kLabelHeight - 2, "AS PAINTED", kInk);
    DrawTransparent(sheet, sample.Left, sample.Top, row.SamplePixels);
}
