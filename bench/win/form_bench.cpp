// Times what the skin engine adds to the main window: attaching it (from
// activation to the first complete skinned paint) and a full repaint, each
// against the same window unskinned, in one run. Prints medians and ratios.
#include "bench_main_form.h"
#include "bench_timing.h"

#include <windows.h>

#include <cstdio>

namespace {

constexpr UINT kFullRepaint =
    RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN;

void Hide(HWND window) {
    ShowWindow(window, SW_HIDE);
    Pump();
}

// Shown and activated: with skinning on, the hook attaches the engine here
// and the posted start message skins it.
void ShowAndPaint(HWND window) {
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    Pump();
    RedrawWindow(window, nullptr, nullptr, kFullRepaint);
}

} // namespace

int main() {
    TBenchMainForm b;
    if (!b.Open()) return 1;
    const HWND window = b.Window();
    constexpr int kRuns = 41;

    const double showPlain = Median(
        kRuns,
        [&] {
            b.Manager().SkinningOn = false;
            Hide(window);
        },
        [&] { ShowAndPaint(window); });
    const double showSkinned = Median(
        kRuns,
        [&] {
            b.Carry(ActionUnskinAll);
            Hide(window);
            b.Manager().SkinningOn = true;
        },
        [&] { ShowAndPaint(window); });
    const bool skinned = SendMessageW(window, SKINMSG_QUERY, 0, 0) == 1;

    const auto repaint = [&] { RedrawWindow(window, nullptr, nullptr, kFullRepaint); };
    const double paintSkinned = Median(
        kRuns * 5, [] {}, repaint);
    b.Carry(ActionUnskinAll);
    const double paintPlain = Median(
        kRuns * 5, [] {}, repaint);

    std::printf("engine attached on activation: %s\n", skinned ? "yes" : "NO");
    std::printf("show+paint unskinned  %8.3f ms\n", showPlain);
    std::printf("show+paint skinned    %8.3f ms  attach adds %.3f ms (target <= 30)\n", showSkinned,
                showSkinned - showPlain);
    std::printf("full repaint unskinned %7.3f ms\n", paintPlain);
    std::printf("full repaint skinned   %7.3f ms  ratio %.2fx (target <= 1.5x)\n", paintSkinned,
                paintPlain > 0 ? paintSkinned / paintPlain : 0.0);
    b.Close();
    return 0;
}
