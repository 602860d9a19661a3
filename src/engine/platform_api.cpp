#include "engine/platform_api.h"

#include "core/platform_facts.h"

namespace {

using TGetScrollBarInfo = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
using TTrackMouseEvent = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);

// user32 held for the program's lifetime; the entry points may be missing.
class TUser32Entries {
public:
    TUser32Entries() : module_(LoadLibraryW(L"user32.dll")) {
        if (!module_) return;
        scrollBarInfo_ = Find<TGetScrollBarInfo>("GetScrollBarInfo");
        trackMouseEvent_ = Find<TTrackMouseEvent>("TrackMouseEvent");
        comboBoxInfo_ = Find<TGetComboBoxInfo>("GetComboBoxInfo");
    }
    ~TUser32Entries() {
        if (module_) FreeLibrary(module_);
    }
    TUser32Entries(const TUser32Entries&) = delete;
    TUser32Entries& operator=(const TUser32Entries&) = delete;

    TGetScrollBarInfo scrollBarInfo_ = nullptr;
    TTrackMouseEvent trackMouseEvent_ = nullptr;
    TGetComboBoxInfo comboBoxInfo_ = nullptr;

private:
    template <class F> F Find(const char* name) {
        return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }
    HMODULE module_;
};

const TUser32Entries& User32() {
    static const TUser32Entries entries;
    return entries;
}

class TWin32Facts : public TPlatformFacts {
public:
    TColour SysColour(int index) const override { return static_cast<TColour>(GetSysColor(index)); }
    int SystemMetric(int metric) const override { return GetSystemMetrics(metric); }
};

} // namespace

bool HasScrollBarInfo() {
    return User32().scrollBarInfo_ != nullptr;
}

bool QueryScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO& info) {
    if (!User32().scrollBarInfo_) return false;
    info.cbSize = sizeof(info);
    return User32().scrollBarInfo_(window, objectId, &info) != FALSE;
}

void RequestMouseLeave(HWND window) {
    if (!User32().trackMouseEvent_) return;
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = window;
    User32().trackMouseEvent_(&track);
}

TGetComboBoxInfo ComboBoxInfoEntry() {
    return User32().comboBoxInfo_;
}

void InstallPlatformFacts() {
    static const TWin32Facts facts;
    SetPlatformFacts(&facts);
}
