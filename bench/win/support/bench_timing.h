#pragma once
// What the Windows timing programs share: the message pump, a millisecond
// clock and the median of repeated timings. Figures are compared within one
// run, as ratios, because the machines are noisy.
#include <windows.h>

#include <functional>
#include <vector>

// Dispatches every message waiting in the queue. A queue that does not
// empty within a few seconds (a paint that never validates its window hands
// out WM_PAINT for ever) ends the program with the message and window that
// kept coming, instead of hanging the benchmark.
void Pump();
// Milliseconds from the performance counter.
double Now();
// Median in milliseconds of `runs` timings of `measured`; `prepare` runs
// untimed before each.
double Median(int runs, const std::function<void()>& prepare,
              const std::function<void()>& measured);

// Timings gathered over several rounds, for figures taken in turns with
// another (skinned, then plain, then skinned again...) so that a machine
// getting slower or faster during the run weighs on both alike.
class TSamples {
public:
    void Time(const std::function<void()>& measured);
    double Median() const;

private:
    std::vector<double> times_;
};
