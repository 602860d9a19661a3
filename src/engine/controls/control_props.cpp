#include "engine/controls/control_props.h"

#include "toolkit/published_properties.h"

#include <cwchar>

namespace {

bool HasProp(const TPersistent* object, const std::wstring& name, TPropKind kind) {
    return object && IsPublishedProp(*object, name) && PropKind(*object, name) == kind;
}

} // namespace

long long GetOrdPropByName(const TPersistent* object, const std::wstring& name) {
    if (!HasProp(object, name, TPropKind::Integer) &&
        !HasProp(object, name, TPropKind::Enumeration))
        return -1;
    try {
        return GetOrdProp(*object, name);
    } catch (const EPropertyError&) {
        return -1;
    }
}

std::wstring GetEnumPropByName(const TPersistent* object, const std::wstring& name) {
    if (!HasProp(object, name, TPropKind::Enumeration)) return {};
    try {
        return GetEnumProp(*object, name);
    } catch (const EPropertyError&) {
        return {};
    }
}

std::wstring GetTextPropByName(const TPersistent* object, const std::wstring& name) {
    if (!HasProp(object, name, TPropKind::String)) return {};
    try {
        return GetStrProp(*object, name);
    } catch (const EPropertyError&) {
        return {};
    }
}

TPersistent* GetObjectPropByName(const TPersistent* object, const std::wstring& name) {
    if (!HasProp(object, name, TPropKind::Object)) return nullptr;
    try {
        return GetObjectProp(*object, name);
    } catch (const EPropertyError&) {
        return nullptr;
    }
}

std::wstring GetPropText(const TPersistent* object, const std::wstring& name) {
    if (HasProp(object, name, TPropKind::Integer))
        return std::to_wstring(GetOrdPropByName(object, name));
    if (HasProp(object, name, TPropKind::Enumeration)) return GetEnumPropByName(object, name);
    if (HasProp(object, name, TPropKind::Set)) {
        try {
            return GetSetProp(*object, name);
        } catch (const EPropertyError&) {
            return {};
        }
    }
    return GetTextPropByName(object, name);
}

bool SetPropByName(TPersistent* object, const std::wstring& name, const std::wstring& text) {
    if (!object || !IsPublishedProp(*object, name)) return false;
    try {
        switch (PropKind(*object, name)) {
        case TPropKind::Integer:
            SetOrdProp(*object, name, std::wcstoll(text.c_str(), nullptr, 10));
            return true;
        case TPropKind::Enumeration:
            SetEnumProp(*object, name, text);
            return true;
        case TPropKind::String:
            SetStrProp(*object, name, text);
            return true;
        default:
            return false;
        }
    } catch (const EPropertyError&) {
        return false;
    }
}
