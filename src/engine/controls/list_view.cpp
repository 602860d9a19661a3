#include "engine/controls/list_view.h"

#include "engine/controls/header.h"
#include "engine/win_skin_form.h"

#include <commctrl.h>

const TClassInfo& TSkinListView::StaticClass() {
    static const TClassInfo info(L"TSkinListView", &TSkinScrollbar::StaticClass());
    return info;
}

void TSkinListView::OnAttach() {
    TSkinScrollbar::OnAttach();
    const HWND header = ListView_GetHeader(Handle());
    if (!header || Form().SkinControlOf(header)) return;
    auto skin = std::make_unique<TSkinHeader>();
    if (skin->AttachWindow(Form(), SkinData(), header)) Form().AdoptControl(std::move(skin));
}
