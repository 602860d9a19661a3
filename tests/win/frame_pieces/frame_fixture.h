#pragma once
// A real top-level window skinned with a given skin data component the way
// the manager skins one (attach, then the start message), and small synthetic
// skins whose border frames are solid colours.
#include "engine/skin_data.h"
#include "engine/win_skin_form.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Frame colours of the synthetic skins: frame 1 (active), frame 2 (inactive).
constexpr TColour kActive = MakeColour(200, 0, 0);
constexpr TColour kInactive = MakeColour(0, 160, 0);
constexpr TColour kKey = MakeColour(255, 0, 255);

// Stacked (vertical) or side-by-side (horizontal) solid frames.
TPixelBitmap SolidStrip(int frameWidth, int frameHeight, int frames, bool vertical);

class TFrameWindow {
public:
    // `className` null: a window class of the fixture's own.
    TFrameWindow(int width, int height, DWORD style = WS_OVERLAPPEDWINDOW,
                 const wchar_t* text = L"Frame test", const wchar_t* className = nullptr);
    ~TFrameWindow();
    TFrameWindow(const TFrameWindow&) = delete;
    TFrameWindow& operator=(const TFrameWindow&) = delete;
    // Attaches a skin object with `data` and starts it: the window gets the
    // skin's frame, fitted around its client area, and its region. With
    // `start` false the object is attached and waits for the start message.
    void Skin(TSkinData& data, bool start = true);
    HWND Handle() const { return handle_; }
    const TWinSkinForm& Form() const { return *form_; }
    // The activation the frame shows (WM_NCACTIVATE).
    void SetActive(bool active);
    // The frame painted into an off-screen copy of the window, as 0x00BBGGRR
    // pixels (row-major, window size), seeded with `seed`.
    std::vector<COLORREF> PaintOffscreen(COLORREF seed = RGB(1, 2, 3));
    int Width() const;
    int Height() const;

private:
    HWND handle_ = nullptr;
    std::unique_ptr<TWinSkinForm> form_;
};

// A loaded skin data component whose model the tests rewrite.
TSkinModel& EditableModel(TSkinData& data);
void PumpMessages();
// The skin data's stored stream for a packed skin: its length (4 bytes, low
// byte first), then the skin.
std::vector<std::uint8_t> SkinStreamOf(const std::vector<std::uint8_t>& packedSkin);
