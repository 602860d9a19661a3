#pragma once
// Owner of one handle of any kind that a single Win32 function frees. None
// can be copied; each frees its handle exactly once, on every path. An empty
// owner holds null (kernel functions that fail with INVALID_HANDLE_VALUE go
// through ValidHandle first).
#include <windows.h>

#include <utility>

template <class H, BOOL(WINAPI* Free)(H)> class TUniqueHandle {
public:
    TUniqueHandle() = default;
    explicit TUniqueHandle(H h) : h_(h) {}
    ~TUniqueHandle() { Reset(); }
    TUniqueHandle(const TUniqueHandle&) = delete;
    TUniqueHandle& operator=(const TUniqueHandle&) = delete;
    TUniqueHandle(TUniqueHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    TUniqueHandle& operator=(TUniqueHandle&& o) noexcept {
        if (this != &o) {
            Reset();
            h_ = std::exchange(o.h_, nullptr);
        }
        return *this;
    }
    H Get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    H Release() { return std::exchange(h_, nullptr); }
    void Reset(H h = nullptr) {
        if (h_) Free(h_);
        h_ = h;
    }

private:
    H h_ = nullptr;
};

// Kernel handles: open files and folders, and file searches.
using TFileHandle = TUniqueHandle<HANDLE, CloseHandle>;
using TFindHandle = TUniqueHandle<HANDLE, FindClose>;

// A window this code made and destroys.
using TWindowHandle = TUniqueHandle<HWND, DestroyWindow>;

inline HANDLE ValidHandle(HANDLE h) {
    return h == INVALID_HANDLE_VALUE ? nullptr : h;
}

// Registry keys: RegCloseKey answers with an error code, not a BOOL.
inline BOOL WINAPI CloseRegistryKey(HKEY key) {
    return RegCloseKey(key) == ERROR_SUCCESS;
}
using TRegistryKey = TUniqueHandle<HKEY, CloseRegistryKey>;
