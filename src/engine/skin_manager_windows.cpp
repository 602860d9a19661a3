// The manager's windows: which to skin, with which component, and the list
// of their skin objects.
#include "engine/skin_data.h"
#include "engine/skin_manager.h"
#include "engine/win_skin_form.h"
#include "toolkit/form.h"
#include "toolkit/screen.h"
#include "toolkit/text_compare.h"
#include "toolkit/win_control.h"

#include <algorithm>

namespace {

bool IsOrdinaryChild(HWND window) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    if (!(style & WS_CHILD) || (exStyle & WS_EX_MDICHILD)) return false;
    return !IsWindowOfClass(GetParent(window), L"MDIClient");
}

TForm* FormOfWindow(HWND window) {
    for (int i = 0; i < Screen().FormCount(); ++i)
        if (Screen().Forms(i)->Handle() == window) return Screen().Forms(i);
    return nullptr;
}

} // namespace

bool TSkinManage::SkinWindow(HWND w) {
    if (!SkinningOn || !IsWindow(w)) return false;
    Purge();
    // Our own list first: the question is a message through the window's
    // whole chain, and every activation of a skinned window comes here.
    if (FindSkinForm(w) || SendMessageW(w, SKINMSG_QUERY, 0, 0) == 1) return false;
    TForm* form = FormOfWindow(w);
    TComponent* known = form ? form : static_cast<TComponent*>(TWinControl::FindControl(w));
    if (!SkinAllMode && IsOrdinaryChild(w)) return false;
    const std::wstring cls = WindowClassName(w);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(w, GWLP_HINSTANCE));
    if (!known && instance != GetModuleHandleW(nullptr) && cls != L"#32770") return false;

    RECT r{};
    GetWindowRect(w, &r);
    const bool mdiChild = (GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
    if ((r.right - r.left) * (r.bottom - r.top) == 0 && !mdiChild) return false;
    if (cls.find(L"TcxPopupEditPopupWindow") != std::wstring::npos ||
        cls.find(L"TTERenderWindow") != std::wstring::npos || cls == L"TApplication")
        return false;
    if (!ShouldSkin(w, cls)) return false;

    TSkinData* sd = ChooseSkinData(w);
    if (!sd || sd->SkinNotLoaded()) return false;
    // The exempting tag is the skin data's, for forms as for their controls.
    if (known && known->Tag() == sd->DisableTag()) return false;
    auto* object = new TWinSkinForm(form, w, cls);
    skinForms_.push_back(object);
    if (form)
        object->AttachForm(sd, form);
    else
        object->AttachWindow(sd);
    PostMessageW(w, SKINMSG_START, 0, 1000);
    return true;
}

bool TSkinManage::ShouldSkin(HWND w, const std::wstring& cls) {
    bool answer = true;
    if (!mainSkinData_) return answer;
    if (!InSet(mainSkinData_->Options(), xoPreview) && ContainsNoCase(cls, L"preview"))
        answer = false;
    // A dialog that puts itself in the foreground is left as it is.
    if (cls == L"#32770" && (GetWindowLongPtrW(w, GWL_STYLE) & DS_SETFOREGROUND)) answer = false;
    if (SameTextNoCase(cls, L"TPopupDBTreeView")) answer = false;
    return mainSkinData_->FilterForm(cls, answer);
}

TSkinData* TSkinManage::ChooseSkinData(HWND w) const {
    TSkinData* found = nullptr;
    for (TSkinData* sd : skinDataList_) {
        auto* owner = dynamic_cast<TWinControl*>(sd->Owner());
        if (sd->SkinFormtype() == sfOnlyThisForm && owner && owner->Handle() == w) found = sd;
    }
    if (found) return found;
    if (IsWindowOfClass(w, L"TMessageForm") || IsWindowOfClass(w, L"#32770"))
        for (TSkinData* sd : skinDataList_)
            if (sd->SkinFormtype() == sfDialog) found = sd;
    if (found) return found;
    for (TSkinData* sd : skinDataList_)
        if (sd->SkinFormtype() == sfMainform) found = sd;
    if (found) return found;
    return skinDataList_.empty() ? nullptr : skinDataList_.front();
}

bool TSkinManage::SkinForm(TForm* form) {
    if (!form || !form->HandleAllocated() || !IsWindowVisible(form->Handle()) ||
        (GetWindowLongPtrW(form->Handle(), GWL_STYLE) & WS_CHILD))
        return true;
    return SkinWindow(form->Handle());
}

TWinSkinForm* TSkinManage::FindSkinForm(HWND w) const {
    if (!w) return nullptr;
    for (TWinSkinForm* f : skinForms_)
        if (f->Handle() == w && f->SkinState() != ssDestroyed) return f;
    return nullptr;
}

void TSkinManage::RemoveSkinForm(TWinSkinForm* form) {
    // During the manager's own destruction the list is being walked.
    if (ActivityState == ActivityClosing) return;
    skinForms_.erase(std::remove(skinForms_.begin(), skinForms_.end(), form), skinForms_.end());
}

void TSkinManage::ReloadFramesOf(TSkinData* skinData) {
    for (TWinSkinForm* f : skinForms_)
        if (f->SkinData() == skinData) f->ReloadFrameMetrics();
}

void TSkinManage::Release(TWinSkinForm* form) {
    skinForms_.erase(std::remove(skinForms_.begin(), skinForms_.end(), form), skinForms_.end());
    // A message of the window is still running through the object (a modal
    // loop inside its window procedure): the object frees itself when that
    // message returns.
    if (form->InDispatch())
        form->FreeWhenDone();
    else
        delete form;
}

void TSkinManage::UnskinAndFree(TWinSkinForm* form) {
    const HWND w = form->Handle();
    form->Detach();
    if (IsWindow(w))
        RedrawWindow(w, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    // Window code run by the repaint may have freed it already.
    if (std::find(skinForms_.begin(), skinForms_.end(), form) != skinForms_.end()) Release(form);
}

void TSkinManage::Purge() {
    if (ActivityState == ActivityClosing) return;
    for (size_t i = skinForms_.size(); i-- > 0;) {
        if (i >= skinForms_.size()) continue;
        TWinSkinForm* f = skinForms_[i];
        if (f->SkinState() == ssDestroyed) Release(f);
    }
}

void TSkinManage::FreeDestroyed() {
    if (ActivityState == ActivityClosing) return;
    Purge();
}

void TSkinManage::Shutdown() {
    SkinningOn = false;
    while (!skinForms_.empty()) {
        TWinSkinForm* f = skinForms_.back();
        skinForms_.pop_back();
        f->DetachOnDestroy();
        if (f->InDispatch())
            f->FreeWhenDone();
        else
            delete f;
    }
}

void TSkinManage::SetMDIChildMaximized(bool value) {
    if (value == MDIChildMaximized) return;
    MDIChildMaximized = value;
    if (mainSkinData_ && InSet(mainSkinData_->Options(), xoMDIChildBorder)) return;
    for (TWinSkinForm* f : skinForms_)
        f->MDIChildMaximizeChanged(value);
}
