// Times what the skin adds to the entry and gauge controls, on controls put
// on the skinned main window: a progress bar stepped from 0 to 100 one step
// at a time (each step painted at once), and an open drop-down list
// scrolled a line at a time to its end and back. The same windows are timed
// with their skin switched off and on, in turns. Prints medians and ratios.
#include "bench_main_form.h"
#include "bench_timing.h"

#include "engine/controls/combo_box.h"
#include "engine/controls/progress_bar.h"
#include "engine/engine_messages.h"
#include "engine/win_skin_form.h"

#include <commctrl.h>
#include <windows.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kItems = 60;

HWND Child(HWND parent, const wchar_t* cls, DWORD style, RECT at) {
    return CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, at.left, at.top,
                           at.right - at.left, at.bottom - at.top, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

void StepProgress(HWND bar) {
    for (int pos = 0; pos <= 100; ++pos) {
        SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(pos), 0);
        UpdateWindow(bar);
    }
}

void ScrollList(HWND list) {
    for (int direction : {SB_LINEDOWN, SB_LINEUP})
        for (int i = 0; i < kItems; ++i) {
            SendMessageW(list, WM_VSCROLL, static_cast<WPARAM>(direction), 0);
            UpdateWindow(list);
        }
}

void SetSkin(HWND window, bool on) {
    SendMessageW(window, SKINMSG_ENABLE, on ? 1 : 0, 0);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

template <class T> bool Attach(TWinSkinForm& form, HWND window) {
    auto skin = std::make_unique<T>();
    if (!skin->AttachWindow(form, *form.SkinData(), window)) return false;
    return form.AdoptControl(std::move(skin));
}

double Ratio(double a, double b) {
    return b > 0 ? a / b : 0.0;
}

} // namespace

int main() {
    TBenchMainForm b;
    if (!b.Open()) return 1;
    b.Carry(ActionSkinAll);
    Pump();
    TWinSkinForm* form = b.Manager().FindSkinForm(b.Window());
    if (!form || !form->SkinData()) return 1;
    const HWND bar = Child(b.Window(), PROGRESS_CLASSW, 0, RECT{20, 60, 320, 78});
    const HWND combo =
        Child(b.Window(), L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, RECT{20, 90, 220, 290});
    for (int i = 0; i < kItems; ++i)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"一个选项"));
    if (!Attach<TSkinProgress>(*form, bar) || !Attach<TSkinComBox>(*form, combo)) return 1;
    COMBOBOXINFO info{sizeof(info)};
    GetComboBoxInfo(combo, &info);
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    Pump();

    constexpr int kRounds = 15, kPerRound = 4;
    TSamples progressSkinned, progressPlain, listSkinned, listPlain;
    for (int r = 0; r < kRounds; ++r) {
        for (bool skinned : {true, false}) {
            SetSkin(bar, skinned);
            SetSkin(combo, skinned);
            Pump();
            for (int i = 0; i < kPerRound; ++i) {
                (skinned ? progressSkinned : progressPlain).Time([&] { StepProgress(bar); });
                (skinned ? listSkinned : listPlain).Time([&] { ScrollList(info.hwndList); });
            }
        }
    }
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    std::printf("progress 0..100 unskinned  %7.3f ms\n", progressPlain.Median());
    std::printf("progress 0..100 skinned    %7.3f ms  ratio %.2fx (target <= 1.5x)\n",
                progressSkinned.Median(), Ratio(progressSkinned.Median(), progressPlain.Median()));
    std::printf("list scroll unskinned      %7.3f ms\n", listPlain.Median());
    std::printf("list scroll skinned        %7.3f ms  ratio %.2fx (target <= 1.5x)\n",
                listSkinned.Median(), Ratio(listSkinned.Median(), listPlain.Median()));
    b.Close();
    return 0;
}
