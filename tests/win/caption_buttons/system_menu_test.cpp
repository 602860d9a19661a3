// The skinned copy of the system menu and when it pops up, on a skinned
// window driven by the messages the system sends.
#include "caption_fixture.h"

#include "support/menu_driver.h"
#include "toolkit/menus.h"

namespace {

TMenuItem* ItemWithTag(TPopupMenu& menu, int tag) {
    for (int i = 0; i < menu.Items()->Count(); ++i)
        if (menu.Items()->Items(i)->Tag() == tag) return menu.Items()->Items(i);
    return nullptr;
}

// Ends the modal menu once it is open.
TMenuDriver EndMenuWhenOpen() {
    return TMenuDriver([](HWND menu) {
        if (!menu) return false;
        EndMenu();
        return true;
    });
}

class SystemMenu : public CaptionFixture {
protected:
    // Opens the skinned system menu with a right click on the caption and
    // ends it once it is shown; false when no menu was shown.
    bool OpenMenu() {
        const TMenuDriver ender = EndMenuWhenOpen();
        Mouse(WM_NCRBUTTONDOWN, POINT{100, 10});
        return ender.Done() && !ender.TimedOut();
    }
};

struct MenuStateCase {
    int Show; // ShowWindow command, or 0 for the normal state
    bool Restore, Maximize, Minimize, Move, Size;
};

class SystemMenuStates : public SystemMenu, public testing::WithParamInterface<MenuStateCase> {};

TEST_P(SystemMenuStates, TheCopyHasTheItemsAndTheirStates) {
    const MenuStateCase& c = GetParam();
    MakeWindow(WS_OVERLAPPEDWINDOW);
    if (c.Show) ShowWindow(window_, c.Show);
    Pump();
    ASSERT_TRUE(OpenMenu()) << "the menu was shown";
    ASSERT_TRUE(form_->SystemMenu());
    TPopupMenu& menu = *form_->SystemMenu();
    EXPECT_EQ(menu.Tag(), 33333);
    EXPECT_EQ(menu.Items()->Count(), GetMenuItemCount(GetSystemMenu(window_, FALSE)));
    const std::pair<int, bool> expected[] = {{SC_RESTORE, c.Restore},   {SC_MAXIMIZE, c.Maximize},
                                             {SC_MINIMIZE, c.Minimize}, {SC_MOVE, c.Move},
                                             {SC_SIZE, c.Size},         {SC_CLOSE, true}};
    for (const auto& [command, enabled] : expected) {
        TMenuItem* item = ItemWithTag(menu, command);
        ASSERT_TRUE(item) << std::hex << command;
        EXPECT_EQ(item->Enabled(), enabled) << std::hex << command << " show " << c.Show;
        EXPECT_FALSE(item->Caption().empty());
    }
    // Images follow the command.
    ASSERT_EQ(form_->SystemMenuImages().size(), static_cast<size_t>(menu.Items()->Count()));
    for (int i = 0; i < menu.Items()->Count(); ++i) {
        const int tag = menu.Items()->Items(i)->Tag();
        EXPECT_EQ(form_->SystemMenuImages()[static_cast<size_t>(i)], tag == SC_RESTORE    ? 0
                                                                     : tag == SC_MAXIMIZE ? 1
                                                                     : tag == SC_MINIMIZE ? 2
                                                                     : tag == SC_CLOSE    ? 3
                                                                                          : -1);
    }
    // Clicking an item posts its command to the window.
    Pump();
    ItemWithTag(menu, SC_CLOSE)->Click();
    const auto posted = Pump();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].Msg, static_cast<UINT>(WM_SYSCOMMAND));
    EXPECT_EQ(posted[0].WParam, static_cast<WPARAM>(SC_CLOSE));
}

INSTANTIATE_TEST_SUITE_P(
    States, SystemMenuStates,
    testing::Values(MenuStateCase{0, false, true, true, true, true},
                    MenuStateCase{SW_MAXIMIZE, true, false, true, false, false},
                    MenuStateCase{SW_MINIMIZE, true, true, false, true, true}));

struct StyleCase {
    const char* What;
    DWORD Style;
    bool Size, Maximize, Minimize;
};

