#pragma once
// The one place that knows about differences between the platforms the
// program runs on (Windows versions, Wine).
class TPlatform {
public:
    TPlatform();
    bool IsWine() const { return wine_; }
    // Wine here has no browser engine: asking for one would only stall.
    bool CanHostBrowser() const { return !wine_; }

private:
    bool wine_ = false;
};

const TPlatform& Platform();
