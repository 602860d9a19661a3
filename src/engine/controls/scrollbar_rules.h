#pragma once
// The rules of a skinned scroll bar as plain functions over lengths along
// the bar's axis: which part a point is on, how thick the bar is drawn, how
// long its arrows are, where the thumb lies, and which frame of the skin's
// strips each part shows.
#include <windows.h>

// The parts of a bar; each equals the scroll request the platform sends
// while that part is pressed.
enum TScrollPart : int {
    spNone = -1,
    spFirstArrow = SB_LINEUP,
    spSecondArrow = SB_LINEDOWN,
    spPageBefore = SB_PAGEUP,
    spPageAfter = SB_PAGEDOWN,
    spThumb = SB_THUMBTRACK,
};

// The thumb's extent along the axis, from the bar's start.
struct TThumbSpan {
    int Start = 0;
    int End = 0;
    int Size() const { return End - Start; }
    bool operator==(const TThumbSpan& o) const { return Start == o.Start && End == o.End; }
};

// One bar along its axis.
struct TBarSpan {
    int Length = 0;    // the whole bar, arrows included
    int ArrowSize = 0; // the platform's arrow length
    TThumbSpan Thumb;
};

// The part under `along` (pixels from the bar's start).
TScrollPart HitTestBar(const TBarSpan& bar, int along);

// How thick the skin's pieces are drawn: the strip's own height, unless it
// is more than 2 pixels off the platform's arrow size.
int BarThickness(int stripHeight, int arrowSize);
// An arrow's length: the arrow size, or half the bar when two full arrows
// do not fit.
int ArrowLength(int length, int arrowSize);

// The platform's scroll state of a bar.
struct TScrollRange {
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Pos = 0;
};
// Where the thumb of a bar `length` long lies for `range`; a thumb that
// would be 7 pixels or less is drawn 8 long.
TThumbSpan ThumbFromRange(const TScrollRange& range, int length, int arrowSize);

// The thumb moved by `moved` pixels from where it was at the press, kept
// between the arrows.
TThumbSpan DraggedThumb(const TThumbSpan& atPress, int moved, int length, int arrowSize);

// The scroll position a drop-down list's thumb dragged to `offset` pixels
// past its first arrow stands for; `track` is the room between the arrows
// and `thumbSize` the thumb's length.
int PositionForThumbOffset(const TScrollRange& range, int offset, int track, int thumbSize);

// Frames of the arrow and grip strip, 1-based.
constexpr int kArrowStripFrames = 23;
int ArrowFrame(bool vertical, bool second, bool hot, bool pressed);
int GripFrame(bool vertical, bool hot, bool pressed);
// Frames of the thumb element (1 normal, 2 pressed, 3 hot) and of the track
// (1 enabled, 3 disabled).
int ThumbFrame(bool hot, bool pressed);
int TrackFrame(bool enabled);
