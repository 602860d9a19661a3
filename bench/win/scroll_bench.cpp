// Times what the skinned scroll bars add to the theme list holding 40 rows:
// 100 wheel notches (down and back up) and 100 size changes of the list,
// each painted at once, skinned and unskinned in turns. The overlays must
// follow without storming: one move per size change, no repaint of a bar
// whose picture did not change. Prints medians and ratios.
#include "bench_main_form.h"
#include "bench_timing.h"

#include "toolkit/list_view.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kRows = 40, kSteps = 100;

void FillRows(TListView& list) {
    for (int i = 0; i < kRows; ++i) {
        TListItem* item = list.Items().Add();
        item->SetCaption(std::to_wstring(i));
        item->SubItems().Add(L"滚动测试主题 " + std::to_wstring(i));
    }
}

// Every pending paint of the window and its children, done now.
void PaintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void WheelNotches(HWND form, HWND list) {
    RECT r{};
    GetWindowRect(list, &r);
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    for (int i = 0; i < kSteps; ++i) {
        const short delta = i < kSteps / 2 ? -WHEEL_DELTA : WHEEL_DELTA;
        SendMessageW(list, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), at);
        PaintNow(form);
    }
}

// The list grows and shrinks a pixel at a time, as under a live resize.
void SizeSteps(HWND form, HWND list) {
    RECT r{};
    GetWindowRect(list, &r);
    MapWindowPoints(nullptr, GetParent(list), reinterpret_cast<POINT*>(&r), 2);
    for (int i = 0; i < kSteps; ++i) {
        const int grow = i < kSteps / 2 ? i : kSteps - i;
        SetWindowPos(list, nullptr, 0, 0, r.right - r.left + grow, r.bottom - r.top - grow,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        PaintNow(form);
    }
}

} // namespace

int main() {
    TBenchMainForm b;
    if (!b.Open()) return 1;
    FillRows(*b.Form().LstThemes);
    const HWND form = b.Window(), list = b.Form().LstThemes->Handle();
    constexpr int kRounds = 8;

    TSamples wheelSkinned, wheelPlain, sizeSkinned, sizePlain;
    for (int r = 0; r < kRounds; ++r) {
        b.Carry(ActionSkinAll);
        Pump();
        wheelSkinned.Time([&] { WheelNotches(form, list); });
        sizeSkinned.Time([&] { SizeSteps(form, list); });
        b.Carry(ActionUnskinAll);
        Pump();
        wheelPlain.Time([&] { WheelNotches(form, list); });
        sizePlain.Time([&] { SizeSteps(form, list); });
    }
    const auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    std::printf("100 wheel notches unskinned %8.2f ms\n", wheelPlain.Median());
    std::printf("100 wheel notches skinned   %8.2f ms  ratio %.2fx (target <= 1.5x)\n",
                wheelSkinned.Median(), ratio(wheelSkinned.Median(), wheelPlain.Median()));
    std::printf("100 size steps unskinned    %8.2f ms\n", sizePlain.Median());
    std::printf("100 size steps skinned      %8.2f ms  ratio %.2fx (target <= 1.5x)\n",
                sizeSkinned.Median(), ratio(sizeSkinned.Median(), sizePlain.Median()));
    b.Close();
    return 0;
}
