#pragma once
// TWinSkinForm: the skin object of one top-level window. It takes over the
// window's message stream, sizes, paints and shapes a non-client frame of its
// own from the active skin, owns the caption buttons, and puts everything
// back when the skin is switched off or the window dies.
//
// The class is large because the window is; its work is spread over files by
// subject:
//   win_skin_form.cpp           creation, attach, start, detach, skin change
//   win_skin_form_dispatch.cpp  the window procedure and the form hook
//   frame_geometry.cpp          frame widths, WM_NCCALCSIZE, fitting the window
//   frame_paint.cpp             borders, caption strip and caption text
//   frame_region.cpp            the window region from the border images
//   caption_buttons.cpp         caption buttons: visibility, layout, drawing
//   window_icon.cpp             the small window icon
//   nc_mouse.cpp                hit testing, non-client mouse, hover, actions
//   system_menu.cpp             the skinned system menu and keyboard access
//   menus/form_menu_items.cpp   measuring and drawing owner-drawn menu items
//   menus/form_menu_bar.cpp     the skinned menu bar and its keyboard access
#include "engine/caption_layout.h"
#include "engine/element_frames.h"
#include "engine/message_dispatch.h"
#include "engine/nc_object.h"
#include "engine/scratch_bitmap.h"
#include "engine/controls/skin_control.h"
#include "engine/window_facts.h"
#include "toolkit/window_subclass.h"
#include "engine/window_traits.h"
#include "toolkit/bitmap.h"
#include "toolkit/component.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/messages.h"
#include "core/pixel_bitmap.h"

#include <memory>
#include <string>
#include <vector>

class TControl;
class TForm;
class TSkinData;
class TPopupMenu;
class TDataSkinBorder;
class TSkinManage;
class TMenuPaintTools;
class TShownMenuScope;
class TMenuBtn;
class TWinSkinMenu;
struct TMenuBarLook;
struct TMenuItemLook;
struct TSkinModel;

enum TSkinState : int {
    ssAttached = 0,   // attached, skinning not started
    ssSkinned = 1,    // steady state
    ssReapplying = 3, // a skin change is being applied
    ssDetaching = 4,  // the window is being destroyed
    ssFitting = 5,    // the frame is being fitted and shaped; it paints nothing yet
    ssDestroyed = 6,  // the window is gone; the manager frees the object
};
// The id of the hover timer, a window timer of the skinned window whose
// WM_TIMER the window procedure routes to HoverTick, and how often it asks
// whether the pointer left a hot caption button.
constexpr UINT_PTR kHoverTimerId = 0x3519;
constexpr UINT kHoverIntervalMs = 250;
// The border pixels the window region leaves out: the skin's key colour and
// values up to this much above it in each channel.
constexpr int kBorderKeyTolerance = 1;
// Border parts as PaintBorderPart numbers them.
enum TBorderPart { bpLeft = 1, bpRight = 2, bpTop = 3, bpBottom = 4 };

// The widths of a skinned frame: the border images' and the menu bar's.
struct TFrameWidths {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Menu = 0; // the menu bar's height below the caption
};

class TWinSkinForm : public TComponent, public TDispatchTarget {
    VELMORA_CLASS()
public:
    // The manager creates one per window it skins; `className` is the
    // window's class as the manager's filter read it.
    TWinSkinForm(TComponent* owner, HWND window, std::wstring className = {});
    ~TWinSkinForm() override;

