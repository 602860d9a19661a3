#include "engine/control_mapping.h"

#include "core/ascii_text.h"

#include "engine/control_choice.h"
#include "engine/controls/control_props.h"
#include "engine/controls/control_registry.h"
#include "engine/engine_messages.h"
#include "engine/skin_data.h"
#include "engine/win_skin_form.h"
#include "engine/window_facts.h"
#include "toolkit/form.h"
#include "toolkit/text_compare.h"
#include "toolkit/win_control.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>

namespace {

bool AnswersSkinned(HWND window) {
    return window && SendMessageW(window, SKINMSG_QUERY, 0, 0) == 1;
}

// Children and windows are listed before anything is attached: attaching
// can create windows.
std::vector<TControl*> ChildControls(const TWinControl& control) {
    std::vector<TControl*> children;
    for (int i = 0; i < control.ControlCount(); ++i)
        children.push_back(control.Controls(i));
    return children;
}

// Every windowed control inside `parent`, nested ones included, each level
// in tab order (stored order where none is given).
void CollectTabOrder(const TWinControl& parent, std::vector<TWinControl*>& out) {
    std::vector<TWinControl*> level;
    for (TControl* c : ChildControls(parent))
        if (auto* w = dynamic_cast<TWinControl*>(c)) level.push_back(w);
    std::stable_sort(level.begin(), level.end(), [](TWinControl* a, TWinControl* b) {
        const auto key = [](TWinControl* w) { return w->TabOrder() < 0 ? INT_MAX : w->TabOrder(); };
        return key(a) < key(b);
    });
    for (TWinControl* w : level) {
        out.push_back(w);
        CollectTabOrder(*w, out);
    }
}

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> windows;
    for (HWND w = GetTopWindow(parent); w; w = GetWindow(w, GW_HWNDNEXT))
        windows.push_back(w);
    return windows;
}

