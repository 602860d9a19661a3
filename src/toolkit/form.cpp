#include "toolkit/form.h"

#include "toolkit/application.h"
#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/form_reader.h"
#include "toolkit/menus.h"
#include "toolkit/screen.h"

#include <commctrl.h>

#include <functional>

namespace {
const TEnumInfo kBorderStyles{
    {L"bsNone", L"bsSingle", L"bsSizeable", L"bsDialog", L"bsToolWindow", L"bsSizeToolWin"}};
const TEnumInfo kBorderIcons{{L"biSystemMenu", L"biMinimize", L"biMaximize", L"biHelp"}};
const TEnumInfo kPositions{
    {L"poDesigned", L"poDefault", L"poDefaultPosOnly", L"poDefaultSizeOnly", L"poScreenCenter"}};
} // namespace

const TClassInfo& TForm::StaticClass() {
    static const TClassInfo info(L"TForm", &TCustomControl::StaticClass(), [](TClassInfo& c) {
        c.Enum<TForm>(L"BorderStyle", kBorderStyles, &TForm::BorderStyle, &TForm::SetBorderStyle);
        c.Set<TForm>(L"BorderIcons", kBorderIcons, &TForm::BorderIcons, &TForm::SetBorderIcons);
        c.Enum<TForm>(L"Position", kPositions, &TForm::Position, &TForm::SetPosition);
        c.Int<TForm>(L"PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch);
        c.Event(L"OnCreate", &TForm::OnCreate);
        c.Event(L"OnDestroy", &TForm::OnDestroy);
    });
    return info;
}

TForm::TForm(TComponent* owner) : TCustomControl(owner) {
    visible_ = false;
    Screen().AddForm(this);
}

TForm::~TForm() {
    // OnDestroy belongs to the derived form, which is gone by now: the
    // owner runs BeforeDestruction first (FreeForm, TApplication).
    destroying_ = true;
    DestroyHandle();
    Screen().RemoveForm(this);
}

void FreeForm(TForm* form) {
    if (!form) return;
    form->BeforeDestruction();
    delete form;
}

void TForm::ReadFromResource() {
    std::wstring name = ClassName();
    for (wchar_t& c : name)
        c = static_cast<wchar_t>(towupper(c));
    ReadComponentResource(*this, name);
}

void TForm::AfterConstruction() {
    HandleNeeded();
    CreateHints();
    if (OnCreate) OnCreate(this);
}

void TForm::CreateHints() {
    if (!showHint_ || hintWindow_) return;
    hintWindow_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                  WS_POPUP | TTS_NOPREFIX | TTS_NOANIMATE | TTS_NOFADE,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (hintWindow_) AddHints(*this);
}

void TForm::AddHints(const TWinControl& parent) {
    for (int i = 0; i < parent.ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(parent.Controls(i));
        if (!child || !child->HandleAllocated()) continue;
        std::wstring hint = child->Hint();
        if (!hint.empty()) {
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = Handle();
            tool.uId = reinterpret_cast<UINT_PTR>(child->Handle());
            tool.lpszText = hint.data();
            SendMessageW(hintWindow_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        AddHints(*child);
    }
}

void TForm::BeforeDestruction() {
    if (destroying_) return;
    destroying_ = true;
    if (OnDestroy) OnDestroy(this);
    DestroyHandle();
}

static DWORD FormStyle(int borderStyle, int icons) {
    DWORD style = WS_CLIPCHILDREN;
    switch (borderStyle) {
    case bsNone:
        return style | WS_POPUP;
    case bsSingle:
    case bsToolWindow:
        style |= WS_CAPTION;
        break;
    case bsDialog:
        style |= WS_CAPTION | WS_SYSMENU;
        return style;
    default:
        style |= WS_CAPTION | WS_THICKFRAME;
    }
    if (icons & biSystemMenu) {
        style |= WS_SYSMENU;
        if (icons & biMinimize) style |= WS_MINIMIZEBOX;
        if (icons & biMaximize) style |= WS_MAXIMIZEBOX;
    }
    return style;
}

static DWORD FormExStyle(int borderStyle, int icons) {
    DWORD ex = WS_EX_APPWINDOW;
    if (borderStyle == bsDialog) ex |= WS_EX_DLGMODALFRAME;
    if (borderStyle == bsToolWindow || borderStyle == bsSizeToolWin) ex |= WS_EX_TOOLWINDOW;
    if ((icons & biHelp) && !(icons & (biMinimize | biMaximize))) ex |= WS_EX_CONTEXTHELP;
    return ex;
}

RECT TForm::FrameFor(int clientWidth, int clientHeight) const {
    RECT r{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&r, FormStyle(borderStyle_, borderIcons_), menu_ != nullptr,
                       FormExStyle(borderStyle_, borderIcons_));
    return r;
}

void TForm::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.Style = FormStyle(borderStyle_, borderIcons_);
    p.ExStyle = FormExStyle(borderStyle_, borderIcons_);
    if (clientWidth_ > 0 || clientHeight_ > 0) {
        RECT r =
            FrameFor(clientWidth_ > 0 ? clientWidth_ : 0, clientHeight_ > 0 ? clientHeight_ : 0);
        if (clientWidth_ > 0) width_ = r.right - r.left;
        if (clientHeight_ > 0) height_ = r.bottom - r.top;
    }
    if (position_ == poScreenCenter) {
        RECT work;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        left_ = work.left + (work.right - work.left - width_) / 2;
        top_ = work.top + (work.bottom - work.top - height_) / 2;
    }
    p.X = left_;
    p.Y = top_;
    p.Width = width_;
    p.Height = height_;
    p.WndParent = nullptr;
}

void TForm::SetMenu(TMainMenu* menu) {
    menu_ = menu;
    if (HandleAllocated()) ::SetMenu(Handle(), menu ? menu->Handle() : nullptr);
}

void TForm::CreateWnd() {
    if (menu_) ::SetMenu(Handle(), menu_->Handle());
    if (HICON icon = Application().Icon()) {
        SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
}

int TForm::ClientWidth() const {
    if (!HandleAllocated()) return clientWidth_ > 0 ? clientWidth_ : width_;
    RECT r;
    GetClientRect(Handle(), &r);
    return r.right;
}

int TForm::ClientHeight() const {
    if (!HandleAllocated()) return clientHeight_ > 0 ? clientHeight_ : height_;
    RECT r;
    GetClientRect(Handle(), &r);
    return r.bottom;
}

void TForm::SetClientWidth(int v) {
    clientWidth_ = v;
    if (HandleAllocated()) {
        RECT r = FrameFor(v, ClientHeight());
        SetWidth(r.right - r.left);
    }
}

void TForm::SetClientHeight(int v) {
    clientHeight_ = v;
    if (HandleAllocated()) {
        RECT r = FrameFor(ClientWidth(), v);
        SetHeight(r.bottom - r.top);
    }
}

void TForm::Show() {
    HandleNeeded();
    HideFocusCuesUntilKeyboardUse();
    visible_ = true;
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
}

namespace {

bool HasMnemonic(const std::wstring& caption, wchar_t key) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] == L'&') {
            ++i;
            continue;
        }
        return CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(caption[i + 1]))) ==
               CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(key)));
    }
    return false;
}