    // --- attach and detach (win_skin_form.cpp) ---
    void AttachForm(TSkinData* skinData, TForm* form);
    void AttachWindow(TSkinData* skinData);
    // Full restore when the skin is switched off.
    void Detach();
    // The window is dying: unhook and free, restore nothing else.
    void DetachOnDestroy();
    // The skin data's model changed: the frame metrics and caption buttons
    // come from the new one.
    void ReloadFrameMetrics();
    void ApplySkinChange();
    // Takes ownership of an attached control skin; false (and the object
    // freed) when its window already has one.
    bool AdoptControl(std::unique_ptr<TSkinControl> control);
    // The control skin of `window`, if this form holds one.
    TSkinControl* SkinControlOf(HWND window) const;
    // The skin of a toolkit control, windowed or painted by its parent.
    TSkinControl* SkinControlOf(const TControl* control) const;
    const std::vector<std::unique_ptr<TSkinControl>>& SkinControls() const { return ControlList; }
    // Frees the control skins whose windows are gone.
    void PurgeGoneControls();
    // Mapping gives `item` of `group` another Tag; unskinning puts this one back.
    void RememberTag(TWinControl& group, TControl& item);
    // The skin's face colour as a brush, for raw children's backgrounds.
    HBRUSH FaceBrush() const { return BackgroundBrush.Get(); }
    // The skin element frames the window's controls have composed, shared
    // by them all.
    TElementFrames& ElementFrames() { return elementFrames_; }
    bool Attached() const { return WndProcThunk != nullptr; }
    // The window is gone for the manager; the next purge frees the object.
    void MarkDestroyed() { skinState_ = ssDestroyed; }
    // A size grip created on this window after it was skinned.
    void SkinSizeGrip(HWND grip);
    // An MDI child of the frame was maximized or restored.
    void MDIChildMaximizeChanged(bool maximized);

    // --- what the object shows of its window ---
    HWND Handle() const { return handle_; }
    TSkinData* SkinData() const { return skinData_; }
    TSkinState SkinState() const { return skinState_; }
    TWindowState WindowState() const { return windowState_; }
    const TWindowTraits& Traits() const { return traits_; }
    TFrameWidths FrameWidths() const {
        return {BorderLeft, BorderTop, BorderRight, BorderBottom, MenuHeight};
    }
    bool Active() const { return active_; }
    bool HasRegion() const { return hasRegion_; }
    // Where the last frame paint put the caption text (window coordinates).
    const RECT& CaptionTextRect() const { return captionTextRect_; }
    const std::vector<std::unique_ptr<TWinSysButton>>& CaptionButtons() const {
        return sysButtons_;
    }
    // The caption button under the pointer or pressed, if any.
    TNCObject* HotObject() const { return hotObject_; }
    bool HoverTimerRunning() const { return HoverTimerEnabled; }
    // The skinned system menu last built, and each item's image index in
    // the skin data's MenuGlyphs() (-1 for none).
    TPopupMenu* SystemMenu() const { return SystemMenuPopup.get(); }
    const std::vector<int>& SystemMenuImages() const { return systemMenuImages_; }
    // The skin the frame shows: the model the window holds, or the data's
    // before it took one; null without either.
    const TSkinModel* Skin() const;
    // Draws one caption button in `state` straight into the window.
    void DrawSysButton(TWinSysButton& button, TNCState state);
    // The skinned menu bar, null when the window shows none.
    TWinSkinMenu* MenuBar() const { return menuBar_.get(); }
    // Draws one menu-bar button in its state straight into the window.
    void DrawMenuButton(const TMenuBtn& button);
    HFONT MenuBarFont();
    // A rebuilt bar's old buttons are no longer hot.
    void ReleaseHotObject(const TNCObject* object) {
        if (hotObject_ == object) hotObject_ = nullptr;
    }

private:
    friend class TNCObject;

    void Attach(TSkinData* skinData);
    void DetachControls();
    // SKINMSG_START: skins the controls and fits the window to the frame.
    void Start();
    // Start's part for the frame: the window fitted to it and shaped.
    void FitFrameAtStart(TSkinManage* manager);
    // The toolkit form shows the skin's face colour.
    void ShowFaceColour();
    // Gives the window's controls their skins.
    void MapControls();
    void FreeSkinnedControls();
    void RestoreTags();

    // --- the window procedure (win_skin_form_dispatch.cpp) ---
    // Passes the message to the next procedure; m.Result gets its answer.
    void Default(TMessage& m);
    void SkinFormWndProc(TMessage& m);
    void FormWindowProc(TMessage& m);
    void MDIClientWndProc(TMessage& m);

    // --- frame geometry (frame_geometry.cpp) ---
    void HandleNCCalcSize(TMessage& m);
    void FitWindow(bool keepClient);
    // A system dialog too narrow for its caption: the width that shows it
    // whole, with the dialog's controls moved by half the difference.
    int WidenToCaption(int width);
    // The client area's top-left corner in screen coordinates.
    POINT ClientOrigin() const;
    void SetSysMenuStyle(bool remove);
    // A frame-changed SetWindowPos: no move, size, z-order or activation.
    void RefreshFrame();

