#include "bench_timing.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr double kPumpLimitMs = 5000;

[[noreturn]] void ReportEndlessQueue(const MSG& msg) {
    wchar_t className[64] = L"?";
    GetClassNameW(msg.hwnd, className, 64);
    std::printf("message queue did not empty in %.0f s: message 0x%04X keeps coming for window "
                "%p of class %ls\n",
                kPumpLimitMs / 1000, msg.message, static_cast<void*>(msg.hwnd), className);
    std::fflush(stdout);
    std::exit(3);
}

} // namespace

void Pump() {
    const double deadline = Now() + kPumpLimitMs;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        if (Now() > deadline) ReportEndlessQueue(msg);
    }
}

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / frequency;
}

double Median(int runs, const std::function<void()>& prepare,
              const std::function<void()>& measured) {
    TSamples samples;
    for (int i = 0; i < runs; ++i) {
        prepare();
        samples.Time(measured);
    }
    return samples.Median();
}

void TSamples::Time(const std::function<void()>& measured) {
    const double start = Now();
    measured();
    times_.push_back(Now() - start);
}

double TSamples::Median() const {
    if (times_.empty()) return 0.0;
    std::vector<double> sorted = times_;
    std::sort(sorted.begin(), sorted.end());
    return sorted[sorted.size() / 2];
}
