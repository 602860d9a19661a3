#pragma once
// The platform's date picker: the date as text and a button that drops a
// month calendar.
#include "toolkit/win_control.h"

class TDateTimePicker : public TWinControl {
    VELMORA_CLASS()
public:
    explicit TDateTimePicker(TComponent* owner);

protected:
    void CreateParams(TCreateParams& p) override;
};
