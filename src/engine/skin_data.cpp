#include "engine/skin_data.h"

#include "core/skin_loader.h"
#include "core/skin_reader.h"
#include "engine/platform_api.h"
#include "engine/skin_class_map.h"
#include "engine/skin_manager.h"
#include "engine/window_facts.h"
#include "toolkit/application.h"
#include "toolkit/form.h"

#include <cstddef>
#include <exception>
#include <fstream>
#include <iterator>

namespace {

const TEnumInfo& ControlTypeInfo() {
    static const TEnumInfo info{{L"xcMainMenu",   L"xcPopupMenu",   L"xcMenuItem", L"xcToolbar",
                                 L"xcControlbar", L"xcCombo",       L"xcCheckBox", L"xcRadioButton",
                                 L"xcProgress",   L"xcScrollbar",   L"xcEdit",     L"xcButton",
                                 L"xcBitBtn",     L"xcSpeedButton", L"xcSpin",     L"xcPanel",
                                 L"xcGroupBox",   L"xcStatusBar",   L"xcTab",      L"xcTrackBar",
                                 L"xcSystemMenu", L"xcFastReport"}};
    return info;
}

const TEnumInfo& OptionInfo() {
    static const TEnumInfo info{{L"xoMDIScrollbar", L"xoMenuMerge", L"xoTransparent", L"xoPreview",
                                 L"xoParentBackGround", L"xoNoFocusRect", L"xoToolbarBK",
                                 L"xoToolbarButton", L"xoMDIChildBorder", L"xoMenuBG",
                                 L"xoFormScrollbar"}};
    return info;
}

const TEnumInfo& FormTypeInfo() {
    static const TEnumInfo info{{L"sfMainform", L"sfOnlyThisForm", L"sfDialog", L"sfDLL"}};
    return info;
}

// The reader's message is ASCII with a CR between its two lines.
std::wstring OlderSkinMessage() {
    std::string text = kOlderSkinFileMessage;
    return std::wstring(text.begin(), text.end());
}

bool ReadWholeFile(const std::wstring& name, TSkinBytes& bytes) {
    HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    TFileHandle owner(ValidHandle(file));
    if (!owner) return false;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart > 0x7FFFFFFF) return false;
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    return bytes.empty() || (ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr) &&
                             read == bytes.size());
}

} // namespace

const TClassInfo& TSkinData::StaticClass() {
    static const TClassInfo info(
        L"TSkinData", &TComponent::StaticClass(),
        [](TClassInfo& c) {
            using T = TSkinData;
            c.Bool(L"Active", &T::Active, &T::SetActive);
            c.Int(L"DisableTag", &T::DisableTag, &T::SetDisableTag);
            c.Set(L"SkinControls", ControlTypeInfo(), &T::SkinControls, &T::SetSkinControls);
            c.Set(L"Options", OptionInfo(), &T::Options, &T::SetOptions);
            c.Str(L"Skin3rd", &T::Skin3rdText, &T::SetSkin3rdText);
            c.Str(L"SkinFile", &T::SkinFile, &T::SetSkinFile);
            c.Str(L"SkinStore", &T::SkinStore, &T::SetSkinStore);
            c.Enum(L"SkinFormtype", FormTypeInfo(), &T::SkinFormtype, &T::SetSkinFormtype);
            c.Str(L"Version", &T::Version, &T::SetVersion);
            c.Bool(L"MenuUpdate", &T::MenuUpdate, &T::SetMenuUpdate);
            c.Bool(L"MenuMerge", &T::MenuMerge, &T::SetMenuMerge);
            c.Event(L"OnFormSkin", &T::OnFormSkin);
            c.Event(L"OnSkinChanged", &T::OnSkinChanged);
            c.Event(L"OnSkinControl", &T::OnSkinControl);
            c.Event(L"OnBeforeSkinForm", &T::OnBeforeSkinForm);
            c.Event(L"OnAfterSkinForm", &T::OnAfterSkinForm);
            c.Binary(L"SkinStream", &T::SkinStreamValue, &T::SetSkinStreamValue);
        },
        [](TComponent* owner) -> TComponent* { return new TSkinData(owner); });
    return info;
}

TSkinData::TSkinData(TComponent* owner)
    : TComponent(owner), skin3rd_(DefaultSkinClassMap()), skin_(std::make_unique<TSkinModel>()) {
    // Skins parsed from now on see the real system colours.
    InstallPlatformFacts();
    menuGlyphs_.Reset(ImageList_LoadImageW(GetModuleHandleW(nullptr), L"ORVANEMENU", 16, 0,
                                           RGB(255, 255, 255), IMAGE_BITMAP, 0));
    maxWidth_ = GetSystemMetrics(SM_CXMAXIMIZED);
    maxHeight_ = GetSystemMetrics(SM_CYMAXIMIZED);
}

TSkinData::~TSkinData() {
    if (TSkinManage* manager = SkinManager()) manager->UnregisterSkinData(this);
}

std::wstring TSkinData::Skin3rdText() const {
    std::wstring text;
    for (const std::wstring& line : skin3rd_)
        text += line + L"\r\n";
    return text;
}

void TSkinData::SetSkin3rdText(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end;
        if (start < text.size() && text[start] == L'\r') ++start;
        if (start < text.size() && text[start] == L'\n') ++start;
    }
    skin3rd_ = std::move(lines);
}

