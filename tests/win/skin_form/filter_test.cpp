// Which windows the manager takes over, and which skin component applies.
#include "support/skin_form_fixture.h"

#include "toolkit/form.h"

#include <string>
#include <utility>

namespace {

struct TFilterCase {
    const wchar_t* Name;
    const wchar_t* Class;
    bool Preview; // xoPreview in Options
    bool Expected;
};

} // namespace

TEST_F(SkinFormTest, ShouldSkinByClassName) {
    const TFilterCase cases[] = {
        {L"plain class", L"VelmoraPlain", false, true},
        {L"preview without option", L"PrintPreviewWnd", false, false},
        {L"preview with option", L"PrintPreviewWnd", true, true},
        {L"lower-case preview", L"mypreview", false, false},
        {L"db tree popup", L"TPopupDBTreeView", true, false},
        {L"month calendar", L"SysMonthCal32", true, false},
    };
    TRawWindow probe;
    for (const TFilterCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const int options = data_->Options();
        data_->SetOptions(c.Preview ? options | (1 << xoPreview) : options & ~(1 << xoPreview));
        EXPECT_EQ(manager_->ShouldSkin(probe.Handle(), c.Class), c.Expected);
        data_->SetOptions(options);
    }
    data_->OnFormSkin = [](TObject*, const std::wstring&, bool& doSkin) { doSkin = true; };
    EXPECT_TRUE(manager_->ShouldSkin(probe.Handle(), L"SysMonthCal32"));
    data_->OnFormSkin = nullptr;
    TRawWindow dialogStyled(L"#32770", WS_POPUP | WS_CAPTION | 0x200);
    ASSERT_TRUE(dialogStyled.Handle());
    EXPECT_FALSE(manager_->ShouldSkin(dialogStyled.Handle(), L"#32770"));
}

TEST_F(SkinFormTest, SkinWindowFilters) {
    SkinOn();
    {
        SCOPED_TRACE("raw window of this module");
        TRawWindow raw;
        EXPECT_TRUE(manager_->SkinWindow(raw.Handle()));
        EXPECT_FALSE(manager_->SkinWindow(raw.Handle())); // already skinned
    }
    {
        SCOPED_TRACE("window of another module");
        TRawWindow foreign;
        SetWindowLongPtrW(foreign.Handle(), GWLP_HINSTANCE,
                          reinterpret_cast<LONG_PTR>(GetModuleHandleW(L"user32.dll")));
        EXPECT_FALSE(manager_->SkinWindow(foreign.Handle()));
    }
    {
        SCOPED_TRACE("empty rectangle, then sized");
        TRawWindow empty(L"VelmoraRawProbe", WS_POPUP, 0, 0);
        EXPECT_FALSE(manager_->SkinWindow(empty.Handle()));
        SetWindowPos(empty.Handle(), nullptr, 0, 0, 120, 80,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_TRUE(manager_->SkinWindow(empty.Handle()));
    }
    {
        SCOPED_TRACE("child window");
        TRawWindow parent;
        TRawWindow child(L"VelmoraRawProbe", WS_CHILD | WS_VISIBLE, 50, 50, nullptr,
                         parent.Handle());
        EXPECT_FALSE(manager_->SkinWindow(child.Handle()));
    }
    // The skin data's DisableTag exempts a form, whatever its value.
    const int disableTag = data_->DisableTag();
    for (const auto& [tag, exempt] : {std::pair{99, true}, {7, false}, {99, false}, {7, true}}) {
        SCOPED_TRACE("toolkit form with Tag " + std::to_string(tag));
        data_->SetDisableTag(exempt ? tag : 1234);
        TForm tagged(nullptr);
        tagged.SetTag(tag);
        tagged.SetBounds(10, 10, 200, 100);
        tagged.AfterConstruction();
        tagged.Show();
        Pump();
        manager_->SkinWindow(tagged.Handle()); // if showing it did not skin it yet
        EXPECT_EQ(manager_->FindSkinForm(tagged.Handle()) != nullptr, !exempt);
    }
    data_->SetDisableTag(disableTag);
    {
        SCOPED_TRACE("skinning off");
        SkinOff();
        TRawWindow raw;
        EXPECT_FALSE(manager_->SkinWindow(raw.Handle()));
    }
    Pump();
}

TEST_F(SkinFormTest, ChooseSkinDataPrefersTheDialogComponentForDialogs) {
    TSkinData dialogData(nullptr);
    dialogData.SetSkinFormtype(sfDialog);
    manager_->RegisterSkinData(&dialogData);
    TRawWindow dialog(L"#32770", WS_POPUP | WS_CAPTION);
    TRawWindow plain;
    ASSERT_TRUE(dialog.Handle());
    EXPECT_EQ(manager_->ChooseSkinData(dialog.Handle()), &dialogData);
    EXPECT_EQ(manager_->ChooseSkinData(plain.Handle()), data_);
    manager_->UnregisterSkinData(&dialogData);
}
