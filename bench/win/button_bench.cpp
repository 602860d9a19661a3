// Times what the skin adds to a button of the main window: a repaint of 全选
// skinned and unskinned, and what a hover change costs skinned (the pointer
// entering or leaving repaints the button once). The platform's button
// under Wine does not repaint on hover at all, so a hover change is held
// against its plain repaint. Figures are taken in turns, so that a machine
// getting slower weighs on both alike. Prints medians and ratios.
#include "bench_main_form.h"
#include "bench_timing.h"

#include "toolkit/button.h"

#include <windows.h>

#include <cstdio>

namespace {

// The pointer comes onto the button and goes: two changes, each painted at once.
void HoverInAndOut(HWND button) {
    SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    UpdateWindow(button);
    SendMessageW(button, WM_MOUSELEAVE, 0, 0);
    UpdateWindow(button);
}

void Repaint(HWND button) {
    InvalidateRect(button, nullptr, TRUE);
    UpdateWindow(button);
}

} // namespace

int main() {
    TBenchMainForm b;
    if (!b.Open()) return 1;
    auto* all = b.Form().Find<TButton>(L"BtnAllSelection");
    if (!all) return 1;
    const HWND button = all->Handle();
    constexpr int kRounds = 25, kPerRound = 20;

    TSamples hoverSkinned, paintSkinned, paintPlain;
    for (int r = 0; r < kRounds; ++r) {
        b.Carry(ActionSkinAll);
        Pump();
        for (int i = 0; i < kPerRound; ++i) {
            hoverSkinned.Time([&] { HoverInAndOut(button); });
            paintSkinned.Time([&] { Repaint(button); });
        }
        b.Carry(ActionUnskinAll);
        Pump();
        for (int i = 0; i < kPerRound; ++i)
            paintPlain.Time([&] { Repaint(button); });
    }
    const auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    const double hoverChange = hoverSkinned.Median() / 2;
    std::printf("button repaint unskinned   %7.3f ms\n", paintPlain.Median());
    std::printf("button repaint skinned     %7.3f ms  ratio %.2fx (target <= 1.5x)\n",
                paintSkinned.Median(), ratio(paintSkinned.Median(), paintPlain.Median()));
    std::printf("hover change skinned       %7.3f ms  ratio %.2fx to the plain repaint\n",
                hoverChange, ratio(hoverChange, paintPlain.Median()));
    b.Close();
    return 0;
}
