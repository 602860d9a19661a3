#pragma once
// Fixtures of the control skin tests: a raw host window with a form skin
// object that is not attached (control skins are attached to its children
// one by one), and helpers to read pixels back from a window.
#include "core/skin_elements.h"
#include "engine/win_skin_form.h"
#include "raw_dialog.h"
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

// A 32-bit DIB section to paint into (black, or filled with `fill`) and
// read back after.
class TCanvasBitmap {
public:
    TCanvasBitmap(int w, int h);
    TCanvasBitmap(int w, int h, COLORREF fill);
    ~TCanvasBitmap();
    TCanvasBitmap(const TCanvasBitmap&) = delete;
    TCanvasBitmap& operator=(const TCanvasBitmap&) = delete;
    HDC DC() const { return dc_.Get(); }
    RECT Rect() const { return RECT{0, 0, w_, h_}; }
    int Width() const { return w_; }
    COLORREF At(int x, int y) const { return GetPixel(dc_.Get(), x, y); }
    std::vector<COLORREF> Pixels() const;

private:
    int w_, h_;
    TMemoryDC dc_;
    TBitmapHandle bitmap_;
    HGDIOBJ old_ = nullptr;
};

// The gallery's raw platform dialog, opened over the skinned main window and
// skinned itself.
class RawDialogTest : public SkinFormTest {
protected:
    void SetUp() override {
        SkinFormTest::SetUp();
        if (HasFatalFailure()) return;
        SkinOn();
        dialog_ = OpenRawDialog(main_);
        ASSERT_NE(dialog_, nullptr);
        RunPending();
        Pump();
        skin_ = manager_->FindSkinForm(dialog_);
        ASSERT_NE(skin_, nullptr);
    }
    void TearDown() override {
        if (IsWindow(dialog_)) DestroyWindow(dialog_);
        Pump();
        SkinFormTest::TearDown();
    }
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }

    HWND dialog_ = nullptr;
    TWinSkinForm* skin_ = nullptr;
};

// The pixels of a window's client area as they are on the screen now
// (COLORREF values, row by row).
std::vector<COLORREF> ClientPixels(HWND window);
// The same for the whole window, its frame included.
std::vector<COLORREF> WindowPixels(HWND window);
// Two pixels a button's nine-slice copies unscaled from its frame of the
// skin's button strip: the middle of its second row and of its second-last.
std::vector<COLORREF> ButtonStripProbe(const TDataSkinButton& strip, int frame);
// The same two pixels of a button at `button` in `pixels` (rows `stride` wide).
std::vector<COLORREF> ButtonProbe(const std::vector<COLORREF>& pixels, int stride,
                                  const RECT& button);
// The pixels GDI left in a bitmap.
std::vector<COLORREF> BitmapPixels(HDC dc, HBITMAP bitmap, int width, int height);
