#pragma once
// Reading and writing published properties by name, as the skin engine and
// the form reader do. A dotted name ("Font.Name") walks object properties.
// Unknown names and kind mismatches throw EPropertyError.
#include "toolkit/persistent.h"

#include <stdexcept>
#include <variant>

class EPropertyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using TPropValue =
    std::variant<long long, std::wstring, TPersistent*, std::any, std::vector<std::uint8_t>>;

// The property and the object that holds it (the last step of a dotted
// name); nullptr when there is no such property.
struct TPropTarget {
    TPersistent* Object = nullptr;
    const TPropInfo* Info = nullptr;
};
TPropTarget FindPropTarget(TPersistent& object, const std::wstring& name);

bool IsPublishedProp(const TPersistent& object, const std::wstring& name);
TPropKind PropKind(const TPersistent& object, const std::wstring& name);

long long GetOrdProp(const TPersistent& object, const std::wstring& name);
void SetOrdProp(TPersistent& object, const std::wstring& name, long long value);
std::wstring GetEnumProp(const TPersistent& object, const std::wstring& name);
void SetEnumProp(TPersistent& object, const std::wstring& name, const std::wstring& value);
std::wstring GetStrProp(const TPersistent& object, const std::wstring& name);
// A set property as its stored text: the member names in value order,
// "[btPlay,btStop]"; "[]" when empty.
std::wstring GetSetProp(const TPersistent& object, const std::wstring& name);
void SetStrProp(TPersistent& object, const std::wstring& name, const std::wstring& value);
TPersistent* GetObjectProp(const TPersistent& object, const std::wstring& name);
std::any GetMethodProp(const TPersistent& object, const std::wstring& name);
void SetMethodProp(TPersistent& object, const std::wstring& name, const std::any& value);
void SetBinaryProp(TPersistent& object, const std::wstring& name,
                   const std::vector<std::uint8_t>& value);

TPropValue GetPropByName(const TPersistent& object, const std::wstring& name);
void SetPropByName(TPersistent& object, const std::wstring& name, const TPropValue& value);
