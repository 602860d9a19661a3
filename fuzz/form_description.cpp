// The stored form description's parser on arbitrary text: it gives a tree
// or an EFormReadError, never anything else, and the tree it gives nests no
// deeper than the limit and keeps its children's places among the
// properties.
#include "core/form_description.h"

#include <cstddef>
#include <cstdint>

namespace {

void CheckProperties(const std::vector<TFormProperty>& properties, int depth);

void CheckValue(const TFormValue& value, int depth) {
    for (const TFormValue& element : value.Elements)
        if (element.Kind != TFormValue::TKind::Integer && element.Kind != TFormValue::TKind::Ident)
            __builtin_trap();
    if (value.Kind == TFormValue::TKind::Collection) {
        if (depth + 1 > kMaxFormNesting) __builtin_trap();
        for (const TFormItem& item : value.Items)
            CheckProperties(item.Properties, depth + 1);
    } else if (!value.Items.empty()) {
        __builtin_trap();
    }
}

void CheckProperties(const std::vector<TFormProperty>& properties, int depth) {
    for (const TFormProperty& property : properties) {
        if (property.Name.empty()) __builtin_trap();
        CheckValue(property.Value, depth);
    }
}

// `depth` counts the objects and collections around this one, itself included.
void CheckObject(const TFormObject& object, int depth) {
    if (depth > kMaxFormNesting || object.Name.empty() || object.ClassName.empty())
        __builtin_trap();
    CheckProperties(object.Properties, depth);
    std::size_t before = 0;
    for (const TFormObject& child : object.Children) {
        if (child.PropertiesBefore < before || child.PropertiesBefore > object.Properties.size())
            __builtin_trap();
        before = child.PropertiesBefore;
        CheckObject(child, depth + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        CheckObject(ParseFormDescription(text), 1);
    } catch (const EFormReadError&) {
        // Refused with its line: the outcome the reader promises.
    }
    return 0;
}
