#include "toolkit/persistent.h"

#include "toolkit/text_compare.h"

const TEnumInfo BooleanInfo{{L"False", L"True"}};

int TEnumInfo::ValueOf(const std::wstring& name) const {
    for (size_t i = 0; i < Names.size(); ++i)
        if (SameTextNoCase(Names[i], name)) return static_cast<int>(i);
    return -1;
}

std::wstring TEnumInfo::NameOf(int value) const {
    if (value < 0 || value >= static_cast<int>(Names.size())) return {};
    return Names[value];
}

TClassInfo::TClassInfo(std::wstring name, const TClassInfo* parent,
                       std::function<void(TClassInfo&)> describe, TComponentFactory factory)
    : name_(std::move(name)), parent_(parent), factory_(std::move(factory)) {
    if (describe) describe(*this);
}

bool TClassInfo::InheritsFrom(const std::wstring& className) const {
    for (const TClassInfo* c = this; c; c = c->parent_)
        if (SameTextNoCase(c->name_, className)) return true;
    return false;
}

const TPropInfo* TClassInfo::FindProp(const std::wstring& name) const {
    for (const TClassInfo* c = this; c; c = c->parent_)
        for (const TPropInfo& p : c->props_)
            if (SameTextNoCase(p.Name, name)) return &p;
    return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::AllProps() const {
    std::vector<const TPropInfo*> result =
        parent_ ? parent_->AllProps() : std::vector<const TPropInfo*>{};
    for (const TPropInfo& p : props_)
        result.push_back(&p);
    return result;
}

TPropInfo& TClassInfo::Add(TPropInfo info) {
    props_.push_back(std::move(info));
    return props_.back();
}

const TClassInfo& TPersistent::StaticClass() {
    static const TClassInfo info(L"TPersistent", nullptr);
    return info;
}
