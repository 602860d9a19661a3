#include "engine/controls/scrollbar_rules.h"

#include <algorithm>

namespace {

constexpr int kMinThumb = 8;

} // namespace

TScrollPart HitTestBar(const TBarSpan& bar, int along) {
    if (along < bar.ArrowSize) return spFirstArrow;
    if (along < bar.Thumb.Start) return spPageBefore;
    if (along < bar.Thumb.End) return spThumb;
    if (along < bar.Length - bar.ArrowSize) return spPageAfter;
    return spSecondArrow;
}

int BarThickness(int stripHeight, int arrowSize) {
    return (stripHeight - arrowSize > 2 || arrowSize - stripHeight > 2) ? arrowSize : stripHeight;
}

int ArrowLength(int length, int arrowSize) {
    return length < 2 * arrowSize ? length / 2 : arrowSize;
}

// An empty range is one step long: no division by zero, and the thumb stays
// at the start.
TThumbSpan ThumbFromRange(const TScrollRange& range, int length, int arrowSize) {
    const int span = range.Max != range.Min ? range.Max - range.Min : 1;
    const int track = length - 2 * arrowSize;
    const int moved = range.Pos - range.Min;
    int size = arrowSize;
    int room = length - 3 * arrowSize;
    if (range.Page != 0) {
        size = MulDiv(track, range.Page - 1, span);
        room = track;
        if (size <= kMinThumb - 1) {
            size = kMinThumb;
            room = track - kMinThumb;
        }
    }
    const int start = moved == 0 ? arrowSize : arrowSize + MulDiv(room, moved, span);
    return {start, start + size};
}

TThumbSpan DraggedThumb(const TThumbSpan& atPress, int moved, int length, int arrowSize) {
    const int size = atPress.Size();
    const int highest = length - arrowSize - size;
    const int start = std::max(arrowSize, std::min(atPress.Start + moved, highest));
    return {start, start + size};
}

int PositionForThumbOffset(const TScrollRange& range, int offset, int track, int thumbSize) {
    offset = std::max(offset, 0);
    int pos = 0;
    const int room = track - thumbSize;
    if (range.Page == 0) {
        offset = std::min(offset, room);
        pos = range.Min + MulDiv(offset, range.Max - range.Min, track);
        pos = std::min(pos, range.Max);
    } else {
        if (offset > room) offset = room + 1;
        pos =
            range.Min + (room != 0 ? MulDiv(offset, range.Max - range.Min - range.Page, room) : 0);
        if (pos >= range.Max - range.Page) pos = range.Max - range.Page + 1;
    }
    return std::max(pos, range.Min);
}

// Pressed takes the frame after the normal one, hot the third after it.
int ArrowFrame(bool vertical, bool second, bool hot, bool pressed) {
    const int normal = (vertical ? 9 : 1) + (second ? 4 : 0);
    if (pressed) return normal + 1;
    return hot ? normal + 3 : normal;
}

int GripFrame(bool vertical, bool hot, bool pressed) {
    const int normal = vertical ? 20 : 17;
    if (pressed) return normal + 1;
    return hot ? normal + 2 : normal;
}

int ThumbFrame(bool hot, bool pressed) {
    if (pressed) return 2;
    return hot ? 3 : 1;
}

int TrackFrame(bool enabled) {
    return enabled ? 1 : 3;
}
