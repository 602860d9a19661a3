#include "engine/win_skin_form.h"

#include "engine/skin_data.h"
#include "engine/skin_manager.h"
#include "toolkit/colours.h"
#include "toolkit/form.h"
#include "toolkit/menus.h"

const TClassInfo& TWinSkinForm::StaticClass() {
    static const TClassInfo info(L"TWinSkinForm", &TComponent::StaticClass(), nullptr);
    return info;
}

namespace {

TColor SkinButtonFace(const TSkinData& sd) {
    return static_cast<TColor>(sd.Skin().Colour(sciButtonFace));
}

bool IsNTFamilyWindows2000() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&info)) return false;
#pragma GCC diagnostic pop
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion > 4 &&
           info.dwMinorVersion == 0;
}

HWND FindMDIClient(HWND window) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[16] = L"";
        GetClassNameW(child, cls, 16);
        if (lstrcmpiW(cls, L"MDIClient") == 0) return child;
    }
    return nullptr;
}

} // namespace

TWinSkinForm::TWinSkinForm(TComponent* owner) : TComponent(owner) {
    DoubleClickTime = GetDoubleClickTime();
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        CaptionFont.Reset(CreateFontIndirectW(&metrics.lfCaptionFont));
}

TWinSkinForm::~TWinSkinForm() {
    *Alive = false;
    // Freed while still attached (a toolkit form freeing its components
    // with the window alive, or the manager shutting down): unhook first so
    // the window never calls into a dead object.
    if (Attached()) DetachOnDestroy();
    FreeSkinnedControls();
    if (TSkinManage* manager = SkinManager()) manager->RemoveSkinForm(this);
}

const TSkinModel* TWinSkinForm::Skin() const {
    if (model_) return model_.get();
    return SkinData ? &SkinData->Skin() : nullptr;
}

void TWinSkinForm::AttachForm(TSkinData* skinData, TForm* form) {
    Form = form;
    if (skinData->OnBeforeSkinForm) skinData->OnBeforeSkinForm(Form, Handle, ManagerClassName);
    Attach(skinData);
    if (!Attached()) return;
    if (SkinFrame) {
        SavedWindowProc = Form->WindowProc;
        Form->WindowProc = MakeWndMethod<&TWinSkinForm::FormWindowProc>(this);
    }
    SavedColor = Form->Color();
    Form->SetColor(SkinButtonFace(*skinData));
}

void TWinSkinForm::AttachWindow(TSkinData* skinData) {
    Attach(skinData);
}