std::vector<std::uint8_t> TSkinData::SkinStreamValue() const {
    return WriteSkinStream(image_);
}

void TSkinData::SetSkinStreamValue(const std::vector<std::uint8_t>& value) {
    TSkinBytes image;
    if (ReadSkinStream(value.data(), value.size(), image) != TSkinStreamRead::Loaded) return;
    TryLoadSkin(std::move(image));
}

bool TSkinData::TryLoadSkin(TSkinBytes image, TSkinLoadResult* why) {
    std::unique_ptr<TSkinModel> fresh;
    TSkinLoadResult result = TSkinLoadResult::Ok;
    bool loaded = false;
    try {
        // The loader turns its own errors into a refusal; what is left is
        // running out of memory for the model itself.
        fresh = std::make_unique<TSkinModel>();
        loaded = LoadSkin(*fresh, image, &result) && !fresh->SkinNotLoaded;
    } catch (const std::exception&) {
        loaded = false;
    }
    if (why)
        *why = loaded                          ? TSkinLoadResult::Ok
               : result == TSkinLoadResult::Ok ? TSkinLoadResult::LoadFailed
                                               : result;
    if (!loaded) {
        if (result == TSkinLoadResult::UnknownVersion)
            Application().MessageBox(OlderSkinMessage(), Application().Title(), MB_OK);
        // The skin that was working stays; a half-parsed one is never shown.
        return false;
    }
    image_ = std::move(image);
    skin_ = std::move(fresh);
    return true;
}

void TSkinData::SetActive(bool value) {
    if (value == active_) return;
    active_ = value;
    if (Loading()) return;
    TSkinManage* manager = SkinManager();
    if (!manager) return;
    switch (skinFormtype_) {
    case sfMainform:
        if (value) {
            if (SkinNotLoaded()) return;
            manager->SetPendingSkinData(this);
            manager->Schedule(ActionSkinAll);
            manager->ActivityState = ActivityStarted;
        } else {
            manager->SetPendingSkinData(this);
            manager->Schedule(ActionUnskinAll);
        }
        return;
    case sfOnlyThisForm:
        manager->SetPendingSkinData(this);
        if (value && SkinNotLoaded()) return;
        manager->Schedule(value ? ActionSkinAll : ActionUnskinAll);
        return;
    default:
        return;
    }
}

void TSkinData::SetSkinFile(const std::wstring& name) {
    skinFile_ = name;
    if (Loading() || name.empty()) return;
    std::string why;
    OpenSkinFile(name, why);
}

bool TSkinData::OpenSkinFile(const std::wstring& name, std::string& why) {
    TSkinBytes bytes;
    if (!ReadWholeFile(name, bytes)) {
        why = "the file cannot be read";
        return false;
    }
    TSkinLoadResult result = TSkinLoadResult::Ok;
    if (!TryLoadSkin(std::move(bytes), &result)) {
        why = SkinLoadResultText(result);
        return false;
    }
    ApplyNewSkin();
    return true;
}

void TSkinData::SelectStoredSkin(const TSkinCollection& store, int index) {
    const TSkinCollectionItem* item = store.Find(index);
    if (!item) return;
    if (TryLoadSkin(item->Data())) ApplyNewSkin();
}

void TSkinData::ApplyNewSkin() {
    if (Loading()) return;
    if (!SkinManager()) Loaded();
    TSkinManage* manager = SkinManager();
    manager->SetPendingSkinData(this);
    // Form skin objects rebuild their frame metrics when the reapply runs.
    if (manager->ActivityState == ActivityStarted) manager->Schedule(ActionReapply);
}

void TSkinData::Loaded() {
    TComponent::Loaded();
    if (!HasScrollBarInfo()) skinControls_ &= ~SetOf({xcScrollbar});
    TSkinManage& manager = CreateSkinManager();
    manager.RegisterSkinData(this);
    captionFont_ = CreateSystemCaptionFont();
    if (skinFormtype_ != sfMainform) {
        manager.SkinningOn = true;
        // A second such component finds the manager started already.
        if (manager.ActivityState == ActivityIdle) manager.ActivityState = ActivityStarted;
        auto* form = dynamic_cast<TForm*>(Owner());
        if (form && active_ && !SkinNotLoaded()) {
            manager.SetPendingSkinData(this);
            manager.Schedule(ActionSkinAll);
        }
        return;
    }
    manager.InstallHook();
    if (active_) {
        if (SkinNotLoaded())
            active_ = false; // no skin, nothing to show
        else {
            manager.SetPendingSkinData(this);
            manager.Schedule(ActionSkinAll);
        }
    }
    if (InSet(skinControls_, xcMainMenu))
        skinControls_ &= ~SetOf({xcMenuItem});
    else
        skinControls_ &= ~SetOf({xcSystemMenu});
}

void TSkinData::FireSkinChanged() {
    if (OnSkinChanged) OnSkinChanged(this);
}

bool TSkinData::FilterForm(const std::wstring& className, bool answer) {
    if (OnFormSkin) {
        OnFormSkin(this, className, answer);
        return answer;
    }
    if (className == L"SysMonthCal32") return false;
    if (InSet(skinControls_, xcFastReport) && className.rfind(L"Tfr", 0) == 0) return false;
    return answer;
}
