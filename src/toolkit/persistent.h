#pragma once
// The root of every toolkit class: a class name, "is it a kind of X", and
// the table of published properties walked up the class chain.
#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TPersistent;
class TComponent;

enum class TPropKind { Integer, Enumeration, Set, String, Object, Event, Binary };

// Names of an enumeration's values, in value order (value = index).
struct TEnumInfo {
    std::vector<std::wstring> Names;
    int ValueOf(const std::wstring& name) const; // -1 when unknown (case-insensitive)
    std::wstring NameOf(int value) const;        // empty when out of range
};

extern const TEnumInfo BooleanInfo; // False, True

struct TPropInfo {
    std::wstring Name;
    TPropKind Kind = TPropKind::Integer;
    const TEnumInfo* Enum = nullptr; // enumeration and set properties
    std::function<long long(const TPersistent&)> GetOrd;
    std::function<void(TPersistent&, long long)> SetOrd;
    std::function<std::wstring(const TPersistent&)> GetStr;
    std::function<void(TPersistent&, const std::wstring&)> SetStr;
    std::function<TPersistent*(TPersistent&)> GetObj;
    std::function<void(TPersistent&, TPersistent*)> SetObj;
    std::function<std::any(const TPersistent&)> GetMethod;
    std::function<void(TPersistent&, const std::any&)> SetMethod;
    std::function<std::vector<std::uint8_t>(const TPersistent&)> GetBinary;
    std::function<void(TPersistent&, const std::vector<std::uint8_t>&)> SetBinary;
};

// Creates a component of a class for the form reader.
using TComponentFactory = std::function<TComponent*(TComponent* owner)>;

class TClassInfo {
public:
    TClassInfo(std::wstring name, const TClassInfo* parent,
               std::function<void(TClassInfo&)> describe = {}, TComponentFactory factory = {});

    const std::wstring& Name() const { return name_; }
    const TClassInfo* Parent() const { return parent_; }
    const TComponentFactory& Factory() const { return factory_; }
    bool InheritsFrom(const std::wstring& className) const; // case-insensitive
    // Own properties only; FindProp walks up the chain.
    const std::vector<TPropInfo>& OwnProps() const { return props_; }
    const TPropInfo* FindProp(const std::wstring& name) const;
    // Every property, base classes first.
    std::vector<const TPropInfo*> AllProps() const;

    // Declaring properties (used inside `describe`).
    TPropInfo& Add(TPropInfo info);
    template <class T> void Int(const wchar_t* n, int (T::*get)() const, void (T::*set)(int));
    template <class T>
    void Enum(const wchar_t* n, const TEnumInfo& e, int (T::*get)() const, void (T::*set)(int));
    template <class T>
    void Set(const wchar_t* n, const TEnumInfo& e, int (T::*get)() const, void (T::*set)(int));
    template <class T> void Bool(const wchar_t* n, bool (T::*get)() const, void (T::*set)(bool));
    template <class T>
    void Str(const wchar_t* n, std::wstring (T::*get)() const, void (T::*set)(const std::wstring&));
    template <class T, class O> void Obj(const wchar_t* n, O* (T::*get)());
    template <class T, class F> void Event(const wchar_t* n, F T::*field);
    template <class T>
    void Binary(const wchar_t* n, std::vector<std::uint8_t> (T::*get)() const,
                void (T::*set)(const std::vector<std::uint8_t>&));

private:
    std::wstring name_;
    const TClassInfo* parent_;
    TComponentFactory factory_;
    std::vector<TPropInfo> props_;
};

class TPersistent {
public:
    virtual ~TPersistent() = default;
    static const TClassInfo& StaticClass();
    virtual const TClassInfo& ClassInfo() const { return StaticClass(); }
    const std::wstring& ClassName() const { return ClassInfo().Name(); }
    bool InheritsFrom(const std::wstring& className) const {
        return ClassInfo().InheritsFrom(className);
    }
};
using TObject = TPersistent;