bool HasScrollStyle(HWND window) {
    return window && (GetWindowLongPtrW(window, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

// A window whose frame takes room: its window and client sizes differ.
bool HasBorder(HWND window) {
    RECT w{}, c{};
    if (!GetWindowRect(window, &w) || !GetClientRect(window, &c)) return false;
    return w.right - w.left != c.right || w.bottom - w.top != c.bottom;
}

bool HasTabRecord(const TSkinData& data) {
    return data.Skin().Tabs != nullptr;
}

TControlFacts FactsOf(TControl& control) {
    TControlFacts f;
    f.UpperClass = UpperAscii(control.ClassName());
    f.GroupBox = control.InheritsFrom(L"TGroupBox");
    f.Panel = control.InheritsFrom(L"TPanel");
    f.BitButton = control.InheritsFrom(L"TBitBtn");
    f.ListView = control.InheritsFrom(L"TListView");
    f.Button = control.InheritsFrom(L"TButton");
    f.Edit = control.InheritsFrom(L"TEdit");
    f.SpeedButton = control.InheritsFrom(L"TSpeedButton");
    f.CheckBox = control.InheritsFrom(L"TCheckBox");
    f.RadioButton = control.InheritsFrom(L"TRadioButton");
    f.StatusBar = control.InheritsFrom(L"TStatusBar");
    f.TabSheet = control.InheritsFrom(L"TTabSheet");
    f.PageControl = control.InheritsFrom(L"TPageControl");
    f.TabControl = control.InheritsFrom(L"TTabControl");
    f.ComboBox = control.InheritsFrom(L"TComboBox");
    f.ProgressBar = control.InheritsFrom(L"TProgressBar");
    f.TrackBar = control.InheritsFrom(L"TTrackBar");
    f.DateTimePicker = control.InheritsFrom(L"TDateTimePicker");
    f.ScrollBar = control.InheritsFrom(L"TScrollBar");
    f.EmbeddedForm = control.InheritsFrom(L"TForm") && control.Parent();
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    f.Windowed = windowed != nullptr;
    f.ScrollStyle = windowed && HasScrollStyle(windowed->Handle());
    f.ButtonTabs = (f.PageControl || f.TabControl) && windowed &&
                   (GetWindowLongPtrW(windowed->Handle(), GWL_STYLE) & TCS_BUTTONS);
    f.NumButtons = GetOrdPropByName(&control, L"NumButtons");
    return f;
}

} // namespace

TControlMapper::TControlMapper(TWinSkinForm& form, TSkinData& data) : form_(form), data_(data) {}

TSkinChoice TControlMapper::ChoiceForWindow(HWND window, int skinControls) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    return ChooseForWindow(LowerAscii(WindowClassName(window)), style, skinControls);
}

TSkinChoice TControlMapper::ChoiceForControl(TControl& control) const {
    return ChooseForControl(FactsOf(control), data_.SkinControls(), HasTabRecord(data_));
}

void TControlMapper::SkinFormControls(TForm& form) {
    form_.PurgeGoneControls();
    MapComponents(form);
    std::vector<TWinControl*> ordered;
    CollectTabOrder(form, ordered);
    for (TWinControl* c : ordered)
        if (c->HandleAllocated() && c->Tag() != data_.DisableTag()) MapControl(*c, &form);
}

void TControlMapper::MapComponents(TComponent& owner) {
    std::vector<TControl*> controls;
    for (int i = 0; i < owner.ComponentCount(); ++i)
        if (auto* c = dynamic_cast<TControl*>(owner.Components(i))) controls.push_back(c);
    auto* parent = dynamic_cast<TWinControl*>(&owner);
    for (TControl* c : controls)
        MapControl(*c, parent);
}

void TControlMapper::MapChildren(TWinControl& control) {
    for (TControl* child : ChildControls(control))
        MapControl(*child, &control);
}

void TControlMapper::MapControl(TControl& control, TWinControl* parent) {
    if (DisabledByTag(control)) return;
    if (!control.Parent()) return;
    TDecision decision = Decide(control);
    if (NothingToDo(decision) || AlreadySkinned(control)) return;
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (windowed && !windowed->HandleAllocated()) {
        try {
            windowed->HandleNeeded();
        } catch (const std::exception&) {
            return; // a control whose window cannot be made is skipped
        }
        // What the chain reads off the window exists only now.
        decision = Decide(control);
    }
    if (SkinnedByHandler(control, parent, decision.UpperClass)) return;
    Apply(decision.Choice, control);
}

TControlMapper::TDecision TControlMapper::Decide(TControl& control) const {
    TDecision d;
    d.UpperClass = UpperAscii(control.ClassName());
    d.MapKind = ClassMapKind(data_.Skin3rd(), d.UpperClass);
    d.Choice = d.MapKind.empty()
                   ? ChoiceForControl(control)
                   : ChooseForMapKind(d.MapKind, d.UpperClass, GetEnumPropByName(&control, L"Kind"),
                                      data_.SkinControls(), HasTabRecord(data_));
    return d;
}

// Every question to a window costs a message through its hooks; a control
// that no handler, map line or family would touch is passed over first.
bool TControlMapper::NothingToDo(const TDecision& decision) const {
    if (data_.OnSkinControl || !decision.MapKind.empty()) return false;
    return decision.Choice.Children == TChildMapping::None && !HasSkinFamily(decision.Choice.Kind);
}

// A group of items disabled by its tag disables every item too.
bool TControlMapper::DisabledByTag(TControl& control) {
    const int disableTag = data_.DisableTag();
    if (control.Tag() != disableTag) return false;
    auto* group = dynamic_cast<TWinControl*>(&control);
    const std::wstring& cls = control.ClassName();
    if (group && (ContainsNoCase(cls, L"radiogroup") || ContainsNoCase(cls, L"checkgroup")))
        for (TControl* item : ChildControls(*group))
            if (item->Tag() != disableTag) {
                form_.RememberTag(*group, *item);
                item->SetTag(disableTag);
            }
    return true;
}

bool TControlMapper::AlreadySkinned(TControl& control) const {
    if (form_.SkinControlOf(&control)) return true;
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (!windowed) return false;
    return (windowed->HandleAllocated() && AnswersSkinned(windowed->Handle()));
}

// The application's own choice comes first; any object it returns ends the
// mapping of the control, and only a control skin is attached.
bool TControlMapper::SkinnedByHandler(TControl& control, TWinControl* parent,
                                      const std::wstring& upper) {
    if (!data_.OnSkinControl) return false;
    TObject* answer = nullptr;
    data_.OnSkinControl(&form_, &data_, parent, &control, upper, answer);
    if (!answer) return false;
    auto* skin = dynamic_cast<TSkinControl*>(answer);
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (skin && windowed) {
        std::unique_ptr<TSkinControl> owned(skin);
        if (owned->AttachControl(form_, data_, *windowed, owned->KeepColour()))
            form_.AdoptControl(std::move(owned));
        if (windowed->InheritsFrom(L"TPanel")) MapChildren(*windowed);
    }
    return true;
}

void TControlMapper::Apply(const TSkinChoice& choice, TControl& control) {
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    switch (choice.Children) {
    case TChildMapping::ChildrenFirst:
        if (windowed) MapChildren(*windowed);
        Attach(choice, control);
        return;
    case TChildMapping::ChildrenAfter:
        Attach(choice, control);
        if (windowed) MapChildren(*windowed);
        return;
    case TChildMapping::ChildrenOrphaned:
        Attach(choice, control);
        if (windowed)
            for (TControl* child : ChildControls(*windowed))
                MapControl(*child, nullptr);
        return;
    case TChildMapping::ComponentsAfter:
        Attach(choice, control);
        MapComponents(control);
        return;
    case TChildMapping::ScrollingChildren:
        if (windowed) MapScrollingChildren(*windowed);
        return;
    case TChildMapping::Items:
        if (windowed) MapItems(choice, *windowed);
        Attach(choice, control);
        return;
    default:
        Attach(choice, control);
        return;
    }
}

void TControlMapper::MapItems(const TSkinChoice& group, TWinControl& control) {
    TSkinChoice item;
    item.Kind = group.ItemKind;
    item.Variant = group.ItemVariant;
    item.KeepColour = group.ItemKeepColour;
    for (TControl* child : ChildControls(control))
        if (!AlreadySkinned(*child)) Attach(item, *child);
}

void TControlMapper::MapScrollingChildren(TWinControl& control) {
    TSkinChoice scrollbar;
    scrollbar.Kind = TSkinKind::Scrollbar;
    for (TControl* child : ChildControls(control)) {
        auto* w = dynamic_cast<TWinControl*>(child);
        if (w && HasScrollStyle(w->Handle()) && !AlreadySkinned(*w)) Attach(scrollbar, *w);
    }
}

void TControlMapper::Attach(const TSkinChoice& choice, TControl& control) {
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (!windowed) {
        AttachGraphic(choice, control);
        return;
    }
    if (!windowed->HandleAllocated()) return;
    if (choice.NeedsBorder && !HasBorder(windowed->Handle())) return;
    if (choice.AsRawWindow) {
        AttachWindow(choice, windowed->Handle());
        return;
    }
    std::unique_ptr<TSkinControl> skin = CreateSkinControl(choice);
    if (!skin || !skin->AttachControl(form_, data_, *windowed, choice.KeepColour)) return;
    if (choice.SetTransparent) skin->SetControlProp(L"Transparent", L"True");
    form_.AdoptControl(std::move(skin));
}

// A control its parent paints (a speed button) is skinned by a family that
// can hook it without a window.
void TControlMapper::AttachGraphic(const TSkinChoice& choice, TControl& control) {
    std::unique_ptr<TSkinControl> skin = CreateSkinControl(choice);
    if (skin && skin->AttachGraphic(form_, data_, control)) form_.AdoptControl(std::move(skin));
}

void TControlMapper::SkinChildWindows(HWND parent) {
    for (HWND child : ChildWindows(parent))
        if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) MapChildWindow(child);
}

