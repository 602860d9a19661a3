// Times the skinned frame against the platform's: a full frame repaint
// (WM_NCPAINT) of the main window, and 100 live-resize steps of a sizeable
// form, each skinned and unskinned in one run. Prints medians and ratios.
#include "bench_main_form.h"
#include "bench_timing.h"
#include "toolkit/button.h"

#include <windows.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kResizeSteps = 100;

struct TFrameBench {
    TBenchMainForm main;
    std::unique_ptr<TForm> sizeable;

    void RepaintFrame() { SendMessageW(main.Window(), WM_NCPAINT, 1, 0); }
    // What the platform's sizing loop does for a border drag: it opens with
    // WM_ENTERSIZEMOVE, sets a new size per mouse move with every paint it
    // causes flushed before the next, and closes with WM_EXITSIZEMOVE.
    void LiveResize() {
        HWND window = sizeable->Handle();
        RECT start{};
        GetWindowRect(window, &start);
        const int width = start.right - start.left, height = start.bottom - start.top;
        SendMessageW(window, WM_ENTERSIZEMOVE, 0, 0);
        for (int i = 1; i <= kResizeSteps; ++i)
            Step(window, width + i * 2, height + i);
        Step(window, width, height);
        SendMessageW(window, WM_EXITSIZEMOVE, 0, 0);
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    static void Step(HWND window, int width, int height) {
        SetWindowPos(window, nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    void Measure(TSamples& frame, TSamples& resize, int runs) {
        Pump();
        for (int i = 0; i < runs * 5; ++i)
            frame.Time([&] { RepaintFrame(); });
        for (int i = 0; i < runs; ++i)
            resize.Time([&] { LiveResize(); });
    }
};

void AddButtons(TForm& form) {
    for (int i = 0; i < 4; ++i) {
        auto* button = new TButton(&form);
        button->SetParent(&form);
        button->SetBounds(10, 10 + 32 * i, 120, 26);
        button->SetCaption(L"按钮 Button");
    }
}

} // namespace

int main() {
    TFrameBench b;
    if (!b.main.Open()) return 1;
    b.sizeable = std::make_unique<TForm>(nullptr);
    b.sizeable->SetBorderStyle(bsSizeable);
    b.sizeable->SetBounds(60, 60, 420, 330);
    AddButtons(*b.sizeable);
    b.sizeable->AfterConstruction();
    b.sizeable->Show();
    Pump();

    // Skinned and plain figures are taken in alternating rounds.
    constexpr int kRounds = 6, kRunsPerRound = 7;
    TSamples frameSkinned, resizeSkinned, framePlain, resizePlain;
    bool skinned = true;
    for (int round = 0; round < kRounds; ++round) {
        b.main.Carry(ActionSkinAll);
        skinned = skinned && SendMessageW(b.main.Window(), SKINMSG_QUERY, 0, 0) == 1 &&
                  SendMessageW(b.sizeable->Handle(), SKINMSG_QUERY, 0, 0) == 1;
        b.Measure(frameSkinned, resizeSkinned, kRunsPerRound);
        b.main.Carry(ActionUnskinAll);
        b.Measure(framePlain, resizePlain, kRunsPerRound);
    }

    auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    std::printf("both windows skinned: %s\n", skinned ? "yes" : "NO");
    std::printf("WM_NCPAINT unskinned      %8.3f ms\n", framePlain.Median());
    std::printf("WM_NCPAINT skinned        %8.3f ms  ratio %.2fx (target <= 1.5x)\n",
                frameSkinned.Median(), ratio(frameSkinned.Median(), framePlain.Median()));
    std::printf("%d resize steps unskinned %8.3f ms\n", kResizeSteps, resizePlain.Median());
    std::printf("%d resize steps skinned   %8.3f ms  ratio %.2fx (target <= 1.5x)\n", kResizeSteps,
                resizeSkinned.Median(), ratio(resizeSkinned.Median(), resizePlain.Median()));
    b.sizeable->BeforeDestruction();
    b.sizeable.reset();
    b.main.Close();
    return 0;
}
