// The replaceable message handler, the control stored on its window, and
// the non-windowed children that their parent paints and clicks for.
#include "toolkit/button.h"
#include "toolkit/form.h"
#include "toolkit/image.h"
#include "toolkit/label.h"
#include "toolkit/speed_button.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Stands in front of a control's handler the way a skin object does.
class TRecordingHook {
public:
    explicit TRecordingHook(TControl& control) : control_(control) {
        saved_ = control.WindowProc;
        control.WindowProc = MakeWndMethod<&TRecordingHook::WndProc>(this);
    }
    ~TRecordingHook() { Restore(); }
    void Restore() {
        if (control_.WindowProc == MakeWndMethod<&TRecordingHook::WndProc>(this))
            control_.WindowProc = saved_;
    }
    void WndProc(TMessage& m) {
        seen.push_back(m.Msg);
        if (m.Msg == WM_GETTEXTLENGTH && swallowTextLength) {
            m.Result = 99;
            return;
        }
        saved_(m);
    }
    std::vector<UINT> seen;
    bool swallowTextLength = false;

private:
    TControl& control_;
    TWndMethod saved_;
};

struct TFormOwner {
    TComponent root{nullptr};
    TForm* form = new TForm(&root);
    TFormOwner() {
        form->SetBounds(0, 0, 200, 150);
        form->Font()->SetName(L"宋体");
    }
    ~TFormOwner() { FreeForm(form); }
};

bool Saw(const std::vector<UINT>& seen, UINT msg) {
    return std::find(seen.begin(), seen.end(), msg) != seen.end();
}

} // namespace

TEST(WindowProc, HooksChainAndRestoreInOrder) {
    TFormOwner f;
    auto* button = new TButton(&f.root);
    button->SetParent(f.form);
    button->SetBounds(10, 10, 80, 24);
    button->SetCaption(L"按钮");
    f.form->HandleNeeded();
    ASSERT_TRUE(button->HandleAllocated());
    EXPECT_EQ(TWinControl::FindControl(button->Handle()), button);
    EXPECT_EQ(TWinControl::FindControl(f.form->Handle()), f.form);

    auto outer = std::make_unique<TRecordingHook>(*button);
    {
        TRecordingHook inner(*button); // installed last, sees messages first
        inner.swallowTextLength = true;
        EXPECT_EQ(SendMessageW(button->Handle(), WM_GETTEXTLENGTH, 0, 0), 99);
        EXPECT_TRUE(Saw(inner.seen, WM_GETTEXTLENGTH));
        EXPECT_FALSE(Saw(outer->seen, WM_GETTEXTLENGTH)); // swallowed before it
        SetWindowTextW(button->Handle(), L"新");
        EXPECT_TRUE(Saw(inner.seen, WM_SETTEXT));
        EXPECT_TRUE(Saw(outer->seen, WM_SETTEXT));
        button->SetVisible(false); // toolkit notifications travel the same road
        EXPECT_TRUE(Saw(inner.seen, CM_VISIBLECHANGED));
        EXPECT_FALSE(IsWindowVisible(button->Handle()));
    }
    EXPECT_EQ(button->GetText(), L"新"); // the original window procedure ran
    outer->seen.clear();
    outer.reset();
    EXPECT_EQ(button->WindowProc,
              MakeWndMethod<&TControl::WndProc>(static_cast<TControl*>(button)));
    EXPECT_EQ(SendMessageW(button->Handle(), WM_GETTEXTLENGTH, 0, 0), 1);
}

TEST(WindowProc, ParentReflectsNotificationsToTheChild) {
    TFormOwner f;
    auto* button = new TButton(&f.root);
    button->SetParent(f.form);
    button->SetBounds(10, 10, 80, 24);
    int clicks = 0;
    button->OnClick = [&](TPersistent* sender) {
        EXPECT_EQ(sender, button);
        ++clicks;
    };
    f.form->HandleNeeded();
    TRecordingHook hook(*button);
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(Saw(hook.seen, CN_COMMAND));
}

namespace {

// A top-level window of another process (a hidden Notepad), for as long as
// the object lives.
class TOtherProcessWindow {
public:
    TOtherProcessWindow() {
        wchar_t notepad[MAX_PATH];
        GetSystemDirectoryW(notepad, MAX_PATH);
        wcscat_s(notepad, L"\\notepad.exe");
        STARTUPINFOW si{sizeof(si)};
        si.dwFlags = STARTF_USESHOWWINDOW;
        si.wShowWindow = SW_HIDE;
        if (!CreateProcessW(notepad, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                            &process_))
            return;
        WaitForInputIdle(process_.hProcess, 10000);
        for (int i = 0; i < 200 && !window_; ++i) {
            EnumWindows(&TOtherProcessWindow::Take, reinterpret_cast<LPARAM>(this));
            if (!window_) Sleep(50);
        }
    }
    ~TOtherProcessWindow() {
        if (!process_.hProcess) return;
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, 5000);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    TOtherProcessWindow(const TOtherProcessWindow&) = delete;
    TOtherProcessWindow& operator=(const TOtherProcessWindow&) = delete;

    HWND Window() const { return window_; }

private:
    static BOOL CALLBACK Take(HWND window, LPARAM self) {
        auto* me = reinterpret_cast<TOtherProcessWindow*>(self);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process != me->process_.dwProcessId || GetWindow(window, GW_OWNER)) return TRUE;
        me->window_ = window;
        return FALSE;
    }

    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

} // namespace

