#pragma once
// TSkinData: the component through which the program configures the skin
// engine. It holds the active skin (its stored "SkinStream"), the settings
// that decide what is skinned, and hands the window work to the skin
// manager, which it creates on first use.
#include "core/skin_model.h"
#include "core/skin_reader.h"
#include "core/skin_store.h"
#include "toolkit/component.h"
#include "toolkit/events.h"
#include "toolkit/gdi_objects.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

enum TSkinControlType {
    xcMainMenu,
    xcPopupMenu,
    xcMenuItem,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcCheckBox,
    xcRadioButton,
    xcProgress,
    xcScrollbar,
    xcEdit,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcSpin,
    xcPanel,
    xcGroupBox,
    xcStatusBar,
    xcTab,
    xcTrackBar,
    xcSystemMenu,
    xcFastReport,
};
enum TSkinOption {
    xoMDIScrollbar,
    xoMenuMerge,
    xoTransparent,
    xoPreview,
    xoParentBackGround,
    xoNoFocusRect,
    xoToolbarBK,
    xoToolbarButton,
    xoMDIChildBorder,
    xoMenuBG,
    xoFormScrollbar,
};
enum TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

// Sets of the enumerations above, one bit per member.
constexpr int SetOf(std::initializer_list<int> members) {
    int bits = 0;
    for (int m : members)
        bits |= 1 << m;
    return bits;
}
constexpr bool InSet(int set, int member) {
    return (set >> member & 1) != 0;
}

using TFormSkinEvent = std::function<void(TObject* sender, const std::wstring& name, bool& doSkin)>;
using TSkinFormEvent = std::function<void(TObject* sender, HWND window, const std::wstring& name)>;
using TSkinControlEvent =
    std::function<void(TObject* sender, TObject* skinData, TObject* form, TObject* control,
                       const std::wstring& controlClass, TObject*& skinnedControl)>;

class TSkinData : public TComponent {
    VELMORA_CLASS()
public:
    static constexpr int kAllControls = (1 << (xcFastReport + 1)) - 1;
    static constexpr int kDefaultControls = kAllControls & ~SetOf({xcMenuItem, xcFastReport});
    static constexpr int kDefaultOptions = SetOf({xoPreview, xoToolbarBK});

    explicit TSkinData(TComponent* owner);
    ~TSkinData() override;

    // Published properties.
    bool Active() const { return active_; }
    void SetActive(bool value);
    int DisableTag() const { return disableTag_; }
    void SetDisableTag(int value) { disableTag_ = value; }
    int SkinControls() const { return skinControls_; }
    void SetSkinControls(int value) { skinControls_ = value & kAllControls; }
    int Options() const { return options_; }
    void SetOptions(int value) { options_ = value; }
    // The class map as text, one line each (CR LF between lines).
    std::wstring Skin3rdText() const;
    void SetSkin3rdText(const std::wstring& text);
    const std::vector<std::wstring>& Skin3rd() const { return skin3rd_; }
    void SetSkin3rd(const std::vector<std::wstring>& lines) { skin3rd_ = lines; }
    std::wstring SkinFile() const { return skinFile_; }
    void SetSkinFile(const std::wstring& name);
    std::wstring SkinStore() const { return L"(none)"; }
    void SetSkinStore(const std::wstring&) {}
    int SkinFormtype() const { return skinFormtype_; }
    void SetSkinFormtype(int value) { skinFormtype_ = value; }
    std::wstring Version() const { return L"4.98.04.23"; }
    void SetVersion(const std::wstring&) {}
    bool MenuUpdate() const { return menuUpdate_; }
    void SetMenuUpdate(bool value) { menuUpdate_ = value; }
    bool MenuMerge() const { return menuMerge_; }
    void SetMenuMerge(bool value) { menuMerge_ = value; }
    TFormSkinEvent OnFormSkin;
    TNotifyEvent OnSkinChanged;
    TSkinControlEvent OnSkinControl;
    TSkinFormEvent OnBeforeSkinForm;
    TSkinFormEvent OnAfterSkinForm;

    // "SkinStream": 4-byte length, then the skin file image. Reading it
    // parses the skin at once.
    std::vector<std::uint8_t> SkinStreamValue() const;
    void SetSkinStreamValue(const std::vector<std::uint8_t>& value);

    // Loads the skin file `name` and applies it, as setting SkinFile does.
    // False when the file cannot be read or the skin is refused, `why`
    // then saying which; the skin that was there stays.
    bool OpenSkinFile(const std::wstring& name, std::string& why);
    // Copies item `index` of the store in, loads and applies it. An index
    // outside the store, or a skin that does not load, changes nothing.
    void SelectStoredSkin(const TSkinCollection& store, int index);
    // Tells the manager that this component's skin changed.
    void ApplyNewSkin();
    void Loaded() override;
    void FireSkinChanged();

    // The parsed skin and its packed image.
    bool SkinNotLoaded() const { return skin_->SkinNotLoaded; }
    const TSkinModel& Skin() const { return *skin_; }
    // The same model, shared: loading another skin replaces it here at once,
    // while the windows that point into it keep it until they move on.
    std::shared_ptr<const TSkinModel> SharedSkin() const { return skin_; }
    const TSkinBytes& SkinImage() const { return image_; }

    // Four 16 x 16 glyphs: restore, maximize, minimize, close.
    HIMAGELIST MenuGlyphs() const { return menuGlyphs_.Get(); }
    HFONT SystemCaptionFont() const { return captionFont_.Get(); }
    int MaxWidth() const { return maxWidth_; }
    int MaxHeight() const { return maxHeight_; }
    // Skinning main menus stands for skinning the whole window frame: a
    // window without it keeps its own frame and gets only its controls skinned.
    bool SkinsFrames() const { return InSet(skinControls_, xcMainMenu); }
    bool FrameFlag = true;
    // The window filter: OnFormSkin decides when it is set.
    bool FilterForm(const std::wstring& className, bool answer);

private:
    // Parses `image`; only a skin that loads replaces the current one.
    bool TryLoadSkin(TSkinBytes image, TSkinLoadResult* why = nullptr);

    bool active_ = false;
    int disableTag_ = 99;
    int skinControls_ = kDefaultControls;
    int options_ = kDefaultOptions;
    std::vector<std::wstring> skin3rd_;
    std::wstring skinFile_;
    int skinFormtype_ = sfMainform;
    bool menuUpdate_ = true;
    bool menuMerge_ = false;
    TSkinBytes image_;
    std::shared_ptr<const TSkinModel> skin_;
    TImageListHandle menuGlyphs_;
    TFontHandle captionFont_;
    int maxWidth_ = 0;
    int maxHeight_ = 0;
    bool registered_ = false;
};
