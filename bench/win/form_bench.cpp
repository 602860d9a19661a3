// Times what the skin engine adds to the main window: attaching it (from
// activation to the first complete skinned paint) and a full repaint, each
// against the same window unskinned, in one run. Prints medians and ratios.
//
// The window is activated away from and back, never hidden: without a
// window manager, Wine waits two seconds on every hide of a managed window
// for a withdrawal nobody sends, which made this program take minutes.
#include "bench_main_form.h"
#include "bench_timing.h"

#include <windows.h>

#include <cstdio>

namespace {

constexpr UINT kFullRepaint =
    RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN;

// A plain top-level window that takes the activation away from the form.
class TOtherWindow {
public:
    TOtherWindow() {
        handle_ = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 80, 40,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        Pump();
    }
    ~TOtherWindow() { DestroyWindow(handle_); }
    TOtherWindow(const TOtherWindow&) = delete;
    TOtherWindow& operator=(const TOtherWindow&) = delete;
    HWND Handle() const { return handle_; }

private:
    HWND handle_;
};

void Activate(HWND window) {
    SetForegroundWindow(window);
    SetActiveWindow(window);
    Pump();
}

// Activated: with skinning on, the hook attaches the engine here and the
// posted start message skins it.
void ActivateAndPaint(HWND window) {
    Activate(window);
    RedrawWindow(window, nullptr, nullptr, kFullRepaint);
}

} // namespace

int main() {
    TBenchMainForm b;
    if (!b.Open()) return 1;
    const HWND window = b.Window();
    const TOtherWindow other;
    constexpr int kRuns = 41;

    // Plain and skinned in turns, so that a machine getting slower or faster
    // during the run weighs on both alike.
    TSamples plain, skinnedSamples;
    for (int i = 0; i < kRuns; ++i) {
        b.Carry(ActionUnskinAll);
        b.Manager().SkinningOn = false;
        Activate(other.Handle());
        plain.Time([&] { ActivateAndPaint(window); });
        b.Carry(ActionUnskinAll);
        Activate(other.Handle());
        b.Manager().SkinningOn = true;
        skinnedSamples.Time([&] { ActivateAndPaint(window); });
    }
    const double activatePlain = plain.Median();
    const double activateSkinned = skinnedSamples.Median();
    const bool skinned = SendMessageW(window, SKINMSG_QUERY, 0, 0) == 1;

    const auto repaint = [&] { RedrawWindow(window, nullptr, nullptr, kFullRepaint); };
    const double paintSkinned = Median(
        kRuns * 5, [] {}, repaint);
    b.Carry(ActionUnskinAll);
    const double paintPlain = Median(
        kRuns * 5, [] {}, repaint);

    std::printf("engine attached on activation: %s\n", skinned ? "yes" : "NO");
    std::printf("activate+paint unskinned  %8.3f ms\n", activatePlain);
    std::printf("activate+paint skinned    %8.3f ms  attach adds %.3f ms (target <= 30)\n",
                activateSkinned, activateSkinned - activatePlain);
    std::printf("full repaint unskinned %7.3f ms\n", paintPlain);
    std::printf("full repaint skinned   %7.3f ms  ratio %.2fx (target <= 1.5x)\n", paintSkinned,
                paintPlain > 0 ? paintSkinned / paintPlain : 0.0);
    b.Close();
    return 0;
}
