#include "core/bitmap_region.h"

#include <algorithm>

namespace {

// Whether a pixel (blue, green, red bytes) is left out of the region.
class TKeyTest {
public:
    explicit TKeyTest(const TRegionKey& key)
        : red_(RedOf(key.Key)), green_(GreenOf(key.Key)), blue_(BlueOf(key.Key)),
          redMax_(std::min(255, red_ + key.RedTolerance)),
          greenMax_(std::min(255, green_ + key.GreenTolerance)),
          blueMax_(std::min(255, blue_ + key.BlueTolerance)) {}

    bool operator()(const std::uint8_t* p) const {
        return p[2] >= red_ && p[2] <= redMax_ && p[1] >= green_ && p[1] <= greenMax_ &&
               p[0] >= blue_ && p[0] <= blueMax_;
    }

private:
    int red_, green_, blue_, redMax_, greenMax_, blueMax_;
};

// Fills the left-out pixels of one row from their nearest kept neighbour;
// false when the row keeps no pixel.
bool FillRow(std::uint8_t* row, int width, const TKeyTest& transparent, std::vector<int>& nearest) {
    // nearest[x]: the closest kept pixel so far, scanning left then right.
    int last = -1;
    for (int x = 0; x < width; ++x) {
        if (!transparent(row + x * 3)) last = x;
        nearest[static_cast<size_t>(x)] = last;
    }
    if (last < 0) return false;
    int next = -1;
    for (int x = width - 1; x >= 0; --x) {
        if (!transparent(row + x * 3)) {
            next = x;
            continue;
        }
        const int left = nearest[static_cast<size_t>(x)];
        const int from = left < 0 || (next >= 0 && next - x < x - left) ? next : left;
        std::copy_n(row + from * 3, 3, row + x * 3);
    }
    return true;
}

} // namespace

void FillTransparentPixels(TPixelBitmap& bitmap, const TRegionKey& key) {
    const TKeyTest transparent(key);
    const int width = bitmap.Width(), height = bitmap.Height();
    std::vector<int> nearest(static_cast<size_t>(width));
    std::vector<bool> kept(static_cast<size_t>(height));
    int firstKept = -1;
    for (int y = 0; y < height; ++y) {
        kept[static_cast<size_t>(y)] = FillRow(bitmap.Row(y), width, transparent, nearest);
        if (kept[static_cast<size_t>(y)] && firstKept < 0) firstKept = y;
    }
    if (firstKept < 0) return;
    // Rows that kept nothing copy the closest row above that did; those above
    // the first such row copy that row.
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    int source = firstKept;
    for (int y = 0; y < height; ++y) {
        if (kept[static_cast<size_t>(y)])
            source = y;
        else
            std::copy_n(bitmap.Row(source), rowBytes, bitmap.Row(y));
    }
}

std::vector<TPixelRect> OpaqueRuns(const TPixelBitmap& bitmap, int xOffset, int yOffset,
                                   const TRegionKey& key) {
    const TKeyTest transparent(key);

    std::vector<TPixelRect> runs;
    for (int y = 0; y < bitmap.Height(); ++y) {
        const std::uint8_t* row = bitmap.Row(y);
        int x = 0;
        while (x < bitmap.Width()) {
            while (x < bitmap.Width() && transparent(row + x * 3))
                ++x;
            const int start = x;
            while (x < bitmap.Width() && !transparent(row + x * 3))
                ++x;
            if (x > start)
                runs.push_back({start + xOffset, y + yOffset, x + xOffset, y + yOffset + 1});
        }
    }
    return runs;
}