    // --- frame painting (frame_paint.cpp) ---
    void HandleNCPaint(TMessage& m);
    // Into `dc`, or into the window DC when it is null.
    void PaintFrame(HDC dc);
    void PaintTitle(HDC dc);
    bool SeedTitleFromSides(HDC buffer, int w, int height);
    void PaintBorderPart(int part, const RECT& rect, HDC dc);
    // Settles the caption strip `strip` before it is drawn: the buttons'
    // states, the room the right-hand ones take, the text rectangle and the
    // buttons' places.
    void LayoutCaption(HDC dc, const RECT& strip);
    RECT MeasureCaptionText(HDC dc, const RECT& strip);
    // The bar and the text at the caption text rectangle.
    void PaintCaptionText(HDC dc, const RECT& p);
    // The caption's font: the system's, or a stock one that has the glyphs.
    HFONT CaptionFontHandle() const;
    // The window's text as the caption shows it.
    std::wstring CaptionString();
    // The widest XCoord of the visible right-aligned caption buttons.
    int RightButtonReserve() const;
    // The bar behind the caption text, from the title record.
    void DrawCaptionBar(HDC dc, const RECT& r, const RECT& p);
    // The window's text, read the way the window keeps it (wide or ANSI).
    // Read once and kept until the window's text is set again.
    const std::wstring& WindowCaption();
    const TDataSkinBorder& BorderRecord(int part) const;
    const TBitmap* ComposedBorder(int part, int width, int height);
    // The part's image composed at `width` x `height` in the frame the
    // activation shows: what the region is cut from and the frame paints.
    const TPixelBitmap& BorderPixels(int part, int width, int height);
    void DropBorderCache();

    // --- window region (frame_region.cpp) ---
    void UpdateRegion();
    // The frame's outline at window size w x h: the client rectangle and
    // each border part, cut by its key colour where the record says so.
    TRegionHandle ShapedRegion(int w, int h);
    void RemoveRegion();
    // WM_SIZE: the region follows the new size, or is suspended inside a
    // border drag (SuspendRegion).
    void RegionAfterResize();
    void SuspendRegion();
    // WM_ENTERSIZEMOVE and WM_EXITSIZEMOVE; the end gives a suspended region
    // back for the final size.
    void BeginSizing();
    void EndSizing();
    // Not minimized, skinned, and for an MDI child only while normal.
    bool RegionFollowsSize() const;

    // --- caption buttons (caption_buttons.cpp, window_icon.cpp) ---
    void CreateSysButtons();
    // What the caption rules need to know of this window now.
    TCaptionFacts CaptionFacts() const;
    // Evaluates and keeps Visible (and, for maximize and minimize, Enabled)
    // of button `index`.
    bool IsButtonVisible(int index);
    void UpdateButtonStates();
    // The Rect of every visible button with an image, from its Align.
    void PlaceSysButtons();
    void PaintSysButtons(TCanvas& canvas);
    // Reads the window's icon into IconHandle and IconPixels; again only
    // when WM_SETICON changes it, as the skin has no part in it.
    void BuildIconBitmap();
    void EnsureIconBitmap();
    void DrawWindowIcon(HDC dc, int x, int y);

    // --- non-client mouse and commands (nc_mouse.cpp) ---
    POINT ScreenToWindow(int x, int y) const;
    TNCObject* ButtonAt(POINT windowPoint);
    TWinSysButton* CaptionButton(TNCObject* object) const;
    void ConsumeMessage(TMessage& m);
    void HandleNCHitTest(TMessage& m);
    void HandleNCMouseMove(TMessage& m);
    void HandleNCLButtonDown(TMessage& m);
    void HandleNCLButtonUp(TMessage& m);
    void HandleNCLButtonDblClk(TMessage& m);
    void HandleNCRButtonDown(TMessage& m);
    void HoverTick();
    void SetHoverTimer(bool enabled);
    void ExecuteButton();
    // Where a menu opened from a caption button appears: under the button,
    // as the system opens its own under the window icon.
    POINT BelowButton(const TWinSysButton& button) const;
    void ToggleMaximize();
    void RestoreWindow();
    void ToggleMinimize();
    void SendToActiveChild(UINT command);

