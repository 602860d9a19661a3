#pragma once
// The list of the program's forms.
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

// Hides every form's hint at once, as the platform's tooltips hide on a click.
void CancelHints();

// While one lives no hint shows (a menu is open: a hint raised by the
// pointer resting over the control beneath would cover the menu's items).
class THintsSuspended {
public:
    THintsSuspended();
    ~THintsSuspended();
    THintsSuspended(const THintsSuspended&) = delete;
    THintsSuspended& operator=(const THintsSuspended&) = delete;
};