void TControlMapper::MapChildWindow(HWND window) {
    if (!window || form_.SkinControlOf(window)) return;
    TSkinChoice choice = ChoiceForWindow(window, data_.SkinControls());
    switch (choice.Children) {
    case TChildMapping::ChildWindowsFirst:
        SkinChildWindows(window);
        break;
    case TChildMapping::FirstChildWindow:
        window = GetWindow(window, GW_CHILD);
        if (!window || form_.SkinControlOf(window)) return;
        break;
    default:
        break;
    }
    if (choice.FaceColour) {
        // A toolkit panel behind the raw window shows the face while skinned.
        TWinControl* control = TWinControl::FindControl(window);
        if (!control) return;
        choice.Kind = TSkinKind::Box;
        choice.KeepColour = true;
        std::unique_ptr<TSkinControl> box = CreateSkinControl(choice);
        if (box && box->AttachControl(form_, data_, *control, true))
            form_.AdoptControl(std::move(box));
        return;
    }
    AttachWindow(choice, window);
}

void TControlMapper::AttachWindow(const TSkinChoice& choice, HWND window) {
    std::unique_ptr<TSkinControl> skin = CreateSkinControl(choice);
    if (skin && skin->AttachWindow(form_, data_, window)) form_.AdoptControl(std::move(skin));
}
