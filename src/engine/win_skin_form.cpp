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

} // namespace

TWinSkinForm::TWinSkinForm(TComponent* owner)
    : TComponent(owner), CaptionFont(CreateSystemCaptionFont()) {
    DoubleClickTime = GetDoubleClickTime();
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
    SkinFrame = skinData->SkinsFrames();
    Traits = ReadWindowTraits(Handle);
    WindowState = WindowStateOf(Handle);
    if (Traits.FormKind == fkMDIChild && InSet(skinData->Options(), xoMDIChildBorder))
        SkinFrame = false;
    TellManagerOfMDIClient(manager);
    HideUntilSkinned(manager);
    if (!Subclass()) return;
    if (SkinFrame) {
        MenuHandle = GetMenu(Handle);
        if (MenuHandle && Traits.FormKind != fkMDIChild) MenuHeight = GetSystemMetrics(SM_CYMENU);
        ReloadFrameMetrics();
    } else {
        SkinState = ssSkinned;
    }
    if (Traits.FormKind == fkMDIChild) FitMDIChildCaption(manager);
}

void TWinSkinForm::TellManagerOfMDIClient(TSkinManage* manager) {
    if (Traits.MDIClient && manager) {
        manager->MDIClient = Traits.MDIClient;
        manager->MDIFrame = Form;
    }
}

// The window is shown only once its frame is the skin's, so the standard
// frame never flashes.
void TWinSkinForm::HideUntilSkinned(TSkinManage* manager) {
    if (!manager || !manager->HideWhileSkinning || Traits.ChildWindow || !SkinFrame ||
        Traits.BorderKind == bkNone)
        return;
    Traits.Style &= ~WS_VISIBLE;
    SetWindowLongPtrW(Handle, GWL_STYLE, static_cast<LONG_PTR>(Traits.Style));
}

bool TWinSkinForm::Subclass() {
    if (Traits.FormKind == fkMDIFrame) {
        MenuUpdate = SkinData->MenuUpdate();
        MDIClientThunk =
            std::make_unique<TWindowSubclass>(Traits.MDIClient, this, &MDIClientHandler);
        if (!MDIClientThunk->Installed()) MDIClientThunk.reset();
    }
    WndProcThunk = std::make_unique<TWindowSubclass>(Handle, this, &WindowHandler);
    if (WndProcThunk->Installed()) return true;
    WndProcThunk.reset();
    MDIClientThunk.reset();
    return false;
}

// An MDI child's caption is at least as tall as the system's, and a child
// that arrives maximized tells the manager.
void TWinSkinForm::FitMDIChildCaption(TSkinManage* manager) {
    const int least = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    if (BorderTop < least) MenuHeight = least - BorderTop;
    if (WindowState == wsMaximized && manager && !manager->MDIChildMaximized)
        manager->SetMDIChildMaximized(true);
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
        if (Traits.FormKind == fkMDIChild) {
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
        } else if (!Traits.ChildWindow && Traits.BorderKind != bkNone &&
                   WindowState != wsMinimized) {
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
    if (SkinState != ssDetaching && IsWindow(Handle) &&
        (Traits.FormKind == fkMDIChild || !Traits.ChildWindow))
        RestoreStandardFrame();
    if (IsWindow(Handle)) SetWindowRgn(Handle, nullptr, TRUE);
    HasRegion = false;
    RegionSuspended = Sizing = false;
}

void TWinSkinForm::RestoreStandardFrame() {
    // Measured from the client area the skin frame left, so that the client
    // keeps its size and screen position whatever the frame widths were.
    RECT client{};
    GetClientRect(Handle, &client);
    const POINT origin = ClientOrigin();
    POINT topLeft{origin.x - StdClientOffset.x, origin.y - StdClientOffset.y};
    if (Traits.FormKind == fkMDIChild) MapWindowPoints(nullptr, GetParent(Handle), &topLeft, 1);
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
