#include "toolkit/component.h"

#include <algorithm>
#include "toolkit/text_compare.h"

const TClassInfo& TComponent::StaticClass() {
    static const TClassInfo info(L"TComponent", &TPersistent::StaticClass(), [](TClassInfo& c) {
        c.Str<TComponent>(L"Name", &TComponent::Name, &TComponent::SetName);
        c.Int<TComponent>(L"Tag", &TComponent::Tag, &TComponent::SetTag);
    });
    return info;
}

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_) owner_->InsertComponent(this);
}

TComponent::~TComponent() {
    while (!components_.empty())
        delete components_.back(); // each removes itself
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::RemoveComponent(TComponent* c) {
    components_.erase(std::remove(components_.begin(), components_.end(), c), components_.end());
}

TComponent* TComponent::FindComponent(const std::wstring& name) const {
    for (TComponent* c : components_)
        if (SameTextNoCase(c->Name(), name)) return c;
    return nullptr;
}
