#include "engine/win_skin_form.h"

#include "engine/control_mapping.h"
#include "engine/menus/shown_menus.h"
#include "engine/skin_data.h"
#include "engine/skin_manager.h"
#include "toolkit/colours.h"
#include "toolkit/form.h"
#include "engine/menus/menu_paint_tools.h"
#include "engine/menus/win_skin_menu.h"
#include "toolkit/menus.h"
#include "toolkit/win_control.h"

const TClassInfo& TWinSkinForm::StaticClass() {
    static const TClassInfo info(L"TWinSkinForm", &TComponent::StaticClass(), nullptr);
    return info;
}

namespace {

TColor SkinButtonFace(const TSkinData& sd) {
    return static_cast<TColor>(sd.Skin().Colour(sciButtonFace));
}

} // namespace

TWinSkinForm::TWinSkinForm(TComponent* owner, HWND window, std::wstring className)
    : TComponent(owner), handle_(window), ManagerClassName(std::move(className)),
      CaptionFont(CreateSystemCaptionFont()) {}

TWinSkinForm::~TWinSkinForm() {
    // Freed while still attached (a toolkit form freeing its components
    // with the window alive, or the manager shutting down): unhook first so
    // the window never calls into a dead object.
    if (Attached()) DetachOnDestroy();
    FreeSkinnedControls();
    if (TSkinManage* manager = SkinManager()) manager->RemoveSkinForm(this);
}

const TSkinModel* TWinSkinForm::Skin() const {
    if (model_) return model_.get();
    return skinData_ ? &skinData_->Skin() : nullptr;
}

void TWinSkinForm::AttachForm(TSkinData* skinData, TForm* form) {
    Form = form;
    if (skinData->OnBeforeSkinForm) skinData->OnBeforeSkinForm(Form, handle_, ManagerClassName);
    Attach(skinData);
    if (!Attached()) return;
    if (SkinFrame) {
        SavedWindowProc = Form->WindowProc;
        Form->WindowProc = MakeWndMethod<&TWinSkinForm::FormWindowProc>(this);
    }
    // The face colour itself goes on at the start, once the frame is fitted.
    SavedColor = Form->Color();
}

void TWinSkinForm::AttachWindow(TSkinData* skinData) {
    Attach(skinData);
}

void TWinSkinForm::Attach(TSkinData* skinData) {
    if (Attached() || !IsWindow(handle_)) return;
    TSkinManage* manager = SkinManager();
    if (manager) manager->ActivityState = ActivityStarted;
    skinData_ = skinData;
    BackgroundBrush.Reset(CreateSolidBrush(ColorToRGB(SkinButtonFace(*skinData))));
    SkinFrame = skinData->SkinsFrames();
    traits_ = ReadWindowTraits(handle_);
    windowState_ = WindowStateOf(handle_);
    if (traits_.FormKind == fkMDIChild && InSet(skinData->Options(), xoMDIChildBorder))
        SkinFrame = false;
    TellManagerOfMDIClient(manager);
    HideUntilSkinned(manager);
    if (!Subclass()) return;
    if (SkinFrame) {
        MenuHandle = GetMenu(handle_);
        if (MenuHandle && traits_.FormKind != fkMDIChild) {
            MenuHeight = GetSystemMetrics(SM_CYMENU);
            CreateMenuBar();
        }
        ReloadFrameMetrics();
    } else {
        skinState_ = ssSkinned;
    }
    if (traits_.FormKind == fkMDIChild) FitMDIChildCaption(manager);
}

void TWinSkinForm::TellManagerOfMDIClient(TSkinManage* manager) {
    if (traits_.MDIClient && manager) {
        manager->MDIClient = traits_.MDIClient;
        manager->MDIFrame = Form;
    }
}

// The window is shown only once its frame is the skin's, so the standard
// frame never flashes.
void TWinSkinForm::HideUntilSkinned(TSkinManage* manager) {
    if (!manager || !manager->HideWhileSkinning || traits_.ChildWindow || !SkinFrame ||
        traits_.BorderKind == bkNone)
        return;
    traits_.Style &= ~WS_VISIBLE;
    SetWindowLongPtrW(handle_, GWL_STYLE, static_cast<LONG_PTR>(traits_.Style));
}

bool TWinSkinForm::Subclass() {
    if (traits_.FormKind == fkMDIFrame) {
        MenuUpdate = skinData_->MenuUpdate();
        MDIClientThunk =
            std::make_unique<TWindowSubclass>(traits_.MDIClient, this, &MDIClientHandler);
        if (!MDIClientThunk->Installed()) MDIClientThunk.reset();
    }
    WndProcThunk = std::make_unique<TWindowSubclass>(handle_, this, &WindowHandler);
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
    if (windowState_ == wsMaximized && manager && !manager->MDIChildMaximized)
        manager->SetMDIChildMaximized(true);
}