// What the window's style does not allow is greyed, as the system greys it.
TEST_F(SystemMenu, ItemsTheStyleDoesNotAllowAreGreyed) {
    const StyleCase cases[] = {
        {"sizeable with both boxes", WS_OVERLAPPEDWINDOW, true, true, true},
        {"no maximize box", WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX, true, false, true},
        {"no minimize box", WS_OVERLAPPEDWINDOW & ~WS_MINIMIZEBOX, true, true, false},
        {"fixed size", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, false, false,
         true},
    };
    for (const StyleCase& c : cases) {
        SCOPED_TRACE(c.What);
        MakeWindow(c.Style);
        ASSERT_TRUE(OpenMenu());
        TPopupMenu& menu = *form_->SystemMenu();
        EXPECT_EQ(ItemWithTag(menu, SC_SIZE)->Enabled(), c.Size);
        EXPECT_EQ(ItemWithTag(menu, SC_MAXIMIZE)->Enabled(), c.Maximize);
        EXPECT_EQ(ItemWithTag(menu, SC_MINIMIZE)->Enabled(), c.Minimize);
        EXPECT_TRUE(ItemWithTag(menu, SC_MOVE)->Enabled());
        form_.reset();
        DestroyWindow(window_);
        window_ = nullptr;
    }
}

TEST_F(SystemMenu, TheIconButtonOpensTheMenuBelowItself) {
    AddButton(caIconMenu, 0, 10, 5);
    MakeWindow(WS_OVERLAPPEDWINDOW);
    const TMenuDriver ender = EndMenuWhenOpen();
    Click({15, 10});
    ASSERT_TRUE(ender.Done() && !ender.TimedOut()) << "the menu was shown";
    RECT r{};
    GetWindowRect(window_, &r);
    const RECT& icon = Button(0).Rect;
    EXPECT_EQ(form_->SystemMenu()->PopupPoint().x, r.left + icon.left);
    EXPECT_EQ(form_->SystemMenu()->PopupPoint().y, r.top + icon.bottom);
}

// The system's double-click time, set for one test and put back.
class TDoubleClickTime {
public:
    explicit TDoubleClickTime(UINT ms) : saved_(GetDoubleClickTime()) { SetDoubleClickTime(ms); }
    ~TDoubleClickTime() { SetDoubleClickTime(saved_); }
    TDoubleClickTime(const TDoubleClickTime&) = delete;
    TDoubleClickTime& operator=(const TDoubleClickTime&) = delete;

private:
    UINT saved_;
};

TEST_F(SystemMenu, SecondClickWithinTheDoubleClickTimeDoesNotReopen) {
    AddButton(caIconMenu, 0, 10, 5);
    MakeWindow(WS_OVERLAPPEDWINDOW);
    const TDoubleClickTime slow(5000);
    ASSERT_TRUE(OpenMenu()) << "the first right click opens the menu";
    const TPopupMenu* first = form_->SystemMenu();
    Mouse(WM_NCRBUTTONDOWN, {100, 10});
    EXPECT_EQ(form_->SystemMenu(), first) << "not rebuilt, not reopened";
    EXPECT_TRUE(Pump().empty()) << "no hot icon button: nothing closes";

    // On the icon button the second click closes the window.
    const auto posted = Click({15, 10});
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].Msg, static_cast<UINT>(WM_CLOSE));
}

TEST_F(SystemMenu, AltSpaceOpensTheSkinnedMenuAtTheClientOrigin) {
    MakeWindow(WS_OVERLAPPEDWINDOW);
    const TMenuDriver ender = EndMenuWhenOpen();
    SendMessageW(window_, WM_SYSCOMMAND, SC_KEYMENU, L' ');
    ASSERT_TRUE(form_->SystemMenu());
    EXPECT_TRUE(ender.Done() && !ender.TimedOut()) << "the menu was shown";
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    EXPECT_EQ(form_->SystemMenu()->PopupPoint().x, origin.x);
    EXPECT_EQ(form_->SystemMenu()->PopupPoint().y, origin.y);
}

TEST_F(SystemMenu, TheStateFollowsTheSizeCommands) {
    MakeWindow(WS_OVERLAPPEDWINDOW);
    gRestoreAllowed = true;
    const std::pair<WPARAM, TWindowState> tracked[] = {
        {SC_MAXIMIZE, wsMaximized}, {SC_RESTORE, wsNormal}, {SC_MINIMIZE, wsMinimized}};
    for (const auto& [command, state] : tracked) {
        SendMessageW(window_, WM_SYSCOMMAND, command, 0);
        EXPECT_EQ(form_->WindowState(), state) << std::hex << command;
    }
}

TEST_F(SystemMenu, AltF4KeepsItsDefaultClose) {
    MakeWindow(WS_OVERLAPPEDWINDOW);
    // Alt+F4 arrives as SC_CLOSE and reaches the window's own procedure.
    SendMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
    const auto seen = Pump();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Msg, static_cast<UINT>(WM_SYSCOMMAND));
    EXPECT_EQ(seen[0].WParam, static_cast<WPARAM>(SC_CLOSE));
    EXPECT_FALSE(form_->SystemMenu()) << "no skinned menu";
}

} // namespace
