#pragma once
// The real main form with its skin components, shown on screen, and a
// manager driven step by step (its timer's actions run on demand).
#include "app/main_form.h"
#include "engine/skin_data.h"
#include "engine/skin_manager.h"
#include "engine/skin_store_component.h"
#include "engine/win_skin_form.h"
#include "support/stored_main_form.h"
#include "toolkit/form_reader.h"

#include <gtest/gtest.h>

#include "toolkit/gdi_objects.h"

#include <functional>
#include <memory>
#include <vector>

inline void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

inline SIZE WindowSize(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// The frame as the engine paints it into a memory DC of the window's size:
// 0x00BBGGRR pixels, row by row.
inline std::vector<COLORREF> PaintedFrame(HWND window) {
    const SIZE size = WindowSize(window);
    TMemoryDC dc(CreateCompatibleDC(nullptr));
    TBitmapHandle bitmap(CreateBitmap(size.cx, size.cy, 1, 32, nullptr));
    {
        TSelectObject keep(dc.Get(), bitmap.Get());
        SendMessageW(window, SKINMSG_PAINTNC, reinterpret_cast<WPARAM>(dc.Get()), kSkinMagic);
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<COLORREF> pixels(static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy));
    GetDIBits(dc.Get(), bitmap.Get(), 0, static_cast<UINT>(size.cy), pixels.data(), &info,
              DIB_RGB_COLORS);
    for (COLORREF& p : pixels)
        p = RGB(GetBValue(p), GetGValue(p), GetRValue(p)); // 0x00RRGGBB to COLORREF
    return pixels;
}

// What "switching the skin off" must give back exactly.
struct TWindowLook {
    LONG_PTR Proc = 0, Style = 0, ExStyle = 0;
    HMENU Menu = nullptr;
    int RegionKind = 0;
    RECT Window{}, Client{};
    POINT ClientOrigin{};
    static TWindowLook Of(HWND w) {
        TWindowLook l;
        l.Proc = GetWindowLongPtrW(w, GWLP_WNDPROC);
        l.Style = GetWindowLongPtrW(w, GWL_STYLE);
        l.ExStyle = GetWindowLongPtrW(w, GWL_EXSTYLE);
        l.Menu = GetMenu(w);
        HRGN probe = CreateRectRgn(0, 0, 0, 0);
        l.RegionKind = GetWindowRgn(w, probe);
        DeleteObject(probe);
        GetWindowRect(w, &l.Window);
        GetClientRect(w, &l.Client);
        ClientToScreen(w, &l.ClientOrigin);
        return l;
    }
    bool operator==(const TWindowLook& o) const {
        return Proc == o.Proc && Style == o.Style && ExStyle == o.ExStyle && Menu == o.Menu &&
               RegionKind == o.RegionKind && EqualRect(&Window, &o.Window) &&
               EqualRect(&Client, &o.Client) && ClientOrigin.x == o.ClientOrigin.x &&
               ClientOrigin.y == o.ClientOrigin.y;
    }
};

inline std::ostream& operator<<(std::ostream& os, const TWindowLook& l) {
    return os << "proc " << l.Proc << " style " << std::hex << l.Style << " ex " << l.ExStyle
              << std::dec << " menu " << l.Menu << " rgn " << l.RegionKind << " window "
              << l.Window.left << "," << l.Window.top << "-" << l.Window.right << ","
              << l.Window.bottom << " client " << l.Client.right << "x" << l.Client.bottom << " at "
              << l.ClientOrigin.x << "," << l.ClientOrigin.y;
}

// What unskinning must give back of a form and every control on it, on the
// toolkit's side (colour, tag, text, the replaceable message handler) and
// the window's (its procedure).
struct TControlsLook {
    struct TOne {
        std::wstring Name;
        LONG_PTR Proc = 0;
        TWndMethod Handler;
        int Color = 0, Tag = 0;
        std::wstring Text;
        bool operator==(const TOne& o) const {
            return Name == o.Name && Proc == o.Proc && Handler == o.Handler && Color == o.Color &&
                   Tag == o.Tag && Text == o.Text;
        }
        static TOne Of(TControl& c) {
            auto* w = dynamic_cast<TWinControl*>(&c);
            const LONG_PTR proc =
                w && w->HandleAllocated() ? GetWindowLongPtrW(w->Handle(), GWLP_WNDPROC) : 0;
            return {c.Name(), proc, c.WindowProc, c.Color(), c.Tag(), c.GetText()};
        }
    };
    std::vector<TOne> Controls;
    static void Collect(TWinControl& parent, std::vector<TOne>& out) {
        for (int i = 0; i < parent.ControlCount(); ++i) {
            TControl* c = parent.Controls(i);
            out.push_back(TOne::Of(*c));
            if (auto* w = dynamic_cast<TWinControl*>(c)) Collect(*w, out);
        }
    }
    static TControlsLook Of(TWinControl& form) {
        TControlsLook look;
        look.Controls.push_back(TOne::Of(form));
        Collect(form, look.Controls);
        return look;
    }
    bool operator==(const TControlsLook& o) const { return Controls == o.Controls; }
};

inline std::ostream& operator<<(std::ostream& os, const TControlsLook& l) {
    for (const auto& c : l.Controls)
        os << std::string(c.Name.begin(), c.Name.end()) << " proc " << c.Proc << " handler "
           << c.Handler.Object << "/" << reinterpret_cast<void*>(c.Handler.Thunk) << " colour "
           << std::hex << c.Color << std::dec << " tag " << c.Tag << "; ";
    return os;
}

// Drives the skin manager of a form's skin components step by step: what
// the manager's timer would run for an action runs at once.
struct TSkinSteps {
    TSkinManage* Manager = nullptr;
    TSkinData* Data = nullptr;
    TSkinStore* Store = nullptr;

    void RunPending() const {
        Manager->TimerTick();
        Pump();
    }
    void Run(TSkinAction action) const {
        Manager->SetPendingSkinData(Data);
        Manager->Schedule(action, 250);
        RunPending();
    }
    void On() const { Run(ActionSkinAll); }
    void Off() const { Run(ActionUnskinAll); }
    void Select(int index) const {
        Data->SelectStoredSkin(Store->Items(), index);
        RunPending();
    }
};

class SkinFormTest : public StoredMainFormTest {
protected:
    void SetUp() override {
        StoredMainFormTest::SetUp();
        if (HasFatalFailure()) return;
        manager_->ActivityState = ActivityStarted;
        // Shown unskinned first, so that its own look is known.
        manager_->SkinningOn = false;
        form_->AfterConstruction();
        form_->Show();
        Pump();
        main_ = form_->Handle();
        original_ = TWindowLook::Of(main_);
    }
    void TearDown() override {
        if (form_) form_->BeforeDestruction();
        form_.reset();
        Pump();
        StoredMainFormTest::TearDown();
    }

    TSkinSteps Steps() const { return {manager_, data_, store_}; }
    // Runs what the manager's timer would run for the pending action.
    void RunPending() { Steps().RunPending(); }
    void SkinOn() { Steps().On(); }
    void SkinOff() { Steps().Off(); }
    void SelectSkin(int index) { Steps().Select(index); }
    bool Skinned(HWND w) { return SendMessageW(w, SKINMSG_QUERY, 0, 0) == 1; }
    // Switches the skin on and has it take `w` (a window of this thread)
    // over at once; the window's skin object, or null when it was refused.
    TWinSkinForm* SkinNow(HWND w) {
        SkinOn();
        if (!manager_->SkinWindow(w) && !Skinned(w)) return nullptr;
        RunPending();
        return Skinned(w) ? manager_->FindSkinForm(w) : nullptr;
    }

    HWND main_ = nullptr;
    TWindowLook original_;
};

// A raw top-level window of this module whose procedure runs a callback per
// message, so that a test can act in the middle of the window's own work.
class TRawWindow {
public:
    using TCallback = std::function<void(HWND, UINT)>;
    explicit TRawWindow(const wchar_t* cls = L"VelmoraRawProbe", DWORD style = WS_OVERLAPPEDWINDOW,
                        int width = 300, int height = 200, HINSTANCE instance = nullptr,
                        HWND parent = nullptr);
    ~TRawWindow();
    TRawWindow(const TRawWindow&) = delete;
    TRawWindow& operator=(const TRawWindow&) = delete;
    HWND Handle() const { return handle_; }
    TCallback OnMessage;

private:
    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp);
    HWND handle_ = nullptr;
};
