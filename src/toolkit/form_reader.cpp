#include "toolkit/form_reader.h"

#include "core/form_description.h"
#include "toolkit/class_registry.h"
#include "toolkit/collection.h"
#include "toolkit/colours.h"
#include "toolkit/published_properties.h"
#include "toolkit/wide_text.h"

#include <windows.h>

namespace {

// Names and words of the description are ASCII.
std::wstring Wide(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

std::string Narrow(const std::wstring& w) {
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(n > 0 ? n : 0, '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

using TKind = TFormValue::TKind;

// Creates the components of a parsed description and sets their
// properties through the published property tables.
class TFormBuilder {
public:
    explicit TFormBuilder(TComponent& root) : root_(root) {}

    void Build(const TFormObject& description) {
        BuildObject(description, nullptr);
        for (TComponent* c : loaded_)
            c->Loaded();
    }

private:
    TComponent& Root(const TFormObject& object) {
        const std::wstring className = Wide(object.ClassName);
        if (!root_.InheritsFrom(className) || root_.ClassName().size() != className.size())
            throw EFormReadError(object.Line, "the description is of class " + object.ClassName +
                                                  ", not " + Narrow(root_.ClassName()));
        return root_;
    }

    TComponent& Create(const TFormObject& object) {
        const TClassInfo* info = FindComponentClass(Wide(object.ClassName));
        if (!info || !info->Factory())
            throw EFormReadError(object.Line, "unknown class " + object.ClassName);
        return *info->Factory()(&root_);
    }

    void BuildObject(const TFormObject& object, TComponent* parent) {
        TComponent& component = parent ? Create(object) : Root(object);
        loaded_.push_back(&component);
        component.BeginLoading();
        component.SetName(Wide(object.Name));
        if (parent) component.SetParentComponent(parent);
        std::size_t next = 0;
        for (const TFormObject& child : object.Children) {
            while (next < child.PropertiesBefore)
                SetProperty(component, object.Properties[next++]);
            BuildObject(child, &component);
        }
        while (next < object.Properties.size())
            SetProperty(component, object.Properties[next++]);
    }

    void SetProperty(TPersistent& object, const TFormProperty& property) {
        TPropTarget target = FindPropTarget(object, Wide(property.Name));
        if (!target.Info) throw EFormReadError(property.Line, "unknown property " + property.Name);
        try {
            SetValue(*target.Object, *target.Info, property.Value);
        } catch (const EFormReadError&) {
            throw;
        } catch (const std::exception& e) {
            throw EFormReadError(property.Value.Line, property.Name + ": " + e.what());
        }
    }

    long long Ordinal(const TFormValue& value, const TPropInfo& info) {
        if (value.Kind == TKind::Integer) return value.Number;
        if (value.Kind != TKind::Ident)
            throw EFormReadError(value.Line, "value expected for " + Narrow(info.Name));
        const std::wstring ident = Wide(value.Ident);
        if (info.Enum) {
            int v = info.Enum->ValueOf(ident);
            if (v >= 0) return v;
        }
        long long v;
        if (IdentToInt(ident, v)) return v;
        throw EFormReadError(value.Line, "unknown value " + value.Ident);
    }

    long long SetBits(const TFormValue& value, const TPropInfo& info) {
        if (value.Kind != TKind::Set) throw EFormReadError(value.Line, "'[' expected");
        long long bits = 0;
        for (const TFormValue& element : value.Elements) {
            long long v = Ordinal(element, info);
            if (v < 0 || v > 31) throw EFormReadError(element.Line, "set element out of range");
            bits |= 1LL << v;
        }
        return bits;
    }

    void SetValue(TPersistent& object, const TPropInfo& info, const TFormValue& value) {
        switch (info.Kind) {
        case TPropKind::Integer:
        case TPropKind::Enumeration:
            if (!info.SetOrd)
                throw EFormReadError(value.Line, "read-only property " + Narrow(info.Name));
            info.SetOrd(object, Ordinal(value, info));
            return;
        case TPropKind::Set:
            info.SetOrd(object, SetBits(value, info));
            return;
        case TPropKind::String:
            if (value.Kind != TKind::String)
                throw EFormReadError(value.Line, "string expected for " + Narrow(info.Name));
            info.SetStr(object, WideText(value.Text));
            return;
        case TPropKind::Event:
            info.SetMethod(object, Handler(value));
            return;
        case TPropKind::Binary:
            if (value.Kind != TKind::Binary)
                throw EFormReadError(value.Line, "binary value expected");
            info.SetBinary(object, value.Bytes);
            return;
        case TPropKind::Object:
            SetCollection(info.GetObj(object), value);
            return;
        }
    }

    std::any Handler(const TFormValue& value) {
        if (value.Kind != TKind::Ident) throw EFormReadError(value.Line, "identifier expected");
        std::any method = root_.MethodAddress(Wide(value.Ident));
        if (!method.has_value())
            throw EFormReadError(value.Line, "no handler named " + value.Ident);
        return method;
    }

    void SetCollection(TPersistent* object, const TFormValue& value) {
        auto* collection = dynamic_cast<TCollection*>(object);
        if (!collection) throw EFormReadError(value.Line, "only collections take a value");
        if (value.Kind != TKind::Collection) throw EFormReadError(value.Line, "'<' expected");
        collection->ClearItems();
        for (const TFormItem& item : value.Items) {
            TPersistent* added = collection->AddItem();
            for (const TFormProperty& property : item.Properties)
                SetProperty(*added, property);
        }
    }

    TComponent& root_;
    std::vector<TComponent*> loaded_;
};

} // namespace

void ReadComponentText(TComponent& root, const std::string& utf8) {
    TFormBuilder(root).Build(ParseFormDescription(utf8));
}

void ReadComponentResource(TComponent& root, const std::wstring& name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL data = info ? LoadResource(module, info) : nullptr;
    const char* bytes = data ? static_cast<const char*>(LockResource(data)) : nullptr;
    if (!bytes) throw EFormReadError("form description " + Narrow(name) + " not found");
    ReadComponentText(root, std::string(bytes, SizeofResource(module, info)));
}
