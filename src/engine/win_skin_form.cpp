#include "engine/win_skin_form.h"

#include "toolkit/menus.h"

const TClassInfo& TWinSkinForm::StaticClass() {
    static const TClassInfo info(L"TWinSkinForm", &TComponent::StaticClass(), nullptr);
    return info;
}

// Placeholder bodies; the form skin object is being built.
TWinSkinForm::TWinSkinForm(TComponent* owner) : TComponent(owner) {}
TWinSkinForm::~TWinSkinForm() = default;
void TWinSkinForm::AttachForm(TSkinData*, TForm*) {}
void TWinSkinForm::AttachWindow(TSkinData*) {}
void TWinSkinForm::Attach(TSkinData*) {}
void TWinSkinForm::Detach() {}
void TWinSkinForm::DetachOnDestroy() {}
void TWinSkinForm::DetachControls() {}
void TWinSkinForm::ApplySkinChange() {}
void TWinSkinForm::Start() {}
bool TWinSkinForm::RegisterControl(TSkinControl*) { return false; }
void TWinSkinForm::UnregisterControl(TSkinControl*) {}
void TWinSkinForm::FreeSkinnedControls() {}
