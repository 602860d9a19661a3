#pragma once
// Finding the controls of a skinned window and giving each its skin
// object: the toolkit controls of a form, or the child windows of a raw
// window such as a system dialog. What each control gets is decided by the
// tables of control_choice.h; the objects come from the registry, and the
// form skin object owns them.
#include "engine/controls/skin_kind.h"

#include <windows.h>

#include <string>
#include <vector>

class TComponent;
class TControl;
class TForm;
class TSkinData;
class TWinControl;
class TWinSkinForm;

class TControlMapper {
public:
    TControlMapper(TWinSkinForm& form, TSkinData& data);

    // Maps every control of a toolkit form.
    void SkinFormControls(TForm& form);
    // Maps every child window of a raw window.
    void SkinChildWindows(HWND parent);
    // Maps one raw child window (also a size grip created later).
    void MapChildWindow(HWND window);

    // What mapping decides for a raw window and for a toolkit control,
    // without attaching anything.
    static TSkinChoice ChoiceForWindow(HWND window, int skinControls);
    TSkinChoice ChoiceForControl(TControl& control) const;

private:
    // What mapping decides for one control, asked once per control.
    struct TDecision {
        std::wstring UpperClass;
        // The class map's kind for the class; empty when no line names it.
        std::wstring MapKind;
        // From the class map when it names the class, else from the chain.
        TSkinChoice Choice;
    };
    TDecision Decide(TControl& control) const;

    void MapComponents(TComponent& owner);
    void MapChildren(TWinControl& control);
    void MapControl(TControl& control, TWinControl* parent);
    bool DisabledByTag(TControl& control);
    bool NothingToDo(const TDecision& decision) const;
    bool AlreadySkinned(TControl& control) const;
    bool SkinnedByHandler(TControl& control, TWinControl* parent, const std::wstring& upper);
    void Apply(const TSkinChoice& choice, TControl& control);
    void MapItems(const TSkinChoice& group, TWinControl& control);
    void MapScrollingChildren(TWinControl& control);
    void Attach(const TSkinChoice& choice, TControl& control);
    void AttachWindow(const TSkinChoice& choice, HWND window);
    void AttachGraphic(const TSkinChoice& choice, TControl& control);

    TWinSkinForm& form_;
    TSkinData& data_;
};
