// The skinned copy of the system menu and when it pops up.
#include "caption_fixture.h"

#include "engine/skin_manager.h"
#include "support/menu_driver.h"
#include "toolkit/menus.h"

namespace {

TMenuItem* ItemWithTag(TPopupMenu& menu, int tag) {
    for (int i = 0; i < menu.Items()->Count(); ++i)
        if (menu.Items()->Items(i)->Tag() == tag) return menu.Items()->Items(i);
    return nullptr;
}

struct MenuStateCase {
    TWindowState State;
    bool Restore, Maximize, Minimize, Move, Size;
};

TEST_F(CaptionFixture, SystemMenuCopyHasTheItemsAndTheirStates) {
    MakeWindow(WS_OVERLAPPEDWINDOW);
    const MenuStateCase cases[] = {
        {wsNormal, false, true, true, true, true},
        {wsMaximized, true, false, true, false, false},
        {wsMinimized, true, true, false, true, true},
    };
    for (const MenuStateCase& c : cases) {
        form_->WindowState = c.State;
        form_->BuildSystemMenu();
        ASSERT_TRUE(form_->SystemMenuPopup);
        TPopupMenu& menu = *form_->SystemMenuPopup;
        EXPECT_EQ(menu.Tag(), 33333);
        EXPECT_EQ(menu.Items()->Count(), GetMenuItemCount(GetSystemMenu(window_, FALSE)));
        const std::pair<int, bool> expected[] = {
            {SC_RESTORE, c.Restore}, {SC_MAXIMIZE, c.Maximize}, {SC_MINIMIZE, c.Minimize},
            {SC_MOVE, c.Move},       {SC_SIZE, c.Size},         {SC_CLOSE, true}};
        for (const auto& [command, enabled] : expected) {
            TMenuItem* item = ItemWithTag(menu, command);
            ASSERT_TRUE(item) << std::hex << command;
            EXPECT_EQ(item->Enabled(), enabled) << std::hex << command << " state " << c.State;
            EXPECT_FALSE(item->Caption().empty());
        }
        ASSERT_EQ(form_->SystemMenuImages.size(), static_cast<size_t>(menu.Items()->Count()));
    }
    // Images follow the command; clicking posts the item's command.
    TPopupMenu& menu = *form_->SystemMenuPopup;
    for (int i = 0; i < menu.Items()->Count(); ++i) {
        const int tag = menu.Items()->Items(i)->Tag();
        const int image = form_->SystemMenuImages[i];
        EXPECT_EQ(image, tag == SC_RESTORE    ? 0
                         : tag == SC_MAXIMIZE ? 1
                         : tag == SC_MINIMIZE ? 2
                         : tag == SC_CLOSE    ? 3
                                              : -1);
    }
    ItemWithTag(menu, SC_CLOSE)->Click();
    const auto posted = Pump();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].Msg, static_cast<UINT>(WM_SYSCOMMAND));
    EXPECT_EQ(posted[0].WParam, static_cast<WPARAM>(SC_CLOSE));
}

TEST_F(CaptionFixture, MissingMaximizeBoxDisablesTheItem) {
    MakeWindow(WS_OVERLAPPEDWINDOW);
    form_->Traits.BorderIcons = biSystemMenuBit | biMinimizeBit;
    form_->BuildSystemMenu();
    EXPECT_FALSE(ItemWithTag(*form_->SystemMenuPopup, SC_MAXIMIZE)->Enabled());
}

// Ends the modal menu once it is open.
TMenuDriver EndMenuWhenOpen() {
    return TMenuDriver([](HWND menu) {
        if (!menu) return false;
        EndMenu();
        return true;
    });
}

TEST_F(CaptionFixture, SecondRightClickWithinTheDoubleClickTimeDoesNotReopen) {
    MakeWindow(WS_OVERLAPPEDWINDOW);
    form_->DoubleClickTime = 5000;
    const TMenuDriver ender = EndMenuWhenOpen();
    TMessage m = Mouse(WM_NCRBUTTONDOWN, {100, 10});
    form_->HandleNCRButtonDown(m);
    EXPECT_EQ(m.Msg, 0u);
    ASSERT_TRUE(form_->SystemMenuPopup) << "the first right click opens the menu";
    EXPECT_TRUE(ender.Done() && !ender.TimedOut()) << "the menu was shown";
    const TPopupMenu* first = form_->SystemMenuPopup.get();

    m = Mouse(WM_NCRBUTTONDOWN, {100, 10});
    form_->HandleNCRButtonDown(m);
    EXPECT_EQ(form_->SystemMenuPopup.get(), first) << "not rebuilt, not reopened";
    EXPECT_TRUE(Pump().empty()) << "no hot icon button: nothing closes";

    // On the icon button the second click closes the window.
    TWinSysButton& icon = AddButton(3, 0, 10, 5);
    form_->LayoutSysButtons();
    form_->HotObject = &icon;
    form_->ShowSystemMenu(POINT{0, 0});
    const auto posted = Pump();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].Msg, static_cast<UINT>(WM_CLOSE));
}

TEST_F(CaptionFixture, AltSpaceOpensTheSkinnedMenuAndOtherKeysKeepTheirDefault) {
    MakeWindow(WS_OVERLAPPEDWINDOW);
    const TMenuDriver ender = EndMenuWhenOpen();
    TMessage m;
    m.Msg = WM_SYSCOMMAND;
    m.WParam = SC_KEYMENU;
    m.LParam = L' ';
    form_->HandleSysCommand(m);
    ASSERT_TRUE(form_->SystemMenuPopup);
    EXPECT_TRUE(ender.Done() && !ender.TimedOut()) << "the menu was shown";
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    EXPECT_EQ(form_->SystemMenuPopup->PopupPoint().x, origin.x);
    EXPECT_EQ(form_->SystemMenuPopup->PopupPoint().y, origin.y);
    // State tracking of the commands passed on.
    const std::pair<WPARAM, TWindowState> tracked[] = {
        {SC_MAXIMIZE, wsMaximized}, {SC_RESTORE, wsNormal}, {SC_MINIMIZE, wsMinimized}};
    for (const auto& [command, state] : tracked) {
        TMessage c;
        c.Msg = WM_SYSCOMMAND;
        c.WParam = command;
        form_->HandleSysCommand(c);
        EXPECT_EQ(form_->WindowState, state);
    }
}

TEST_F(CaptionFixture, AltF4KeepsItsDefaultClose) {
    MakeWindow(WS_OVERLAPPEDWINDOW);
    // Alt+F4 arrives as SC_CLOSE; the default turns it into WM_CLOSE.
    TMessage m;
    m.Msg = WM_SYSCOMMAND;
    m.WParam = SC_CLOSE;
    form_->HandleSysCommand(m);
    const auto seen = Pump();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Msg, static_cast<UINT>(WM_CLOSE));
    EXPECT_FALSE(form_->SystemMenuPopup);
}

} // namespace
