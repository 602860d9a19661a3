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
    // What a border drag does, step by step: a new size, then every paint
    // it causes, flushed before the next step.
    void LiveResize() {
        HWND window = sizeable->Handle();
        RECT start{};
        GetWindowRect(window, &start);
        const int width = start.right - start.left, height = start.bottom - start.top;
        for (int i = 1; i <= kResizeSteps; ++i) {
            SetWindowPos(window, nullptr, 0, 0, width + i * 2, height + i,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
        SetWindowPos(window, nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
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

    constexpr int kRuns = 41;
    b.main.Carry(ActionSkinAll);
    const bool skinned = SendMessageW(b.main.Window(), SKINMSG_QUERY, 0, 0) == 1 &&
                         SendMessageW(b.sizeable->Handle(), SKINMSG_QUERY, 0, 0) == 1;
    const double frameSkinned = Median(
        kRuns * 5, [] {}, [&] { b.RepaintFrame(); });
    const double resizeSkinned = Median(
        kRuns, [] {}, [&] { b.LiveResize(); });
    b.main.Carry(ActionUnskinAll);
    const double framePlain = Median(
        kRuns * 5, [] {}, [&] { b.RepaintFrame(); });
    const double resizePlain = Median(
        kRuns, [] {}, [&] { b.LiveResize(); });

    auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    std::printf("both windows skinned: %s\n", skinned ? "yes" : "NO");
    std::printf("WM_NCPAINT unskinned      %8.3f ms\n", framePlain);
    std::printf("WM_NCPAINT skinned        %8.3f ms  ratio %.2fx (target <= 1.5x)\n", frameSkinned,
                ratio(frameSkinned, framePlain));
    std::printf("%d resize steps unskinned %8.3f ms\n", kResizeSteps, resizePlain);
    std::printf("%d resize steps skinned   %8.3f ms  ratio %.2fx (target <= 1.5x)\n", kResizeSteps,
                resizeSkinned, ratio(resizeSkinned, resizePlain));
    b.sizeable->BeforeDestruction();
    b.sizeable.reset();
    b.main.Close();
    return 0;
}
