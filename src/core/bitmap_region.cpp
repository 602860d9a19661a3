#include "core/bitmap_region.h"

#include <algorithm>

std::vector<TPixelRect> OpaqueRuns(const TPixelBitmap& bitmap, int xOffset, int yOffset,
                                   const TRegionKey& key) {
    const int red = RedOf(key.Key), green = GreenOf(key.Key), blue = BlueOf(key.Key);
    const int redMax = std::min(255, red + key.RedTolerance);
    const int greenMax = std::min(255, green + key.GreenTolerance);
    const int blueMax = std::min(255, blue + key.BlueTolerance);
    const auto transparent = [&](const std::uint8_t* p) {
        return p[2] >= red && p[2] <= redMax && p[1] >= green && p[1] <= greenMax && p[0] >= blue &&
               p[0] <= blueMax;
    };

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