    // --- system menu and keyboard (system_menu.cpp) ---
    void HandleSysCommand(TMessage& m);
    void HandleMenuAt(TMessage& m);
    void HandleDialogChar(TMessage& m);
    void ShowSystemMenu(POINT screenPoint);
    void BuildSystemMenu();
    // Runs the built menu's modal loop; the chosen item posts its command.
    void TrackSystemMenu(POINT screenPoint);
    bool CloseAllowed() const;
    // Menu-bar access; the bar plugs in here, until then there is no button.
    TNCObject* FindAccelButton(wchar_t character);
    TNCObject* FirstMenuButton();
    bool IsMenuButton(TNCObject* object) const;
    void OpenMenuButton(TNCObject* button);
    void PressMenuButton(TNCObject* button);

    // --- owner-drawn menu items (menus/form_menu_items.cpp) ---
    // WM_MEASUREITEM and WM_DRAWITEM of the items of a menu the engine
    // marked; false for anything else.
    bool HandleMeasureItem(TMessage& m);
    bool HandleDrawItem(TMessage& m);
    const TMenuPaintTools& MenuTools();
    TMenuItemLook MenuItemLook(HMENU menu);
    // A menu the window's own code opened (WM_INITMENUPOPUP): its items
    // skinned until the menu loop ends.
    void ShowRawMenu(HMENU menu);

    // --- the menu bar (menus/form_menu_bar.cpp) ---
    void CreateMenuBar();
    // Puts the window's menu back, the client area keeping its size.
    void RestoreMenu();
    TMenuBarLook MenuBarLook() const;
    void PaintMenuBar(HDC dc, const RECT& strip);

    // --- attaching (win_skin_form.cpp) ---
    void TellManagerOfMDIClient(TSkinManage* manager);
    void HideUntilSkinned(TSkinManage* manager);
    // Installs the window's (and an MDI frame's client's) subclass; false
    // when the window refused it.
    bool Subclass();
    void FitMDIChildCaption(TSkinManage* manager);
    void Unsubclass();
    void RestoreStandardFrame();
    void ShowRealActivation();