// The property that holds a window's control is under a global atom: another
// process can put any value there on its own windows, and their handles reach
// ours in messages. Here the value is the address of a real button of ours:
// were it trusted, another process could click it.
TEST(WindowProc, WindowsOfAnotherProcessNeverYieldAControl) {
    TFormOwner f;
    auto* button = new TButton(&f.root);
    button->SetParent(f.form);
    int clicks = 0;
    button->OnClick = [&](TPersistent*) { ++clicks; };
    f.form->HandleNeeded();
    TOtherProcessWindow other;
    ASSERT_NE(other.Window(), nullptr);
    ASSERT_TRUE(SetPropW(other.Window(), MAKEINTATOM(TWinControl::ControlAtom()), button));
    ASSERT_EQ(GetPropW(other.Window(), MAKEINTATOM(TWinControl::ControlAtom())), button);

    EXPECT_EQ(TWinControl::FindControl(other.Window()), nullptr);
    SendMessageW(f.form->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                 reinterpret_cast<LPARAM>(other.Window()));
    EXPECT_EQ(clicks, 0);
    RemovePropW(other.Window(), MAKEINTATOM(TWinControl::ControlAtom()));
}

TEST(GraphicControls, ParentPaintsThemIntoAnyDcAndForwardsClicks) {
    TFormOwner f;
    auto* image = new TImage(&f.root);
    image->SetParent(f.form);
    image->SetBounds(20, 30, 8, 8);
    image->Picture()->SetSize(8, 8);
    RECT all{0, 0, 8, 8};
    image->Picture()->Canvas().FillRect(all, RGB(255, 0, 0));
    int clicks = 0;
    image->OnClick = [&](TPersistent*) { ++clicks; };
    f.form->HandleNeeded();

    TBitmap target(100, 100);
    RECT back{0, 0, 100, 100};
    target.Canvas().FillRect(back, RGB(0, 0, 255));
    f.form->PaintControls(target.DC());
    GdiFlush();
    EXPECT_EQ(target.Pixel(24, 34), RGB(255, 0, 0));
    EXPECT_EQ(target.Pixel(10, 10), RGB(0, 0, 255));
    EXPECT_EQ(target.Pixel(28, 34), RGB(0, 0, 255)); // clipped to the image's bounds

    HWND wnd = f.form->Handle();
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(22, 32));
    SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(23, 33));
    EXPECT_EQ(clicks, 1);
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(22, 32));
    SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(90, 90)); // released elsewhere
    EXPECT_EQ(clicks, 1);
    image->SetVisible(false);
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(22, 32));
    SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(22, 32));
    EXPECT_EQ(clicks, 1);
}

TEST(GraphicControls, LabelAndSpeedButtonDrawAndClickThroughTheirParent) {
    TFormOwner f;
    auto* label = new TLabel(&f.root);
    label->SetParent(f.form);
    label->SetBounds(0, 0, 60, 20);
    label->SetColor(clWhite);
    label->SetCaption(L"主题");
    auto* speed = new TSpeedButton(&f.root);
    speed->SetParent(f.form);
    speed->SetBounds(100, 0, 30, 30);
    int clicks = 0;
    speed->OnClick = [&](TPersistent*) { ++clicks; };
    f.form->HandleNeeded();

    TBitmap target(140, 40);
    f.form->PaintControls(target.DC());
    GdiFlush();
    int dark = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x)
            dark += GetRValue(target.Pixel(x, y)) < 128;
    EXPECT_GT(dark, 10) << "the caption was drawn";
    EXPECT_EQ(target.Pixel(59, 19), RGB(255, 255, 255));

    SendMessageW(f.form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(110, 10));
    EXPECT_TRUE(speed->Pressed());
    SendMessageW(f.form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(110, 10));
    EXPECT_FALSE(speed->Pressed());
    EXPECT_FALSE(speed->Down()) << "a click does not latch it";
    EXPECT_EQ(clicks, 1);
}

TEST(Graphics, TransparentDrawLeavesTheKeyColourOut) {
    TBitmap glyph(4, 4);
    RECT all{0, 0, 4, 4};
    glyph.Canvas().FillRect(all, RGB(255, 0, 255));
    RECT dot{1, 1, 2, 2};
    glyph.Canvas().FillRect(dot, RGB(0, 128, 0));
    TBitmap target(4, 4);
    target.Canvas().FillRect(all, RGB(10, 20, 30));
    target.Canvas().Draw(0, 0, glyph, true);
    GdiFlush();
    EXPECT_EQ(target.Pixel(0, 0), RGB(10, 20, 30));
    EXPECT_EQ(target.Pixel(1, 1), RGB(0, 128, 0));

    TBitmap copy;
    ASSERT_TRUE(copy.LoadFromBmpBytes(glyph.SaveToBmpBytes()));
    EXPECT_EQ(copy.Width(), 4);
    EXPECT_EQ(copy.Pixel(1, 1), RGB(0, 128, 0));
    std::vector<std::uint8_t> bytes = glyph.SaveToBmpBytes();
    bytes.resize(bytes.size() - 10); // pixels cut short
    EXPECT_FALSE(copy.LoadFromBmpBytes(bytes));
    EXPECT_TRUE(copy.Empty());
}
