#pragma once
// List views: the column header of a report-style list is skinned by the
// header family, owned by the form like every control skin. The list's own
// scroll bars keep the platform's look.
#include "engine/controls/skin_control.h"

class TSkinListView : public TSkinControl {
    VELMORA_CLASS()
protected:
    void OnAttach() override;
};
