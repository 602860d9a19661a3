#pragma once
// The few platform facts the portable core needs (system colours and
// metrics). The Windows build installs a provider backed by GetSysColor and
// GetSystemMetrics at start-up; without one, the classic Windows defaults
// answer, which keeps native tools and tests deterministic.

#include "core/colour.h"

// Indexes as the platform numbers them.
enum TSystemMetric { SM_CXHSCROLL_INDEX = 21 };

class TPlatformFacts {
public:
    virtual ~TPlatformFacts() = default;
    // Direct 0x00BBGGRR colour of system colour `index` (0..30).
    virtual TColour SysColour(int index) const;
    virtual int SystemMetric(int metric) const;
};

// The provider in use; never null. The caller keeps `facts` alive until it
// installs another one; nullptr restores the defaults.
const TPlatformFacts& PlatformFacts();
void SetPlatformFacts(const TPlatformFacts* facts);

// Resolves a system colour (negative value) to its direct colour; direct
// colours pass unchanged.
TColour ColourToRGB(TColour colour);