void TWinSkinForm::Start() {
    SystemMenuHandle = GetSystemMenu(handle_, FALSE);
    EnsureIconBitmap();
    RECT window{}, client{};
    GetWindowRect(handle_, &window);
    GetClientRect(handle_, &client);
    ClientRect = client;
    if (!Form) ClientRect.bottom -= removedBarHeight_;
    StdFrameSize = RECT{0, 0, (window.right - window.left) - client.right,
                        (window.bottom - window.top) - client.bottom};
    const POINT origin = ClientOrigin();
    StdClientOffset = POINT{origin.x - window.left, origin.y - window.top};
    TSkinManage* manager = SkinManager();
    if (manager && manager->HideWhileSkinning) {
        manager->HideWhileSkinning = false;
        const auto style = GetWindowLongPtrW(handle_, GWL_STYLE);
        if (!(style & WS_VISIBLE)) SetWindowLongPtrW(handle_, GWL_STYLE, style | WS_VISIBLE);
    }
    if (skinState_ == ssAttached) FitFrameAtStart(manager);
    // The window may have been destroyed by what ran above.
    if (!IsWindow(handle_) || skinState_ == ssDestroyed) return;
    if (skinState_ == ssFitting) skinState_ = ssSkinned;
    // The face colour goes on only now: with a repaint of the client area
    // pending, fitting the frame cannot carry the client's pixels over, and
    // the platform repaints every control of the window as well (Wine does).
    ShowFaceColour();
    // Once the frame is fitted, so that the controls' first skinned paint
    // is also their last of the start.
    MapControls();
    if (!IsWindow(handle_) || skinState_ == ssDestroyed) return;
    // Frame painting was held back until now; paint it once in full, with
    // the background: fitting the frame left strips of the client area
    // showing what the system's look had painted there.
    RedrawWindow(handle_, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN);
    SendMessageW(handle_, SKINMSG_SKINNED, 0, kSkinMagic);
    if (skinData_ && skinData_->OnAfterSkinForm)
        skinData_->OnAfterSkinForm(Form, handle_, ManagerClassName);
    if (skinState_ == ssDestroyed || !Attached()) return;
    skinState_ = ssSkinned;
    SetHoverTimer(true);
}

// The frame paints nothing while it is being fitted and shaped: every step
// would paint it in full, and the start paints it once at its end.
void TWinSkinForm::FitFrameAtStart(TSkinManage* manager) {
    if (traits_.FormKind == fkMDIChild) {
        if (windowState_ == wsMaximized) {
            if (manager && manager->MDIClient)
                PostMessageW(manager->MDIClient, SKINMSG_REDRAW, reinterpret_cast<WPARAM>(handle_),
                             0);
        } else if (windowState_ == wsNormal) {
            skinState_ = ssFitting;
            FitWindow(false);
            UpdateRegion();
        }
    } else if (!traits_.ChildWindow && traits_.BorderKind != bkNone &&
               windowState_ != wsMinimized) {
        skinState_ = ssFitting;
        FitWindow(false);
        if (windowState_ == wsNormal)
            UpdateRegion();
        else
            RefreshFrame();
    }
}

void TWinSkinForm::ShowFaceColour() {
    if (Form && skinData_) Form->SetColor(SkinButtonFace(*skinData_));
}

void TWinSkinForm::ApplySkinChange() {
    if (!skinData_) return;
    const TColor face = SkinButtonFace(*skinData_);
    BackgroundBrush.Reset(CreateSolidBrush(ColorToRGB(face)));
    elementFrames_.Clear();
    if (menuBar_) menuBar_->ForgetPictures();
    if (Form) {
        Form->SetColor(face);
        for (int i = 0; i < Form->ComponentCount(); ++i)
            if (auto* owned = dynamic_cast<TForm*>(Form->Components(i))) owned->SetColor(face);
    }
    for (auto& control : ControlList)
        control->SkinChanged();
    skinState_ = ssReapplying;
    if (SkinFrame && Form) {
        FitWindow(true);
        Form->SetHeight(Form->Height() + 1);
        Form->SetHeight(Form->Height() - 1);
    }
    if (!IsWindow(handle_)) return;
    SendMessageW(handle_, SKINMSG_SKINNED, 0, kSkinMagic);
    if (skinData_->OnAfterSkinForm) skinData_->OnAfterSkinForm(Form, handle_, ManagerClassName);
    if (skinState_ == ssReapplying) skinState_ = ssSkinned;
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
    if (Form && skinState_ != ssDetaching) Form->SetColor(SavedColor);
    SetSysMenuStyle(false);
    MDIClientThunk.reset();
    if (skinState_ != ssDetaching && IsWindow(handle_) &&
        (traits_.FormKind == fkMDIChild || !traits_.ChildWindow))
        RestoreStandardFrame();
    RestoreMenu();
    if (IsWindow(handle_)) SetWindowRgn(handle_, nullptr, TRUE);
    hasRegion_ = false;
    RegionSuspended = Sizing = false;
    ShowRealActivation();
}

