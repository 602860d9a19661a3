// The skinned system menu runs a modal loop inside a message of its window,
// and the program goes on inside that loop: the manager's timer, posted
// messages, the program's own timers. When the window is unskinned, closed
// or its form freed before the user chooses, the choice must neither call
// into what was freed nor reach anything but the chosen command's window.
#include "skin_form_fixture.h"

#include "freed_memory.h"
#include "support/menu_driver.h"
#include "toolkit/form.h"

#include <commctrl.h>

#include <memory>
#include <vector>

namespace {

LRESULT CALLBACK CommandRecorder(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                 DWORD_PTR commands) {
    if (msg == WM_SYSCOMMAND)
        reinterpret_cast<std::vector<WPARAM>*>(commands)->push_back(wp & 0xFFF0);
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(w, &CommandRecorder, id);
    return DefSubclassProc(w, msg, wp, lp);
}

enum class TMeanwhile { Unskinned, Closed, FormFreed };

struct TMenuLoopCase {
    const char* Name;
    TMeanwhile What;
};

} // namespace

TEST_F(SkinFormTest, SystemMenuChoiceAfterItsWindowChangedDuringTheLoop) {
    const TMenuLoopCase cases[] = {
        {"skin switched off by the manager's timer", TMeanwhile::Unskinned},
        {"window closed by a posted WM_CLOSE", TMeanwhile::Closed},
        {"toolkit form freed", TMeanwhile::FormFreed},
    };
    for (const TMenuLoopCase& c : cases) {
        SCOPED_TRACE(c.Name);
        SkinOn();
        std::unique_ptr<TRawWindow> raw;
        std::unique_ptr<TForm> form;
        if (c.What == TMeanwhile::FormFreed) {
            form = std::make_unique<TForm>(nullptr);
            form->SetBounds(120, 120, 320, 200);
            form->AfterConstruction();
        } else {
            raw = std::make_unique<TRawWindow>();
        }
        const HWND w = form ? form->Handle() : raw->Handle();
        std::vector<WPARAM> commands;
        ASSERT_TRUE(
            SetWindowSubclass(w, &CommandRecorder, 1, reinterpret_cast<DWORD_PTR>(&commands)));
        ShowWindow(w, SW_SHOW);
        SetForegroundWindow(w);
        manager_->SkinWindow(w); // unless its activation did already
        Pump();
        const TWinSkinForm* skin = manager_->FindSkinForm(w);
        ASSERT_TRUE(skin && skin->SkinState() == ssSkinned);
        wchar_t close[128] = L"";
        ASSERT_GT(GetMenuStringW(GetSystemMenu(w, FALSE), SC_CLOSE, close, 128, MF_BYCOMMAND), 0);

        // Whatever the loop frees is filled at once, so a later use shows.
        TFreedMemoryPoison poison;
        bool changed = false, chosen = false;
        TMenuDriver driver([&](HWND menu) {
            if (!changed) {
                if (!menu) return false; // not on the screen yet
                changed = true;
                switch (c.What) {
                case TMeanwhile::Unskinned:
                    manager_->SetPendingSkinData(data_);
                    manager_->Schedule(ActionUnskinAll, 1);
                    break;
                case TMeanwhile::Closed:
                    PostMessageW(w, WM_CLOSE, 0, 0);
                    break;
                case TMeanwhile::FormFreed:
                    form.reset();
                    break;
                }
                return false;
            }
            // A menu that outlives its window gets the choice too.
            const bool happened = c.What == TMeanwhile::Unskinned
                                      ? manager_->PendingAction() == ActionNone
                                      : !IsWindow(w);
            if (!happened) return false;
            if (menu) chosen = TMenuDriver::ChooseItem(menu, close);
            return true;
        });
        RECT r{};
        GetWindowRect(w, &r);
        SendMessageW(w, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(r.left + 40, r.top + 8));
        EXPECT_TRUE(changed) << "the menu opened and the change ran inside its loop";
        EXPECT_FALSE(driver.TimedOut());
        Pump();
        if (c.What == TMeanwhile::Unskinned) {
            EXPECT_TRUE(chosen) << "the menu stayed open and Close was chosen";
            EXPECT_FALSE(Skinned(w));
            // The chosen command reaches the window, which is still there.
            EXPECT_EQ(commands, std::vector<WPARAM>{SC_CLOSE});
        } else {
            EXPECT_FALSE(IsWindow(w));
            EXPECT_TRUE(commands.empty());
        }
        manager_->Purge();
        EXPECT_EQ(manager_->SkinForms().size(), c.What == TMeanwhile::Unskinned ? 0u : 1u);
    }
    SkinOn();
    EXPECT_TRUE(Skinned(main_));
}
