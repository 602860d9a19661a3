#include "engine/region_from_bitmap.h"

#include "core/bitmap_region.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace {

// GDI takes region rectangles in batches; very large RGNDATA blocks are
// slow or refused on some systems.
constexpr size_t kBatch = 2000;

TRegionHandle RegionFromRuns(std::vector<TPixelRect>::const_iterator first,
                             std::vector<TPixelRect>::const_iterator last) {
    const size_t count = static_cast<size_t>(last - first);
    std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(count);
    header->nRgnSize = 0;
    RECT bound{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (size_t i = 0; i < count; ++i) {
        const TPixelRect& run = first[static_cast<std::ptrdiff_t>(i)];
        rects[i] = {run.Left, run.Top, run.Right, run.Bottom};
        bound.left = std::min<LONG>(bound.left, run.Left);
        bound.top = std::min<LONG>(bound.top, run.Top);
        bound.right = std::max<LONG>(bound.right, run.Right);
        bound.bottom = std::max<LONG>(bound.bottom, run.Bottom);
    }
    header->rcBound = bound;
    return TRegionHandle(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                         reinterpret_cast<const RGNDATA*>(data.data())));
}

// Rows whose runs match the band above extend that band downwards: the same
// pixels in far fewer rectangles, which is what makes region building cheap
// for the long, uniform middles of stretched border images.
std::vector<TPixelRect> MergeEqualRows(const std::vector<TPixelRect>& runs) {
    std::vector<TPixelRect> merged;
    merged.reserve(runs.size());
    size_t band = 0; // first rectangle of the last band in `merged`
    for (size_t first = 0; first < runs.size();) {
        size_t last = first;
        while (last < runs.size() && runs[last].Top == runs[first].Top)
            ++last;
        const size_t count = last - first, bandCount = merged.size() - band;
        bool same = !merged.empty() && count == bandCount && merged[band].Bottom == runs[first].Top;
        for (size_t i = 0; same && i < count; ++i)
            same = merged[band + i].Left == runs[first + i].Left &&
                   merged[band + i].Right == runs[first + i].Right;
        if (same) {
            for (size_t i = 0; i < count; ++i)
                merged[band + i].Bottom = runs[first + i].Bottom;
        } else {
            band = merged.size();
            merged.insert(merged.end(), runs.begin() + static_cast<std::ptrdiff_t>(first),
                          runs.begin() + static_cast<std::ptrdiff_t>(last));
        }
        first = last;
    }
    return merged;
}

} // namespace

TRegionHandle CreateRegionFromBitmap(const TPixelBitmap& bitmap, int xOffset, int yOffset,
                                     int blueTolerance, int greenTolerance, int redTolerance,
                                     COLORREF key) {
    TRegionKey rule;
    rule.Key = static_cast<TColour>(key & 0xFFFFFF);
    rule.RedTolerance = redTolerance;
    rule.GreenTolerance = greenTolerance;
    rule.BlueTolerance = blueTolerance;
    const std::vector<TPixelRect> runs = MergeEqualRows(OpaqueRuns(bitmap, xOffset, yOffset, rule));

    TRegionHandle result(CreateRectRgn(0, 0, 0, 0));
    if (!result) return result;
    for (auto first = runs.begin(); first != runs.end();) {
        const auto last = first + static_cast<std::ptrdiff_t>(std::min<size_t>(
                                      kBatch, static_cast<size_t>(runs.end() - first)));
        const TRegionHandle batch = RegionFromRuns(first, last);
        if (!batch || CombineRgn(result.Get(), result.Get(), batch.Get(), RGN_OR) == ERROR)
            return TRegionHandle();
        first = last;
    }
    return result;
}
