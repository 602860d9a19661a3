#include "frame_fixture.h"

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

LRESULT CALLBACK TFrameWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<TWinSkinForm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (form && form->SkinState == ssSkinned) {
        TMessage m{msg, wParam, lParam, 0};
        switch (msg) {
        case WM_NCCALCSIZE:
            form->HandleNCCalcSize(m);
            return m.Result;
        case WM_NCPAINT:
            form->HandleNCPaint(m);
            return m.Result;
        case WM_NCACTIVATE:
            form->Active = wParam != 0;
            form->PaintFrame(nullptr);
            return TRUE;
        default:
            break;
        }
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

TFrameWindow::TFrameWindow(int width, int height, DWORD style, const wchar_t* text) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    RegisterClassW(&wc);
    handle_ = CreateWindowExW(0, kClass, text, style, 40, 40, width, height, nullptr, nullptr,
                              wc.hInstance, nullptr);
    form_ = std::make_unique<TWinSkinForm>(nullptr);
    form_->Handle = handle_;
}

TFrameWindow::~TFrameWindow() {
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    form_.reset();
    DestroyWindow(handle_);
}

void TFrameWindow::Skin(TSkinData& data) {
    TWinSkinForm& f = *form_;
    f.SkinData = &data;
    f.SkinFrame = true;
    f.Traits.BorderIcons = biSystemMenuBit | biMinimizeBit | biMaximizeBit;
    // What attaching gives the object: the system's caption font.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        f.CaptionFont.Reset(CreateFontIndirectW(&metrics.lfCaptionFont));
    f.ReloadFrameMetrics();
    f.SkinState = ssSkinned;
    SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&f));
    f.RefreshFrame();
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
    form_->PaintFrame(dc.Get());
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