// The system's frame kept the activation it last saw itself; the window may
// have been activated or deactivated since, while the skin answered.
void TWinSkinForm::ShowRealActivation() {
    if (skinState_ == ssDetaching || traits_.ChildWindow || !IsWindow(handle_)) return;
    SendMessageW(handle_, WM_NCACTIVATE, GetActiveWindow() == handle_, 0);
}

void TWinSkinForm::RestoreStandardFrame() {
    // Measured from the client area the skin frame left, so that the client
    // keeps its size and screen position whatever the frame widths were.
    RECT client{};
    GetClientRect(handle_, &client);
    const POINT origin = ClientOrigin();
    POINT topLeft{origin.x - StdClientOffset.x, origin.y - StdClientOffset.y};
    if (traits_.FormKind == fkMDIChild) MapWindowPoints(nullptr, GetParent(handle_), &topLeft, 1);
    SetWindowPos(handle_, nullptr, topLeft.x, topLeft.y, client.right + StdFrameSize.right,
                 client.bottom + StdFrameSize.bottom,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
}

void TWinSkinForm::DetachOnDestroy() {
    SystemMenuPopup.reset();
    menuBar_.reset();
    SetHoverTimer(false);
    if (Attached()) Unsubclass();
    MDIClientThunk.reset();
    FreeSkinnedControls();
}

void TWinSkinForm::DetachControls() {
    SetHoverTimer(false);
    FreeSkinnedControls();
    if (Form && skinState_ != ssDetaching) Form->SetColor(SavedColor);
    Unsubclass();
    MDIClientThunk.reset();
    if (skinState_ != ssDetaching && IsWindow(handle_))
        RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool TWinSkinForm::AdoptControl(std::unique_ptr<TSkinControl> control) {
    if (!control || SkinControlOf(control->Handle())) return false;
    ControlList.push_back(std::move(control));
    return true;
}

TSkinControl* TWinSkinForm::SkinControlOf(HWND window) const {
    if (!window) return nullptr;
    for (const auto& c : ControlList)
        if (c->Handle() == window) return c.get();
    return nullptr;
}

TSkinControl* TWinSkinForm::SkinControlOf(const TControl* control) const {
    if (!control) return nullptr;
    for (const auto& c : ControlList)
        if (c->Control() == control || c->Graphic() == control) return c.get();
    return nullptr;
}

void TWinSkinForm::MDIChildMaximizeChanged(bool maximized) {
    if (traits_.FormKind != fkMDIChild) return;
    if (maximized) {
        RemoveRegion();
        RefreshFrame();
    } else if (windowState_ != wsMinimized) {
        windowState_ = wsNormal;
        FitWindow(true);
        UpdateRegion();
        PaintFrame(nullptr);
    }
}

void TWinSkinForm::MapControls() {
    if (!skinData_) return;
    TControlMapper mapper(*this, *skinData_);
    if (Form)
        mapper.SkinFormControls(*Form);
    else
        mapper.SkinChildWindows(handle_);
}

// A grip comes and goes with its window's style; the skins of the grips
// gone before it are freed rather than left to pile up.
void TWinSkinForm::SkinSizeGrip(HWND grip) {
    if (!skinData_ || !Attached()) return;
    PurgeGoneControls();
    TControlMapper(*this, *skinData_).MapChildWindow(grip);
}

void TWinSkinForm::PurgeGoneControls() {
    for (auto it = ControlList.begin(); it != ControlList.end();) {
        if ((*it)->AttachState() != TControlAttach::WindowGone) {
            ++it;
            continue;
        }
        std::unique_ptr<TSkinControl> gone = std::move(*it);
        it = ControlList.erase(it);
        TDispatchTarget::Release(std::move(gone));
    }
}

void TWinSkinForm::RememberTag(TWinControl& group, TControl& item) {
    savedTags_.push_back({&group, group.Handle(), &item, item.Tag()});
}

// Only for items still inside their group whose window still belongs to it.
void TWinSkinForm::RestoreTags() {
    for (auto it = savedTags_.rbegin(); it != savedTags_.rend(); ++it) {
        if (TWinControl::FindControl(it->GroupWindow) != it->Group) continue;
        for (int i = 0; i < it->Group->ControlCount(); ++i)
            if (it->Group->Controls(i) == it->Item) it->Item->SetTag(it->Tag);
    }
    savedTags_.clear();
}

// A control skin freed inside one of its own messages (a skinned button's
// click switching the skin off) waits until that message returns.
void TWinSkinForm::FreeSkinnedControls() {
    while (!ControlList.empty()) {
        std::unique_ptr<TSkinControl> control = std::move(ControlList.back());
        ControlList.pop_back();
        control->RestoreControl();
        TDispatchTarget::Release(std::move(control));
    }
    RestoreTags();
}
