#pragma once
// The one place that knows about differences between the platforms the
// program runs on (Windows versions, Wine).
#include <windows.h>

class TPlatform {
public:
    TPlatform();
    bool IsWine() const { return wine_; }
    // An NT release numbered N.0 after NT 4: 2000, Vista, 10 (and Wine,
    // which reports 10.0).
    bool IsNTDotZeroRelease() const { return ntDotZero_; }

private:
    bool wine_ = false;
    bool ntDotZero_ = false;
};

const TPlatform& Platform();

// Loads a DLL of the system folder (`name` is a bare file name), never one
// of that name beside the program or in the current folder. Null when the
// system has none.
HMODULE LoadSystemLibrary(const wchar_t* name);
