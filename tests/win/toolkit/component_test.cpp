// Ownership, class names and the published-property tables.
#include "toolkit/button.h"
#include "toolkit/form.h"
#include "toolkit/group_box.h"
#include "toolkit/list_view.h"
#include "toolkit/published_properties.h"

#include <gtest/gtest.h>

namespace {

struct TCounted : TComponent {
    explicit TCounted(TComponent* owner, int* alive) : TComponent(owner), alive_(alive) {
        ++*alive_;
    }
    ~TCounted() override { --*alive_; }
    int* alive_;
};

} // namespace

TEST(Components, OwnerFreesWhatItOwnsAndFindsByName) {
    int alive = 0;
    {
        TComponent root(nullptr);
        auto* a = new TCounted(&root, &alive);
        auto* b = new TCounted(a, &alive); // owned by a, freed with it
        a->SetName(L"Alpha");
        new TCounted(&root, &alive);
        EXPECT_EQ(alive, 3);
        EXPECT_EQ(root.ComponentCount(), 2);
        EXPECT_EQ(root.FindComponent(L"ALPHA"), a);
        EXPECT_EQ(root.FindComponent(L"missing"), nullptr);
        EXPECT_EQ(a->Components(0), b);
        delete a; // leaves its owner's list
        EXPECT_EQ(alive, 1);
        EXPECT_EQ(root.ComponentCount(), 1);
    }
    EXPECT_EQ(alive, 0);
}

TEST(Components, ControlsEnumerateChildrenAndLeaveParentWhenFreed) {
    TComponent root(nullptr);
    auto* form = new TForm(&root);
    auto* button = new TButton(&root);
    auto* list = new TListView(&root);
    button->SetParent(form);
    list->SetParent(form);
    ASSERT_EQ(form->ControlCount(), 2);
    EXPECT_EQ(form->Controls(0), button);
    delete button;
    ASSERT_EQ(form->ControlCount(), 1);
    EXPECT_EQ(form->Controls(0), list);
    EXPECT_EQ(list->Parent(), form);
    FreeForm(form); // children are components of root and outlive the form
    EXPECT_EQ(list->Parent(), nullptr);
}

namespace {

int ChildWindowCount(HWND parent) {
    int count = 0;
    for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        ++count;
    return count;
}

} // namespace

// Asking a child for its window first makes its parents' windows, which make
// their children's: each control must end with that one window, not a second.
TEST(Components, AChildsWindowMadeBeforeItsParentsIsMadeOnce) {
    TComponent root(nullptr);
    auto* form = new TForm(&root);
    form->HandleNeeded();
    auto* panel = new TPanel(&root);
    auto* button = new TButton(&root);
    panel->SetParent(form);
    button->SetParent(panel);
    button->HandleNeeded();
    ASSERT_TRUE(panel->HandleAllocated());
    EXPECT_EQ(ChildWindowCount(form->Handle()), 1);
    EXPECT_EQ(ChildWindowCount(panel->Handle()), 1);
    EXPECT_EQ(GetWindow(panel->Handle(), GW_CHILD), button->Handle());
    FreeForm(form);
}

TEST(Components, ClassNamesAndKinds) {
    TComponent root(nullptr);
    TBitBtn bit(&root);
    EXPECT_EQ(bit.ClassName(), L"TBitBtn");
    EXPECT_TRUE(bit.InheritsFrom(L"TButton"));
    EXPECT_TRUE(bit.InheritsFrom(L"twincontrol"));
    EXPECT_TRUE(bit.InheritsFrom(L"TComponent"));
    EXPECT_FALSE(bit.InheritsFrom(L"TEdit"));
    TButton plain(&root);
    EXPECT_FALSE(plain.InheritsFrom(L"TBitBtn"));
}

TEST(PublishedProperties, ReadAndWriteByNameUpTheClassChain) {
    TComponent root(nullptr);
    TBitBtn bit(&root);
    SetPropByName(bit, L"Caption", std::wstring(L"批量卸载"));
    EXPECT_EQ(bit.Caption(), L"批量卸载");
    EXPECT_EQ(GetStrProp(bit, L"caption"), L"批量卸载");
    SetOrdProp(bit, L"Left", 17);
    EXPECT_EQ(std::get<long long>(GetPropByName(bit, L"Left")), 17);
    SetStrProp(bit, L"Font.Name", L"宋体");
    EXPECT_EQ(bit.Font()->Name(), L"宋体");
    EXPECT_EQ(GetObjectProp(bit, L"Font"), bit.Font());
    EXPECT_EQ(PropKind(bit, L"Glyph.Data"), TPropKind::Binary);
    EXPECT_EQ(PropKind(bit, L"OnClick"), TPropKind::Event);

    TListView list(&root);
    SetEnumProp(list, L"ViewStyle", L"vsReport");
    EXPECT_EQ(list.ViewStyle(), vsReport);
    EXPECT_EQ(GetEnumProp(list, L"ViewStyle"), L"vsReport");
    SetEnumProp(list, L"Checkboxes", L"True");
    EXPECT_TRUE(list.Checkboxes());

    TForm form(&root);
    SetOrdProp(form, L"BorderIcons", biSystemMenu | biMinimize);
    EXPECT_EQ(form.BorderIcons(), biSystemMenu | biMinimize);
}

TEST(PublishedProperties, EventsTravelAsTheirHandlerType) {
    TComponent root(nullptr);
    TButton button(&root);
    int clicks = 0;
    SetMethodProp(button, L"OnClick", TNotifyEvent([&](TPersistent*) { ++clicks; }));
    button.Click();
    EXPECT_EQ(clicks, 1);
    auto handler = std::any_cast<TNotifyEvent>(GetMethodProp(button, L"OnClick"));
    handler(&button);
    EXPECT_EQ(clicks, 2);
    EXPECT_THROW(SetMethodProp(button, L"OnClick", TColumnClickEvent()), EPropertyError);
}

TEST(PublishedProperties, UnknownNamesAndWrongKindsAreErrors) {
    TComponent root(nullptr);
    TButton button(&root);
    const struct {
        std::wstring name;
        TPropValue value;
    } bad[] = {
        {L"NoSuchProperty", 1LL},
        {L"Caption", 1LL},                     // string property given a number
        {L"Left", std::wstring(L"x")},         // integer property given text
        {L"Font.NoSuch", std::wstring(L"x")},  // unknown below an object
        {L"Caption.Name", std::wstring(L"x")}, // not an object property
    };
    for (const auto& b : bad)
        EXPECT_THROW(SetPropByName(button, b.name, b.value), EPropertyError)
            << std::string(b.name.begin(), b.name.end());
    EXPECT_THROW(SetEnumProp(button, L"Visible", L"Maybe"), EPropertyError);
    EXPECT_FALSE(IsPublishedProp(button, L"Glyph"));
}
