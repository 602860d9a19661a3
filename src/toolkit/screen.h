#pragma once
// The list of the program's forms.
#include "toolkit/window_subclass.h"

#include <memory>
#include <vector>

class TForm;

class TScreen {
public:
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TForm* Forms(int index) const { return forms_.at(index); }
    // The form whose window is active, or nullptr.
    TForm* ActiveForm() const;

    void AddForm(TForm* form) { forms_.push_back(form); }
    void RemoveForm(TForm* form);

private:
    std::vector<TForm*> forms_;
};

TScreen& Screen();

// While one lives no form's hint shows (a menu is open: the hint's timer,
// started by the pointer resting over the control beneath, would otherwise
// raise it over the menu's items). A click hides a hint without this: the
// tooltip watches its tools' mouse messages and hides on a button press.
// Deactivating a tooltip hides it, but under Wine a show already timed
// still comes: the hint windows also refuse to appear meanwhile.
class THintsSuspended {
public:
    THintsSuspended();
    ~THintsSuspended();
    THintsSuspended(const THintsSuspended&) = delete;
    THintsSuspended& operator=(const THintsSuspended&) = delete;

private:
    std::vector<HWND> hints_;
    std::vector<std::unique_ptr<TWindowSubclass>> guards_;
};
