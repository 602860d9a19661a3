#pragma once
// Answers the message boxes ("#32770" dialogs) that this process shows while
// an object of this class lives: a second thread watches for them, records
// what each showed and presses the chosen button, so that code calling
// MessageBoxW on the test's thread returns.
#include <windows.h>

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct TAnsweredBox {
    std::wstring Caption;
    std::wstring Text;
    bool HasOwner = false;
    std::vector<int> Buttons; // control ids of the push buttons (IDOK, IDYES, ...)
    int DefaultButton = 0;    // id of the button with the default style, 0 if none
    bool HasIcon = false;
};

class TMessageBoxAnswerer {
public:
    // Runs on the watching thread with each box before its button is
    // pressed, while the box is still up.
    using TBeforeAnswer = std::function<void(HWND dialog, const TAnsweredBox& box)>;

    // button: the id to press (IDOK, IDYES, IDNO, ...); a box without it
    // gets its OK button (or its only button) pressed instead.
    explicit TMessageBoxAnswerer(int button, TBeforeAnswer beforeAnswer = {});
    ~TMessageBoxAnswerer();
    TMessageBoxAnswerer(const TMessageBoxAnswerer&) = delete;
    TMessageBoxAnswerer& operator=(const TMessageBoxAnswerer&) = delete;

    std::vector<TAnsweredBox> Boxes() const;

private:
    void Watch();
    bool AnswerOne();

    int button_;
    TBeforeAnswer beforeAnswer_;
    bool stop_ = false;
    mutable std::mutex mutex_;
    std::vector<TAnsweredBox> boxes_;
    std::vector<HWND> answered_;
    std::thread thread_;
};