// Declares the class-information pair of a toolkit class.
#define VELMORA_CLASS()                                                                            \
public:                                                                                            \
    static const TClassInfo& StaticClass();                                                        \
    const TClassInfo& ClassInfo() const override {                                                 \
        return StaticClass();                                                                      \
    }

template <class T>
void TClassInfo::Int(const wchar_t* n, int (T::*get)() const, void (T::*set)(int)) {
    TPropInfo p;
    p.Name = n;
    p.Kind = TPropKind::Integer;
    p.GetOrd = [get](const TPersistent& o) { return (static_cast<const T&>(o).*get)(); };
    if (set) p.SetOrd = [set](TPersistent& o, long long v) { (static_cast<T&>(o).*set)(int(v)); };
    Add(std::move(p));
}

template <class T>
void TClassInfo::Enum(const wchar_t* n, const TEnumInfo& e, int (T::*get)() const,
                      void (T::*set)(int)) {
    Int<T>(n, get, set);
    props_.back().Kind = TPropKind::Enumeration;
    props_.back().Enum = &e;
}

template <class T>
void TClassInfo::Set(const wchar_t* n, const TEnumInfo& e, int (T::*get)() const,
                     void (T::*set)(int)) {
    Int<T>(n, get, set);
    props_.back().Kind = TPropKind::Set;
    props_.back().Enum = &e;
}

template <class T>
void TClassInfo::Bool(const wchar_t* n, bool (T::*get)() const, void (T::*set)(bool)) {
    TPropInfo p;
    p.Name = n;
    p.Kind = TPropKind::Enumeration;
    p.Enum = &BooleanInfo;
    p.GetOrd = [get](const TPersistent& o) { return (static_cast<const T&>(o).*get)() ? 1 : 0; };
    p.SetOrd = [set](TPersistent& o, long long v) { (static_cast<T&>(o).*set)(v != 0); };
    Add(std::move(p));
}

template <class T>
void TClassInfo::Str(const wchar_t* n, std::wstring (T::*get)() const,
                     void (T::*set)(const std::wstring&)) {
    TPropInfo p;
    p.Name = n;
    p.Kind = TPropKind::String;
    p.GetStr = [get](const TPersistent& o) { return (static_cast<const T&>(o).*get)(); };
    p.SetStr = [set](TPersistent& o, const std::wstring& v) { (static_cast<T&>(o).*set)(v); };
    Add(std::move(p));
}

template <class T, class O> void TClassInfo::Obj(const wchar_t* n, O* (T::*get)()) {
    TPropInfo p;
    p.Name = n;
    p.Kind = TPropKind::Object;
    p.GetObj = [get](TPersistent& o) -> TPersistent* { return (static_cast<T&>(o).*get)(); };
    Add(std::move(p));
}

// An event property is a std::function field; its value travels as std::any
// holding exactly that std::function type.
template <class T, class F> void TClassInfo::Event(const wchar_t* n, F T::*field) {
    TPropInfo p;
    p.Name = n;
    p.Kind = TPropKind::Event;
    p.GetMethod = [field](const TPersistent& o) {
        return std::any(static_cast<const T&>(o).*field);
    };
    p.SetMethod = [field](TPersistent& o, const std::any& v) {
        static_cast<T&>(o).*field = v.has_value() ? std::any_cast<F>(v) : F{};
    };
    Add(std::move(p));
}

template <class T>
void TClassInfo::Binary(const wchar_t* n, std::vector<std::uint8_t> (T::*get)() const,
                        void (T::*set)(const std::vector<std::uint8_t>&)) {
    TPropInfo p;
    p.Name = n;
    p.Kind = TPropKind::Binary;
    if (get)
        p.GetBinary = [get](const TPersistent& o) { return (static_cast<const T&>(o).*get)(); };
    p.SetBinary = [set](TPersistent& o, const std::vector<std::uint8_t>& v) {
        (static_cast<T&>(o).*set)(v);
    };
    Add(std::move(p));
}
