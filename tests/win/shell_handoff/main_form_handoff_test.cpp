// The main window's own commands, given as a user gives them (its buttons,
// the row menu from the keyboard, Enter in the search box), reach the shell
// with what each one means and nothing else.
#include "app/main_form.h"
#include "app/search_share.h"
#include "handoff_fixture.h"
#include "support/menu_driver.h"
#include "support/user_input.h"
#include "toolkit/application.h"

#include <functional>

namespace {

class MainFormHandoff : public ShellHandoff {
protected:
    void SetUp() override {
        ShellHandoff::SetUp();
        // ASCII file names: the recorder reads them back in the console's
        // code page.
        wallpaper_ = fixture_.AddFile(fixture_.Wallpapers() + L"sky.jpg", "jpeg");
        theme_ = fixture_.AddTheme(L"Blue Sky.theme",
                                   Utf16Bytes(L"[Theme]\r\nDisplayName=蓝天\r\n"
                                              L"[Control Panel\\Desktop]\r\nWallpaper=" +
                                              wallpaper_ + L"\r\n"));
        SortAscending = true;
        FrmMain = Application().CreateForm<TFrmMain>();
        FrmMain->Show();
    }
    void TearDown() override {
        Application().DestroyForms();
        FrmMain = nullptr;
    }

    // Opens the selected row's menu with the Menu key and picks `item` in it.
    static void ChooseFromRowMenu(const std::wstring& item) {
        FrmMain->LstThemes->Items()[0]->SetSelected(true);
        FrmMain->LstThemes->SetFocus();
        bool chosen = false;
        TMenuDriver driver([&](HWND menu) {
            if (menu) chosen = TMenuDriver::ChooseItem(menu, item);
            return menu != nullptr;
        });
        TypeKeys({VK_APPS});
        PumpUntil([&] { return driver.Done(); });
        EXPECT_TRUE(chosen) << "no item " << Narrow(item) << " in the row menu";
        EXPECT_FALSE(driver.TimedOut());
    }
    static void Click(TWinControl* button) { SendMessageW(button->Handle(), BM_CLICK, 0, 0); }
    static void Search(const std::wstring& keyword, const std::function<void()>& give) {
        SetWindowTextW(FrmMain->TxtSearchName->Handle(), keyword.c_str());
        give();
    }

    std::wstring wallpaper_, theme_;
};

} // namespace

TEST_F(MainFormHandoff, EachCommandHandsTheShellWhatItMeans) {
    const struct {
        const char* what;
        std::function<void()> give;
        std::wstring handed;
        bool path; // compared as Windows compares paths
    } commands[] = {
        {"使用 in the row menu", [] { ChooseFromRowMenu(L"使用: 蓝天"); }, theme_, true},
        {"查看壁纸 in the row menu", [] { ChooseFromRowMenu(L"查看: 蓝天 壁纸"); }, wallpaper_,
         true},
        {"打开壁纸文件夹", [] { Click(FrmMain->BtnPaperPath); }, fixture_.Wallpapers(), true},
        {"打开主题文件夹", [] { Click(FrmMain->BtnThemesPath); }, fixture_.Themes(), true},
        {"the search button", [] { Search(L"蓝天", [] { Click(FrmMain->BtnSearch); }); },
         SearchUrl(L"蓝天"), false},
        {"Enter in the search box",
         [] {
             Search(L"Blue Sky", [] {
                 FrmMain->TxtSearchName->SetFocus();
                 TypeKeys({VK_RETURN});
                 Application().ProcessMessages();
             });
         },
         SearchUrl(L"Blue Sky"), false},
    };
    for (const auto& c : commands) {
        // The recorder's console may have taken the foreground.
        SetForegroundWindow(FrmMain->Handle());
        Application().ProcessMessages();
        c.give();
        // Every arrival is a line of the record: a second hand-off, or a
        // program handed more than its path, would show here.
        const std::wstring received = recorder_.Received(kArrivalMs);
        if (c.path) {
            EXPECT_EQ(Comparable(received), Comparable(c.handed)) << c.what;
        } else {
            EXPECT_EQ(Narrow(received), Narrow(c.handed)) << c.what;
        }
    }
}
