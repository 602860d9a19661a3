#pragma once
// A stored form description parsed into a tree of objects, properties and
// values, before anything is created from it.
//
// The description is UTF-8 text:
//
//   object FrmMain: TFrmMain
//     Caption = 'Velmora'                  string ('' inside for a quote,
//     ClientWidth = 429                      #13#10 for character codes, and
//     Color = clBtnFace                      + to join pieces across lines)
//     BorderIcons = [biSystemMenu, biMinimize]
//     Font.Name = '宋体'                    dotted names walk object properties
//     OnCreate = FormCreate                 a handler of the root, by name
//     object Image1: TImage                 a child: created by class name,
//       Picture.Data = {424D...}            owned by the root, nested in the
//     end                                   enclosing object; binary as hex
//     object LstThemes: TListView
//       Columns = <
//         item
//           Caption = '序号'
//         end>
//     end
//   end
//
// What a word or number means depends on the property it is given to, so
// the tree keeps the tokens as they are. Every node knows its line for the
// errors found when the tree is applied.
#include "core/form_error.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Objects and collections nest no deeper than this. The description comes
// from the program's own resources, but a crafted one must be refused
// before its depth exhausts the stack of the reader (or of whatever walks
// the tree), and windows nest only so deep anyway.
constexpr int kMaxFormNesting = 32;

struct TFormProperty;

// One item of a collection: its properties in stored order.
struct TFormItem {
    std::vector<TFormProperty> Properties;
    int Line = 1;
};

struct TFormValue {
    enum class TKind { Integer, Ident, String, Binary, Set, Collection };
    TKind Kind = TKind::Integer;
    int Line = 1;
    long long Number = 0;             // Integer
    std::string Ident;                // Ident: ASCII
    std::u16string Text;              // String
    std::vector<std::uint8_t> Bytes;  // Binary
    std::vector<TFormValue> Elements; // Set: Integer and Ident values
    std::vector<TFormItem> Items;     // Collection
};

struct TFormProperty {
    std::string Name; // dotted names walk object properties
    TFormValue Value;
    int Line = 1;
};

struct TFormObject {
    std::string Name, ClassName;
    int Line = 1; // where the class name is
    std::vector<TFormProperty> Properties;
    std::vector<TFormObject> Children;
    // How many of the parent's properties come before this object: the
    // reader applies properties and creates children in stored order.
    std::size_t PropertiesBefore = 0;
};

// The root object of the description; throws EFormReadError naming the line
// for text that is not UTF-8, bad syntax, nesting deeper than
// kMaxFormNesting or text after the root object.
TFormObject ParseFormDescription(std::string_view utf8);