void TWinSkinForm::Attach(TSkinData* skinData) {
    if (Attached() || !IsWindow(Handle)) return;
    TSkinManage* manager = SkinManager();
    if (manager) manager->ActivityState = ActivityStarted;
    SkinData = skinData;
    BackgroundBrush.Reset(CreateSolidBrush(ColorToRGB(SkinButtonFace(*skinData))));
    SkinFrame = InSet(skinData->SkinControls(), xcMainMenu);

    Style = static_cast<DWORD>(GetWindowLongPtrW(Handle, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(Handle, GWL_EXSTYLE));
    RightToLeft = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
    ChildWindow = (Style & WS_CHILD) != 0;
    wchar_t cls[101] = L"";
    GetClassNameW(Handle, cls, 101);
    WindowClass = cls;
    OwnerWindow = GetWindow(Handle, GW_OWNER);

    BorderIcons = 0;
    if ((Style & WS_SYSMENU) || SystemMenuHandle) BorderIcons |= biSystemMenuBit;
    if (Style & WS_MINIMIZEBOX) BorderIcons |= biMinimizeBit;
    if (Style & WS_MAXIMIZEBOX) BorderIcons |= biMaximizeBit;
    if (exStyle & WS_EX_CONTEXTHELP) BorderIcons |= biHelpBit;

    WindowState = WindowStateOf(Handle);
    Sizeable = (Style & WS_THICKFRAME) != 0;
    MDIClientHandle = FindMDIClient(Handle);
    FormKind = MDIClientHandle ? fkMDIFrame : fkPlain;
    if (MDIClientHandle && manager) {
        manager->MDIClient = MDIClientHandle;
        manager->MDIFrame = Form;
    }
    if (exStyle & WS_EX_MDICHILD) {
        FormKind = fkMDIChild;
        if (InSet(skinData->Options(), xoMDIChildBorder)) SkinFrame = false;
    }

    if ((Style & WS_CAPTION) != WS_CAPTION)
        BorderKind = bkNone;
    else if (Style & WS_THICKFRAME)
        BorderKind = bkSizeable;
    else if (Style & DS_MODALFRAME)
        BorderKind = bkDialog;
    else
        BorderKind = bkSingle;
    if (exStyle & WS_EX_DLGMODALFRAME) BorderKind = bkDialog;

    if (IsNTFamilyWindows2000() &&
        ((exStyle & WS_EX_APPWINDOW) || (!OwnerWindow && FormKind != fkMDIChild)))
        BorderIcons |= biKeepSysMenuBit;

    Unicode = IsWindowUnicode(Handle) != FALSE;
    if (WindowClass == L"#32770" || WindowClass == L"TMessageForm") {
        BorderKind = bkDialog;
        SystemDialog = true;
    }
    if (manager && manager->HideWhileSkinning && !ChildWindow && SkinFrame &&
        BorderKind != bkNone) {
        Style &= ~WS_VISIBLE;
        SetWindowLongPtrW(Handle, GWL_STYLE, static_cast<LONG_PTR>(Style));
    }

    if (FormKind == fkMDIFrame) {
        MenuUpdate = skinData->MenuUpdate();
        MDIClientThunk =
            std::make_unique<TWindowSubclass>(MDIClientHandle, this, &MDIClientHandler);
        if (!MDIClientThunk->Installed()) MDIClientThunk.reset();
    }
    WndProcThunk = std::make_unique<TWindowSubclass>(Handle, this, &WindowHandler);
    if (!WndProcThunk->Installed()) {
        WndProcThunk.reset();
        MDIClientThunk.reset();
        return;
    }

    if (SkinFrame) {
        MenuHandle = GetMenu(Handle);
        if (MenuHandle && FormKind != fkMDIChild) MenuHeight = GetSystemMetrics(SM_CYMENU);
        ReloadFrameMetrics();
    } else {
        SkinState = ssSkinned;
    }
    if (FormKind == fkMDIChild) {
        const int least = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
        if (BorderTop < least) MenuHeight = least - BorderTop;
        if (WindowState == wsMaximized && manager && !manager->MDIChildMaximized)
            manager->SetMDIChildMaximized(true);
    }
}

void TWinSkinForm::Start() {
    SystemMenuHandle = GetSystemMenu(Handle, FALSE);
    BuildIconBitmap();
    RECT window{}, client{};
    GetWindowRect(Handle, &window);
    GetClientRect(Handle, &client);
    ClientRect = client;
    StdFrameSize = RECT{0, 0, (window.right - window.left) - client.right,
                        (window.bottom - window.top) - client.bottom};
    const POINT origin = ClientOrigin();
    StdClientOffset = POINT{origin.x - window.left, origin.y - window.top};
    TSkinManage* manager = SkinManager();
    if (manager && manager->HideWhileSkinning) {
        manager->HideWhileSkinning = false;
        const auto style = GetWindowLongPtrW(Handle, GWL_STYLE);
        if (!(style & WS_VISIBLE)) SetWindowLongPtrW(Handle, GWL_STYLE, style | WS_VISIBLE);
    }
    // The controls are taken over by the control skins (not yet part of
    // the engine); the frame is ours from here on.
    if (SkinState == ssAttached) {
        if (FormKind == fkMDIChild) {
            if (WindowState == wsMaximized) {
                if (manager && manager->MDIClient)
                    PostMessageW(manager->MDIClient, SKINMSG_REDRAW,
                                 reinterpret_cast<WPARAM>(Handle), 0);
            } else if (WindowState == wsNormal) {
                SkinState = ssFitting;
                FitWindow(false);
                SkinState = ssSkinned;
                UpdateRegion();
            }
        } else if (!ChildWindow && BorderKind != bkNone && WindowState != wsMinimized) {
            SkinState = ssFitting;
            FitWindow(false);
            SkinState = ssSkinned;
            if (WindowState == wsNormal)
                UpdateRegion();
            else
                RefreshFrame();
        }
    }
    // The window may have been destroyed by what ran above.
    if (!IsWindow(Handle) || SkinState == ssDestroyed) return;
    // Frame painting was held back until now; paint it once in full.
    RedrawWindow(Handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
    SendMessageW(Handle, SKINMSG_SKINNED, 0, kSkinMagic);
    if (SkinData && SkinData->OnAfterSkinForm)
        SkinData->OnAfterSkinForm(Form, Handle, ManagerClassName);
    if (SkinState == ssDestroyed || !Attached()) return;
    SkinState = ssSkinned;
    SetHoverTimer(true);
}

void TWinSkinForm::ApplySkinChange() {
    if (!SkinData) return;
    const TColor face = SkinButtonFace(*SkinData);
    BackgroundBrush.Reset(CreateSolidBrush(ColorToRGB(face)));
    if (Form) {
        Form->SetColor(face);
        for (int i = 0; i < Form->ComponentCount(); ++i)
            if (auto* owned = dynamic_cast<TForm*>(Form->Components(i))) owned->SetColor(face);
    }
    for (auto& control : ControlList)
        control->SkinChanged();
    SkinState = ssReapplying;
    if (SkinFrame && Form) {
        FitWindow(true);
        Form->SetHeight(Form->Height() + 1);
        Form->SetHeight(Form->Height() - 1);
    }
    if (!IsWindow(Handle)) return;
    SendMessageW(Handle, SKINMSG_SKINNED, 0, kSkinMagic);
    if (SkinData->OnAfterSkinForm) SkinData->OnAfterSkinForm(Form, Handle, ManagerClassName);
    if (SkinState == ssReapplying) SkinState = ssSkinned;
}

void TWinSkinForm::Unsubclass() {
    if (Form && SavedWindowProc) {
        // Someone who hooked the form after us still chains to us; leave
        // their hook in place and let ours pass everything on.
        if (Form->WindowProc == MakeWndMethod<&TWinSkinForm::FormWindowProc>(this))
            Form->WindowProc = SavedWindowProc;
    }
    if (!Form || Form->WindowProc != MakeWndMethod<&TWinSkinForm::FormWindowProc>(this))
        SavedWindowProc = TWndMethod{};
    WndProcThunk.reset();
}

void TWinSkinForm::Detach() {
    if (!SkinFrame) {
        DetachControls();
        return;
    }
    SystemMenuPopup.reset();
    SetHoverTimer(false);
    if (!Attached()) return;
    Unsubclass();
    FreeSkinnedControls();
    if (Form && SkinState != ssDetaching) Form->SetColor(SavedColor);
    SetSysMenuStyle(false);
    MDIClientThunk.reset();
    if (SkinState != ssDetaching && IsWindow(Handle) && (FormKind == fkMDIChild || !ChildWindow))
        RestoreStandardFrame();
    if (IsWindow(Handle)) SetWindowRgn(Handle, nullptr, TRUE);
    HasRegion = false;
    Region = nullptr;
    RegionSuspended = Sizing = false;
}

void TWinSkinForm::RestoreStandardFrame() {
    // Measured from the client area the skin frame left, so that the client
    // keeps its size and screen position whatever the frame widths were.
    RECT client{};
    GetClientRect(Handle, &client);
    const POINT origin = ClientOrigin();
    POINT topLeft{origin.x - StdClientOffset.x, origin.y - StdClientOffset.y};
    if (FormKind == fkMDIChild) MapWindowPoints(nullptr, GetParent(Handle), &topLeft, 1);
    SetWindowPos(Handle, nullptr, topLeft.x, topLeft.y, client.right + StdFrameSize.right,
                 client.bottom + StdFrameSize.bottom,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
}

void TWinSkinForm::DetachOnDestroy() {
    SystemMenuPopup.reset();
    SetHoverTimer(false);
    if (Attached()) Unsubclass();
    MDIClientThunk.reset();
    FreeSkinnedControls();
}

void TWinSkinForm::DetachControls() {
    SetHoverTimer(false);
    FreeSkinnedControls();
    if (Form && SkinState != ssDetaching) Form->SetColor(SavedColor);
    Unsubclass();
    MDIClientThunk.reset();
    if (SkinState != ssDetaching && IsWindow(Handle))
        RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool TWinSkinForm::RegisterControl(TSkinControl* control) {
    for (auto& c : ControlList)
        if (c.get() == control) return true;
    ControlList.emplace_back(control);
    return false;
}

void TWinSkinForm::UnregisterControl(TSkinControl* control) {
    for (auto it = ControlList.rbegin(); it != ControlList.rend(); ++it)
        if (it->get() == control) {
            // The caller is freeing the control itself.
            (void)it->release();
            ControlList.erase(std::next(it).base());
            return;
        }
}

void TWinSkinForm::FreeSkinnedControls() {
    while (!ControlList.empty()) {
        std::unique_ptr<TSkinControl> control = std::move(ControlList.front());
        ControlList.erase(ControlList.begin());
        if (control && control->AttachState != 6) control->RestoreControl();
    }
}