    // --- dispatch (win_skin_form_dispatch.cpp) ---
    static LRESULT WindowHandler(void* object, HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT MDIClientHandler(void* object, HWND window, UINT msg, WPARAM wParam,
                                    LPARAM lParam);
    // What the first stage does not answer: the frame's stages, or the
    // platform when the frame is not skinned.
    void PassOnFromStageOne(TMessage& m);
    void StageTwo(TMessage& m);
    void StageThree(TMessage& m);
    void HandleFormMessage(TMessage& m);
    // Messages answered by the engine itself; true if handled.
    bool AnswerEngineMessage(TMessage& m);

    // --- the window ---
    HWND handle_ = nullptr;
    TForm* Form = nullptr;
    TSkinData* skinData_ = nullptr;
    // The window's class as the manager's filter read it.
    std::wstring ManagerClassName;
    // Read once when the object attaches.
    TWindowTraits traits_;
    TSkinState skinState_ = ssAttached;
    TWindowState windowState_ = wsNormal;
    bool active_ = true;
    // The skin data's MenuUpdate when an MDI frame attached.
    bool MenuUpdate = false;
    // The frame is the skin's (the skin data skins main menus, which stands
    // for the whole frame); otherwise only the controls are skinned.
    bool SkinFrame = false;

    // --- the chain ---
    TWndMethod SavedWindowProc;
    // Non-null exactly while the window is subclassed.
    std::unique_ptr<TWindowSubclass> WndProcThunk;
    std::unique_ptr<TWindowSubclass> MDIClientThunk;

    // --- the frame ---
    // The model the frame metrics and the caption buttons were built from.
    // The buttons point into it, and a new skin replaces the data's model a
    // while before the reapply moves this window on: holding it keeps every
    // paint and mouse message in between on a live and consistent skin.
    std::shared_ptr<const TSkinModel> model_;
    int BorderLeft = 0, BorderTop = 0, BorderRight = 0, BorderBottom = 0;
    int MenuHeight = 0;
    HMENU MenuHandle = nullptr;
    // The client rectangle the frame is fitted around.
    RECT ClientRect{};
    RECT StdFrameSize{};
    // Where the client area sat inside the standard frame (before skinning).
    POINT StdClientOffset{};
    int SavedColor = 0;
    // The skin's ButtonFace as a brush, for the backgrounds of raw windows.
    TBrushHandle BackgroundBrush;
    // The window rectangle of the paint in progress, at the origin.
    RECT WindowRect{};
    int WindowWidth = 0, WindowHeight = 0;
    // The composed image of one border part, reused while the part's size,
    // frame and record stay the same; cleared on every skin change.
    struct TBorderCache {
        std::unique_ptr<TBitmap> Bitmap;
        int Width = 0, Height = 0, Frame = 0;
        const TDataSkinBorder* Record = nullptr;
        bool Filled = false; // cut-out pixels filled (RegionSuspended)
    };
    TBorderCache borderCache_[4];
    // The last composition of each part. The region is cut from the pixels
    // the frame then paints, at the same size: they are composed once.
    struct TBorderPixels {
        TPixelBitmap Pixels;
        int Width = -1, Height = -1, Frame = 0;
        const TDataSkinBorder* Record = nullptr;
    };
    TBorderPixels borderPixels_[4];
    TBitmap TitleBuffer;
    // Keeps the painters' shared scratch bitmap alive while this object lives.
    TScratchBitmapUse ScratchUse;

    // --- the caption ---
    TFontHandle CaptionFont;
    std::wstring CaptionSuffix = L"  ";
    std::wstring CaptionPrefix = L" ";
    // Reading the text sends messages down the window's chain, too slow for
    // every frame paint; it changes only through WM_SETTEXT.
    std::wstring captionText_;
    bool captionTextRead_ = false;
    RECT captionTextRect_{};
    int ButtonReserve = 0;
    // The bar behind the caption text, reused while its size and frame stay.
    struct TCaptionBarCache {
        TMaskedImage Image;
        int Width = 0, Height = 0, Frame = 0;
    } captionBar_;
    std::vector<std::unique_ptr<TWinSysButton>> sysButtons_;
    TNCObject* hotObject_ = nullptr;
    HICON IconHandle = nullptr;
    int IconSize = 0;
    TBitmap IconBitmap;
    bool iconBuilt_ = false;
    // The window icon as a skin strip for icon buttons without an image of
    // their own; the skin's records stay untouched.
    TPixelBitmap IconPixels;

    // --- the region ---
    // The window holds a region of ours (the window owns it).
    bool hasRegion_ = false;
    int RegionWidth = 0, RegionHeight = 0;
    // Inside the platform's move/size loop.
    bool Sizing = false;
    // A border drag runs without the shaped region; the frame then paints
    // the pixels the region would cut out in their neighbours' colours.
    bool RegionSuspended = false;

    // --- mouse, hover and the system menu ---
    UINT_PTR HoverTimer = 0; // the window timer's id while it runs
    bool HoverTimerEnabled = false;
    DWORD LastRightClick = 0;
    // Inside the skinned system menu's modal loop.
    bool MenuTracking = false;
    // Shared with the call that tracks it: letting go of the menu during its
    // own loop (the window unskinned or destroyed there) frees it only once
    // the loop is over.
    std::shared_ptr<TPopupMenu> SystemMenuPopup;
    std::vector<int> systemMenuImages_;
    HMENU SystemMenuHandle = nullptr;
    // Fonts, check mark and brush of the menu items, made at the first item.
    std::unique_ptr<TMenuPaintTools> menuTools_;
    // Menus of the window's own menu loop, owner-drawn while it runs.
    std::vector<std::unique_ptr<TShownMenuScope>> rawMenus_;
    // Shared with the call that runs a drop-down's loop (see OpenMenuButton).
    std::shared_ptr<TWinSkinMenu> menuBar_;
    // How much taller the client area grew when the bar took the menu off.
    int removedBarHeight_ = 0;

    // --- the control skins ---
    std::vector<std::unique_ptr<TSkinControl>> ControlList;
    // Tags mapping changed, to be put back.
    struct TSavedTag {
        TWinControl* Group;
        HWND GroupWindow;
        TControl* Item;
        int Tag;
    };
    std::vector<TSavedTag> savedTags_;
    TElementFrames elementFrames_;
};