// The first visible, enabled control under `parent` that `match` accepts.
TWinControl* FindEnabled(const TWinControl& parent,
                         const std::function<bool(TWinControl&)>& match) {
    for (int i = 0; i < parent.ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(parent.Controls(i));
        if (!child || !child->Visible() || !child->Enabled()) continue;
        if (match(*child)) return child;
        if (TWinControl* inner = FindEnabled(*child, match)) return inner;
    }
    return nullptr;
}

// A button, check box or radio button whose caption has the mnemonic.
TWinControl* ControlWithMnemonic(const TWinControl& parent, wchar_t key) {
    return FindEnabled(parent, [key](TWinControl& control) {
        const bool pressable =
            dynamic_cast<TButton*>(&control) || dynamic_cast<TCheckControl*>(&control);
        return pressable && HasMnemonic(control.Caption(), key);
    });
}

// A check box or radio button is clicked the platform's way, so that its
// state changes before it reports the click.
void PressMnemonic(TWinControl& control) {
    control.SetFocus();
    if (auto* button = dynamic_cast<TButton*>(&control))
        button->Click();
    else
        SendMessageW(control.Handle(), BM_CLICK, 0, 0);
}

// The button Enter presses: the focused button, else the form's default one.
TButton* ButtonForEnter(const TWinControl& form) {
    const HWND focus = GetFocus();
    TWinControl* focused = FindEnabled(form, [focus](TWinControl& control) {
        return dynamic_cast<TButton*>(&control) && control.HandleAllocated() &&
               control.Handle() == focus;
    });
    if (focused) return static_cast<TButton*>(focused);
    return static_cast<TButton*>(FindEnabled(form, [](TWinControl& control) {
        auto* button = dynamic_cast<TButton*>(&control);
        return button && button->Default();
    }));
}

} // namespace

bool TForm::DialogKey(const MSG& msg) {
    if (!HandleAllocated() || (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd))) return false;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
        HWND next = GetNextDlgTabItem(Handle(), GetFocus(), GetKeyState(VK_SHIFT) < 0);
        // From now on the focus is shown, as the platform's dialogs do.
        SendMessageW(Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        if (next) ::SetFocus(next);
        return true;
    }
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) {
        if (TButton* button = ButtonForEnter(*this)) {
            button->Click();
            return true;
        }
    }
    if (msg.message == WM_SYSCHAR) {
        if (TWinControl* control = ControlWithMnemonic(*this, static_cast<wchar_t>(msg.wParam))) {
            PressMnemonic(*control);
            return true;
        }
        // Whoever draws the form's menu bar may take the key for it.
        if (SendMessageW(Handle(), CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0) return true;
    }
    return false;
}

// The platform's rule: focus rectangles stay hidden until the keyboard is
// used, unless the user asked to see them always.
void TForm::HideFocusCuesUntilKeyboardUse() {
    BOOL alwaysShown = FALSE;
    SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &alwaysShown, 0);
    if (!alwaysShown)
        SendMessageW(Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
}

void TForm::Close() {
    if (HandleAllocated()) SendMessageW(Handle(), WM_CLOSE, 0, 0);
}

void TForm::WndProc(TMessage& m) {
    // A command from the menu bar (not from a control, not an accelerator).
    if (m.Msg == WM_COMMAND && m.LParam == 0 && HIWORD(m.WParam) == 0 && menu_ &&
        menu_->DispatchCommand(LOWORD(m.WParam)))
        return;
    // The window would destroy the bar's menu with itself; the menu object
    // owns it.
    if (m.Msg == WM_DESTROY && menu_ && GetMenu(Handle()) == menu_->Handle())
        ::SetMenu(Handle(), nullptr);
    if (m.Msg == WM_CLOSE) {
        // The main form ends the message loop; the application then frees
        // the forms in order. Other forms only hide.
        if (Application().MainForm() == this)
            Application().Terminate();
        else
            SetVisible(false);
        return;
    }
    TCustomControl::WndProc(m);
}
