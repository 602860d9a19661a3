#pragma once
// The one place that knows about differences between the platforms the
// program runs on (Windows versions, Wine).
class TPlatform {
public:
    TPlatform();
    bool IsWine() const { return wine_; }

private:
    bool wine_ = false;
};

const TPlatform& Platform();
