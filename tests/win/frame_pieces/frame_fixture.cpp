#include "frame_fixture.h"

#include "engine/engine_messages.h"
#include "engine/skin_manager.h"

#include <cstddef>

TPixelBitmap SolidStrip(int frameWidth, int frameHeight, int frames, bool vertical) {
    TPixelBitmap strip(vertical ? frameWidth : frameWidth * frames,
                       vertical ? frameHeight * frames : frameHeight);
    for (int i = 0; i < frames; ++i) {
        const TColour colour = i == 0 ? kActive : kInactive;
        if (vertical)
            strip.FillRect(0, i * frameHeight, frameWidth, (i + 1) * frameHeight, colour);
        else
            strip.FillRect(i * frameWidth, 0, (i + 1) * frameWidth, frameHeight, colour);
    }
    return strip;
}

TSkinModel& EditableModel(TSkinData& data) {
    // The component exposes its parsed skin read-only; the tests build the
    // fixture skins in place of a loader run.
    auto& model = const_cast<TSkinModel&>(data.Skin());
    model.SkinNotLoaded = false;
    return model;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

namespace {
const wchar_t kClass[] = L"VelmoraFrameTest";
}

TFrameWindow::TFrameWindow(int width, int height, DWORD style, const wchar_t* text,
                           const wchar_t* className) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    RegisterClassW(&wc);
    handle_ = CreateWindowExW(0, className ? className : kClass, text, style, 40, 40, width, height,
                              nullptr, nullptr, wc.hInstance, nullptr);
}

TFrameWindow::~TFrameWindow() {
    form_.reset();
    DestroyWindow(handle_);
}

void TFrameWindow::Skin(TSkinData& data, bool start) {
    form_ = std::make_unique<TWinSkinForm>(nullptr, handle_);
    form_->AttachWindow(&data);
    if (start) SendMessageW(handle_, SKINMSG_START, 0, 1000);
}

void TFrameWindow::SetActive(bool active) {
    SendMessageW(handle_, WM_NCACTIVATE, active, 0);
}

int TFrameWindow::Width() const {
    RECT r{};
    GetWindowRect(handle_, &r);
    return r.right - r.left;
}

int TFrameWindow::Height() const {
    RECT r{};
    GetWindowRect(handle_, &r);
    return r.bottom - r.top;
}

std::vector<COLORREF> TFrameWindow::PaintOffscreen(COLORREF seed) {
    const int w = Width(), h = Height();
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    TMemoryDC dc(CreateCompatibleDC(nullptr));
    HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<COLORREF> out(static_cast<size_t>(w) * h);
    if (!bmp) return out;
    HGDIOBJ old = SelectObject(dc.Get(), bmp);
    TBrushHandle brush(CreateSolidBrush(seed));
    RECT all{0, 0, w, h};
    FillRect(dc.Get(), &all, brush.Get());
    SendMessageW(handle_, SKINMSG_PAINTNC, reinterpret_cast<WPARAM>(dc.Get()), kSkinMagic);
    GdiFlush();
    const auto* px = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < out.size(); ++i) {
        const DWORD v = px[i]; // BGRA in memory: 0x00RRGGBB
        out[i] = RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    SelectObject(dc.Get(), old);
    DeleteObject(bmp);
    return out;
}

std::vector<std::uint8_t> SkinStreamOf(const std::vector<std::uint8_t>& packedSkin) {
    std::vector<std::uint8_t> stream;
    stream.reserve(packedSkin.size() + 4);
    const auto size = static_cast<std::uint32_t>(packedSkin.size());
    for (int i = 0; i < 4; ++i)
        stream.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
    stream.insert(stream.end(), packedSkin.begin(), packedSkin.end());
    return stream;
}
