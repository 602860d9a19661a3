#pragma once
// A message box that nobody answers would hold its test program until the
// test run's time-out, ten minutes on. While an object of this class lives,
// a thread watches this process's message boxes: one still up after a
// while (far longer than any answer a test arranges takes) is answered
// with its safest button (Cancel, No, OK) and fails the test that was
// running, naming the box.
#include <windows.h>

#include <atomic>
#include <thread>
#include <vector>

class TStrayBoxGuard {
public:
    explicit TStrayBoxGuard(DWORD unansweredMs = 15000);
    ~TStrayBoxGuard();
    TStrayBoxGuard(const TStrayBoxGuard&) = delete;
    TStrayBoxGuard& operator=(const TStrayBoxGuard&) = delete;

private:
    struct TSeen {
        HWND Box;
        DWORD Since;
    };
    void Watch();
    void Look();

    DWORD unansweredMs_;
    std::vector<TSeen> seen_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
