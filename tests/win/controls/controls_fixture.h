#pragma once
// Fixtures of the control skin tests: a raw host window with a form skin
// object that is not attached (control skins are attached to its children
// one by one), and helpers to read pixels back from a window.
#include "engine/win_skin_form.h"
#include "support/skin_form_fixture.h"
#include "toolkit/caught_errors.h"

#include <memory>
#include <vector>

class RawHostTest : public StoredMainFormTest {
protected:
    void SetUp() override {
        StoredMainFormTest::SetUp();
        if (HasFatalFailure()) return;
        host_ = std::make_unique<TRawWindow>(L"VelmoraControlHost",
                                             WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 300);
        form_ = std::make_unique<TWinSkinForm>(nullptr, host_->Handle());
    }
    void TearDown() override {
        form_.reset();
        host_.reset();
        StoredMainFormTest::TearDown();
    }
    HWND Child(const wchar_t* cls, DWORD style, const wchar_t* text = L"",
               RECT at = RECT{10, 10, 200, 40}) {
        return CreateWindowExW(0, cls, text, style, at.left, at.top, at.right - at.left,
                               at.bottom - at.top, host_->Handle(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }

    std::unique_ptr<TRawWindow> host_;
    std::unique_ptr<TWinSkinForm> form_;
};

// The pixels of a window's client area as they are on the screen now
// (COLORREF values, row by row).
std::vector<COLORREF> ClientPixels(HWND window);
// The same for the whole window, its frame included.
std::vector<COLORREF> WindowPixels(HWND window);
// The pixels GDI left in a bitmap.
std::vector<COLORREF> BitmapPixels(HDC dc, HBITMAP bitmap, int width, int height);
