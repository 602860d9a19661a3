#include "toolkit/published_properties.h"

namespace {

std::string Narrow(const std::wstring& s) {
    std::string out;
    for (wchar_t c : s)
        out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

[[noreturn]] void Fail(const std::wstring& name, const char* what) {
    throw EPropertyError("property " + Narrow(name) + ": " + what);
}

TPropTarget Require(const TPersistent& object, const std::wstring& name, TPropKind kind) {
    TPropTarget t = FindPropTarget(const_cast<TPersistent&>(object), name);
    if (!t.Info) Fail(name, "not published");
    bool ordinal = kind == TPropKind::Integer;
    bool ok =
        t.Info->Kind == kind ||
        (ordinal && (t.Info->Kind == TPropKind::Enumeration || t.Info->Kind == TPropKind::Set));
    if (!ok) Fail(name, "wrong kind");
    return t;
}

} // namespace

TPropTarget FindPropTarget(TPersistent& object, const std::wstring& name) {
    TPersistent* current = &object;
    size_t start = 0;
    for (;;) {
        size_t dot = name.find(L'.', start);
        std::wstring part = name.substr(start, dot == std::wstring::npos ? dot : dot - start);
        const TPropInfo* info = current->ClassInfo().FindProp(part);
        if (!info) return {};
        if (dot == std::wstring::npos) return {current, info};
        if (info->Kind != TPropKind::Object || !info->GetObj) return {};
        current = info->GetObj(*current);
        if (!current) return {};
        start = dot + 1;
    }
}

bool IsPublishedProp(const TPersistent& object, const std::wstring& name) {
    return FindPropTarget(const_cast<TPersistent&>(object), name).Info != nullptr;
}

TPropKind PropKind(const TPersistent& object, const std::wstring& name) {
    TPropTarget t = FindPropTarget(const_cast<TPersistent&>(object), name);
    if (!t.Info) Fail(name, "not published");
    return t.Info->Kind;
}

long long GetOrdProp(const TPersistent& object, const std::wstring& name) {
    TPropTarget t = Require(object, name, TPropKind::Integer);
    return t.Info->GetOrd(*t.Object);
}

void SetOrdProp(TPersistent& object, const std::wstring& name, long long value) {
    TPropTarget t = Require(object, name, TPropKind::Integer);
    if (!t.Info->SetOrd) Fail(name, "read-only");
    t.Info->SetOrd(*t.Object, value);
}

std::wstring GetEnumProp(const TPersistent& object, const std::wstring& name) {
    TPropTarget t = Require(object, name, TPropKind::Enumeration);
    return t.Info->Enum->NameOf(static_cast<int>(t.Info->GetOrd(*t.Object)));
}

void SetEnumProp(TPersistent& object, const std::wstring& name, const std::wstring& value) {
    TPropTarget t = Require(object, name, TPropKind::Enumeration);
    int v = t.Info->Enum->ValueOf(value);
    if (v < 0) Fail(name, "unknown enumeration value");
    if (!t.Info->SetOrd) Fail(name, "read-only");
    t.Info->SetOrd(*t.Object, v);
}

std::wstring GetSetProp(const TPersistent& object, const std::wstring& name) {
    TPropTarget t = Require(object, name, TPropKind::Set);
    const long long bits = t.Info->GetOrd(*t.Object);
    std::wstring text = L"[";
    for (int v = 0; v < static_cast<int>(t.Info->Enum->Names.size()) && v < 63; ++v) {
        if (!(bits & (1LL << v))) continue;
        if (text.size() > 1) text += L',';
        text += t.Info->Enum->Names[v];
    }
    return text + L"]";
}

std::wstring GetStrProp(const TPersistent& object, const std::wstring& name) {
    TPropTarget t = Require(object, name, TPropKind::String);
    return t.Info->GetStr(*t.Object);
}

void SetStrProp(TPersistent& object, const std::wstring& name, const std::wstring& value) {
    TPropTarget t = Require(object, name, TPropKind::String);
    if (!t.Info->SetStr) Fail(name, "read-only");
    t.Info->SetStr(*t.Object, value);
}

TPersistent* GetObjectProp(const TPersistent& object, const std::wstring& name) {
    TPropTarget t = Require(object, name, TPropKind::Object);
    return t.Info->GetObj(*t.Object);
}

std::any GetMethodProp(const TPersistent& object, const std::wstring& name) {
    TPropTarget t = Require(object, name, TPropKind::Event);
    return t.Info->GetMethod(*t.Object);
}

void SetMethodProp(TPersistent& object, const std::wstring& name, const std::any& value) {
    TPropTarget t = Require(object, name, TPropKind::Event);
    try {
        t.Info->SetMethod(*t.Object, value);
    } catch (const std::bad_any_cast&) {
        Fail(name, "handler of the wrong type");
    }
}

void SetBinaryProp(TPersistent& object, const std::wstring& name,
                   const std::vector<std::uint8_t>& value) {
    TPropTarget t = Require(object, name, TPropKind::Binary);
    t.Info->SetBinary(*t.Object, value);
}

TPropValue GetPropByName(const TPersistent& object, const std::wstring& name) {
    switch (PropKind(object, name)) {
    case TPropKind::Integer:
    case TPropKind::Enumeration:
    case TPropKind::Set:
        return GetOrdProp(object, name);
    case TPropKind::String:
        return GetStrProp(object, name);
    case TPropKind::Object:
        return GetObjectProp(object, name);
    case TPropKind::Event:
        return GetMethodProp(object, name);
    case TPropKind::Binary: {
        TPropTarget t = Require(object, name, TPropKind::Binary);
        if (!t.Info->GetBinary) Fail(name, "write-only");
        return t.Info->GetBinary(*t.Object);
    }
    }
    Fail(name, "unknown kind");
}

void SetPropByName(TPersistent& object, const std::wstring& name, const TPropValue& value) {
    if (auto v = std::get_if<long long>(&value)) return SetOrdProp(object, name, *v);
    if (auto v = std::get_if<std::wstring>(&value)) return SetStrProp(object, name, *v);
    if (auto v = std::get_if<std::any>(&value)) return SetMethodProp(object, name, *v);
    if (auto v = std::get_if<std::vector<std::uint8_t>>(&value))
        return SetBinaryProp(object, name, *v);
    TPropTarget t = Require(object, name, TPropKind::Object);
    if (!t.Info->SetObj) Fail(name, "read-only");
    t.Info->SetObj(*t.Object, std::get<TPersistent*>(value));
}
