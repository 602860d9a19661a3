// Times skinned menus against the platform's: opening (building, showing,
// painting and closing) a 20-item context menu of the main window, skinned
// and unskinned in one run, and a frame repaint of a skinned window with a
// menu bar against the same window without one. Prints medians and ratios.
#include "bench_main_form.h"
#include "bench_timing.h"
#include "toolkit/menus.h"

#include <windows.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kItems = 20;

// Ends the menu loop at its first message, once the menu is on screen and
// painted (the platform paints a popup before its loop starts).
HHOOK EndHook = nullptr;
LRESULT CALLBACK EndAtFirstMessage(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_MENU) EndMenu();
    return CallNextHookEx(EndHook, code, wParam, lParam);
}

UINT TrackAndEnd(HWND owner, HMENU menu, int x, int y) {
    EndHook = SetWindowsHookExW(WH_MSGFILTER, &EndAtFirstMessage, nullptr, GetCurrentThreadId());
    PostMessageW(owner, WM_NULL, 0, 0);
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, owner, nullptr));
    UnhookWindowsHookEx(EndHook);
    return chosen;
}

TPopupMenu* ContextMenu(TForm& form) {
    auto* menu = new TPopupMenu(&form);
    for (int i = 0; i < kItems; ++i) {
        auto* item = new TMenuItem(&form);
        item->SetCaption(i % 7 == 6 ? std::wstring(L"-")
                                    : L"菜单项 Menu item " + std::to_wstring(i + 1));
        item->SetChecked(i == 2);
        item->SetEnabled(i != 4);
        menu->Items()->Add(item);
    }
    const HWND owner = form.Handle();
    menu->Track = [owner](HMENU m, int x, int y) { return TrackAndEnd(owner, m, x, y); };
    return menu;
}

std::unique_ptr<TForm> FormWithBar(bool bar) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(80, 80, 420, 300);
    if (bar) {
        auto* menu = new TMainMenu(form.get());
        for (const wchar_t* caption : {L"文件(&F)", L"编辑(&E)", L"视图(&V)", L"帮助(&H)"}) {
            auto* top = new TMenuItem(form.get());
            top->SetCaption(caption);
            auto* sub = new TMenuItem(form.get());
            sub->SetCaption(L"打开(&O)");
            top->Add(sub);
            menu->Items()->Add(top);
        }
        form->SetMenu(menu);
    }
    form->AfterConstruction();
    form->Show();
    return form;
}

} // namespace

int main() {
    TBenchMainForm b;
    if (!b.Open()) return 1;
    TPopupMenu* menu = ContextMenu(b.Form());
    std::unique_ptr<TForm> withBar = FormWithBar(true), withoutBar = FormWithBar(false);
    Pump();
    RECT r{};
    GetWindowRect(b.Window(), &r);

    constexpr int kRounds = 6, kRunsPerRound = 7;
    TSamples openSkinned, openPlain, frameBar, frameNoBar;
    bool skinned = true;
    for (int round = 0; round < kRounds; ++round) {
        b.Carry(ActionSkinAll);
        skinned = skinned && SendMessageW(b.Window(), SKINMSG_QUERY, 0, 0) == 1 &&
                  SendMessageW(withBar->Handle(), SKINMSG_QUERY, 0, 0) == 1;
        SetForegroundWindow(b.Window());
        Pump();
        for (int i = 0; i < kRunsPerRound; ++i)
            openSkinned.Time([&] { menu->Popup(r.left + 40, r.top + 60); });
        for (int i = 0; i < kRunsPerRound * 5; ++i) {
            frameBar.Time([&] { SendMessageW(withBar->Handle(), WM_NCPAINT, 1, 0); });
            frameNoBar.Time([&] { SendMessageW(withoutBar->Handle(), WM_NCPAINT, 1, 0); });
        }
        b.Carry(ActionUnskinAll);
        SetForegroundWindow(b.Window());
        Pump();
        for (int i = 0; i < kRunsPerRound; ++i)
            openPlain.Time([&] { menu->Popup(r.left + 40, r.top + 60); });
    }

    auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    std::printf("windows skinned: %s\n", skinned ? "yes" : "NO");
    std::printf("%d-item context menu unskinned %8.3f ms\n", kItems, openPlain.Median());
    std::printf("%d-item context menu skinned   %8.3f ms  ratio %.2fx (target <= 1.5x)\n", kItems,
                openSkinned.Median(), ratio(openSkinned.Median(), openPlain.Median()));
    std::printf("WM_NCPAINT without menu bar     %8.3f ms\n", frameNoBar.Median());
    std::printf("WM_NCPAINT with menu bar        %8.3f ms  ratio %.2fx (target <= 1.5x)\n",
                frameBar.Median(), ratio(frameBar.Median(), frameNoBar.Median()));
    withBar->BeforeDestruction();
    withoutBar->BeforeDestruction();
    withBar.reset();
    withoutBar.reset();
    b.Close();
    return 0;
}
