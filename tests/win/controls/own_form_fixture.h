#pragma once
// A toolkit form of the test's own, on screen where nothing covers it,
// skinned through the manager like any form of the program; and the skin's
// overlay windows found beside the controls they cover.
#include "controls_fixture.h"

#include "toolkit/form.h"

#include <memory>

class OwnFormTest : public SkinFormTest {
protected:
    void SetUp() override {
        SkinFormTest::SetUp();
        if (HasFatalFailure()) return;
        SetWindowPos(main_, nullptr, -3000, -3000, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        own_ = std::make_unique<TForm>(nullptr);
        own_->SetBounds(40, 40, 440, 300);
        own_->Show();
    }
    void TearDown() override {
        own_.reset();
        SkinFormTest::TearDown();
    }

    template <class T> T* Add(RECT at) {
        auto* control = new T(own_.get());
        control->SetParent(own_.get());
        control->SetBounds(at.left, at.top, at.right - at.left, at.bottom - at.top);
        return control;
    }
    // Skins the form and brings it to the front.
    TWinSkinForm* SkinOwn() {
        SkinOn();
        SetForegroundWindow(own_->Handle());
        RedrawWindow(own_->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump();
        return manager_->FindSkinForm(own_->Handle());
    }
    void Settle(HWND window) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Pump();
    }

    std::unique_ptr<TForm> own_;
};

// The sibling window of class `cls` lying just above `control`, or null.
inline HWND OverlayAbove(HWND control, const wchar_t* cls) {
    const HWND above = GetWindow(control, GW_HWNDPREV);
    wchar_t name[64] = {};
    if (!above || !GetClassNameW(above, name, 64) || lstrcmpW(name, cls) != 0) return nullptr;
    return above;
}

// A window's rectangle in its parent's client coordinates.
inline RECT PlaceInParent(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}
