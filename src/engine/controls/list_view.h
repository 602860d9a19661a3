#pragma once
// List views: skinned scroll bars as every scrolling control has, and the
// column header of a report-style list skinned by the header family, owned
// by the form like every control skin.
#include "engine/controls/scrollbar.h"

class TSkinListView : public TSkinScrollbar {
    VELMORA_CLASS()
protected:
    void OnAttach() override;
};
