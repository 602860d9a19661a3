// Times the skin engine on the gallery, a control of every family on one
// form: a full repaint and 100 steps of a live resize, skinned against
// unskinned, in turns within one run. Prints medians and ratios.
#include "bench_main_form.h"
#include "bench_timing.h"
#include "gallery_form.h"

#include <windows.h>

#include <cstdio>

namespace {

constexpr UINT kFullRepaint =
    RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN;
constexpr int kSteps = 100;

void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, kFullRepaint);
}

// The window grows by a pixel at a time and shrinks back, each step painted
// before the next, as when its border is dragged.
void ResizeSteps(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    for (int i = 1; i <= kSteps; ++i) {
        const int grow = i <= kSteps / 2 ? i : kSteps - i;
        SetWindowPos(window, nullptr, 0, 0, w + grow, h + grow,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateWindow(window);
        Pump();
    }
}

} // namespace

int main() {
    TBenchForm b;
    if (!b.Open(std::make_unique<TGalleryForm>(nullptr), L"TGALLERYFORM")) return 1;
    const HWND window = b.Window();
    constexpr int kRounds = 5, kRepaints = 9;
    TSamples paintSkinned, paintPlain, resizeSkinned, resizePlain;
    bool skinned = true;
    for (int round = 0; round < kRounds; ++round) {
        b.Carry(ActionSkinAll);
        skinned = skinned && SendMessageW(window, SKINMSG_QUERY, 0, 0) == 1;
        for (int i = 0; i < kRepaints; ++i)
            paintSkinned.Time([&] { Repaint(window); });
        resizeSkinned.Time([&] { ResizeSteps(window); });
        b.Carry(ActionUnskinAll);
        for (int i = 0; i < kRepaints; ++i)
            paintPlain.Time([&] { Repaint(window); });
        resizePlain.Time([&] { ResizeSteps(window); });
    }
    auto ratio = [](double a, double c) { return c > 0 ? a / c : 0.0; };
    std::printf("gallery skinned: %s\n", skinned ? "yes" : "NO");
    std::printf("full repaint unskinned      %8.2f ms\n", paintPlain.Median());
    std::printf("full repaint skinned        %8.2f ms  ratio %.2fx (target <= 1.5x)\n",
                paintSkinned.Median(), ratio(paintSkinned.Median(), paintPlain.Median()));
    std::printf("%d resize steps unskinned  %8.2f ms\n", kSteps, resizePlain.Median());
    std::printf("%d resize steps skinned    %8.2f ms  ratio %.2fx (target <= 1.5x)\n", kSteps,
                resizeSkinned.Median(), ratio(resizeSkinned.Median(), resizePlain.Median()));
    b.Close();
    return 0;
}
