// Times what the skin engine adds to the main window: attaching it (from
// activation to the first complete skinned paint) and a full repaint, each
// against the same window unskinned, in one run. Prints medians and ratios.
#include "app/main_form.h"
#include "bench_timing.h"
#include "engine/skin_data.h"
#include "engine/skin_manager.h"
#include "toolkit/form_reader.h"

#include <windows.h>

#include <cstdio>
#include <memory>

namespace {

constexpr UINT kFullRepaint =
    RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN;

struct TBench {
    std::unique_ptr<TFrmMain> form;
    TSkinData* data = nullptr;
    TSkinManage* manager = nullptr;
    HWND window = nullptr;

    void SkinOff() {
        manager->SetPendingSkinData(data);
        manager->Schedule(ActionUnskinAll, 250);
        manager->TimerTick();
        Pump();
    }
    void Hide() {
        ShowWindow(window, SW_HIDE);
        Pump();
    }
    // Shown and activated: with skinning on, the hook attaches the engine
    // here and the posted start message skins it.
    void ShowAndPaint() {
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
        Pump();
        RedrawWindow(window, nullptr, nullptr, kFullRepaint);
    }
};

} // namespace

int main() {
    TBench b;
    b.form = std::make_unique<TFrmMain>(nullptr);
    ReadComponentResource(*b.form, L"TFRMMAIN");
    b.data = b.form->Find<TSkinData>(L"SkinData");
    b.manager = SkinManager();
    if (!b.data || !b.manager) {
        std::printf("no skin component\n");
        return 1;
    }
    b.manager->ActivityState = ActivityStarted;
    b.manager->SkinningOn = false;
    b.form->AfterConstruction();
    b.form->Show();
    Pump();
    b.window = b.form->Handle();
    constexpr int kRuns = 41;

    const double showPlain = Median(
        kRuns,
        [&] {
            b.manager->SkinningOn = false;
            b.Hide();
        },
        [&] { b.ShowAndPaint(); });
    const double showSkinned = Median(
        kRuns,
        [&] {
            b.SkinOff();
            b.Hide();
            b.manager->SkinningOn = true;
        },
        [&] { b.ShowAndPaint(); });
    const bool skinned = SendMessageW(b.window, SKINMSG_QUERY, 0, 0) == 1;

    const auto repaint = [&] { RedrawWindow(b.window, nullptr, nullptr, kFullRepaint); };
    const double paintSkinned = Median(
        kRuns * 5, [] {}, repaint);
    b.SkinOff();
    const double paintPlain = Median(
        kRuns * 5, [] {}, repaint);

    std::printf("engine attached on activation: %s\n", skinned ? "yes" : "NO");
    std::printf("show+paint unskinned  %8.3f ms\n", showPlain);
    std::printf("show+paint skinned    %8.3f ms  attach adds %.3f ms (target <= 30)\n", showSkinned,
                showSkinned - showPlain);
    std::printf("full repaint unskinned %7.3f ms\n", paintPlain);
    std::printf("full repaint skinned   %7.3f ms  ratio %.2fx (target <= 1.5x)\n", paintSkinned,
                paintPlain > 0 ? paintSkinned / paintPlain : 0.0);
    b.form->BeforeDestruction();
    b.form.reset();
    FreeSkinManager();
    return 0;
}
