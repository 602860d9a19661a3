#include "engine/controls/tab_base.h"

#include "engine/controls/up_down.h"

const TClassInfo& TSkinTabBase::StaticClass() {
    static const TClassInfo info(L"TSkinTabBase", &TSkinControl::StaticClass());
    return info;
}

TSkinTabBase::TSkinTabBase() = default;
TSkinTabBase::~TSkinTabBase() = default;

void TSkinTabBase::SkinChanged() {
    TSkinControl::SkinChanged();
    BuildImages();
    if (scroller_) scroller_->SkinChanged();
}

void TSkinTabBase::OnRestore() {
    if (scroller_) scroller_->RestoreControl();
    TDispatchTarget::Release(std::move(scroller_));
}

bool TSkinTabBase::BeforeMessage(TMessage& m) {
    return !PaintWhole(m) && TSkinControl::BeforeMessage(m);
}

void TSkinTabBase::AttachScroller(HWND arrows) {
    if (scroller_ || !arrows) return;
    auto skin = std::make_unique<TSkinUpDown>();
    skin->SetTabScroller(true);
    if (skin->AttachWindow(Form(), SkinData(), arrows)) scroller_ = std::move(skin);
}
