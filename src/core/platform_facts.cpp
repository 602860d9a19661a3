#include "core/platform_facts.h"

#include <array>

namespace {

// The classic (Windows Standard) scheme, indexed by COLOR_* number.
constexpr std::array<TColour, 31> kClassicColours = {
    MakeColour(212, 208, 200), // 0 scrollbar
    MakeColour(58, 110, 165),  // 1 background
    MakeColour(10, 36, 106),   // 2 active caption
    MakeColour(128, 128, 128), // 3 inactive caption
    MakeColour(212, 208, 200), // 4 menu
    MakeColour(255, 255, 255), // 5 window
    MakeColour(0, 0, 0),       // 6 window frame
    MakeColour(0, 0, 0),       // 7 menu text
    MakeColour(0, 0, 0),       // 8 window text
    MakeColour(255, 255, 255), // 9 caption text
    MakeColour(212, 208, 200), // 10 active border
    MakeColour(212, 208, 200), // 11 inactive border
    MakeColour(128, 128, 128), // 12 app workspace
    MakeColour(10, 36, 106),   // 13 highlight
    MakeColour(255, 255, 255), // 14 highlight text
    MakeColour(212, 208, 200), // 15 button face
    MakeColour(128, 128, 128), // 16 button shadow
    MakeColour(128, 128, 128), // 17 grey text
    MakeColour(0, 0, 0),       // 18 button text
    MakeColour(212, 208, 200), // 19 inactive caption text
    MakeColour(255, 255, 255), // 20 button highlight
    MakeColour(64, 64, 64),    // 21 3-D dark shadow
    MakeColour(212, 208, 200), // 22 3-D light
    MakeColour(0, 0, 0),       // 23 info text
    MakeColour(255, 255, 225), // 24 info background
    MakeColour(181, 181, 181), // 25 (unused)
    MakeColour(0, 0, 128),     // 26 hot light
    MakeColour(166, 202, 240), // 27 gradient active caption
    MakeColour(192, 192, 192), // 28 gradient inactive caption
    MakeColour(49, 106, 197),  // 29 menu highlight
    MakeColour(236, 233, 216), // 30 menu bar
};

const TPlatformFacts kDefaultFacts;
const TPlatformFacts* gFacts = &kDefaultFacts;

} // namespace

TColour TPlatformFacts::SysColour(int index) const {
    if (index < 0 || index >= static_cast<int>(kClassicColours.size())) return kBlack;
    return kClassicColours[static_cast<std::size_t>(index)];
}

int TPlatformFacts::SystemMetric(int metric) const {
    return metric == SM_CXHSCROLL_INDEX ? 16 : 0;
}

const TPlatformFacts& PlatformFacts() {
    return *gFacts;
}

void SetPlatformFacts(const TPlatformFacts* facts) {
    gFacts = facts ? facts : &kDefaultFacts;
}

TColour ColourToRGB(TColour colour) {
    if (!IsSystemColour(colour)) return colour;
    return PlatformFacts().SysColour(colour & 0xFF) & 0x00FFFFFF;
}
