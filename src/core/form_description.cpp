#include "core/form_description.h"

#include "core/ascii_text.h"
#include "core/form_lexer.h"
#include "core/utf16_text.h"

namespace {

std::u16string DecodeText(std::string_view utf8) {
    std::u16string text;
    if (!Utf8ToUtf16(utf8, text)) throw EFormReadError("form description is not UTF-8");
    return text;
}

class TParser {
public:
    explicit TParser(std::string_view utf8) : lex_(DecodeText(utf8)) {}

    TFormObject Read() {
        TFormObject root = ReadObject(0);
        if (lex_.Peek().Kind != TFormTok::End)
            throw EFormReadError(lex_.Peek().Line, "text after the root object");
        return root;
    }

private:
    std::string Ident() {
        if (lex_.Peek().Kind != TFormTok::Ident) lex_.Fail("identifier expected");
        return lex_.Take().Ident;
    }
    bool PeekSymbol(const char* symbol) const {
        return lex_.Peek().Kind == TFormTok::Symbol && lex_.Peek().Ident == symbol;
    }
    void Expect(const char* symbol) {
        if (!PeekSymbol(symbol)) lex_.Fail(std::string("'") + symbol + "' expected");
        lex_.Take();
    }
    bool PeekWord(const char* word) const {
        return lex_.Peek().Kind == TFormTok::Ident && LowerAscii(lex_.Peek().Ident) == word;
    }
    void ExpectWord(const char* word) {
        if (LowerAscii(Ident()) != word) lex_.Fail(std::string("'") + word + "' expected");
    }
    // Called on entering an object or a collection at `depth` (the root's
    // properties are at 1).
    void Nest(int depth) const {
        if (depth > kMaxFormNesting)
            lex_.Fail("nested deeper than " + std::to_string(kMaxFormNesting) + " levels");
    }
    // Properties (or child objects) up to the closing 'end', which is taken.
    template <class ReadMember> void ReadUntilEnd(ReadMember readMember) {
        while (!PeekWord("end")) {
            if (lex_.Peek().Kind == TFormTok::End) lex_.Fail("'end' expected");
            readMember();
        }
        lex_.Take();
    }

    TFormObject ReadObject(int depth) {
        ExpectWord("object");
        Nest(depth + 1);
        TFormObject object;
        object.Name = Ident();
        Expect(":");
        object.Line = lex_.Peek().Line;
        object.ClassName = Ident();
        ReadUntilEnd([&] {
            if (PeekWord("object")) {
                object.Children.push_back(ReadObject(depth + 1));
                object.Children.back().PropertiesBefore = object.Properties.size();
            } else {
                object.Properties.push_back(ReadProperty(depth + 1));
            }
        });
        return object;
    }

    TFormProperty ReadProperty(int depth) {
        TFormProperty property;
        property.Line = lex_.Peek().Line;
        property.Name = Ident();
        Expect("=");
        property.Value = ReadValue(property.Name, depth);
        return property;
    }

    TFormValue ReadValue(const std::string& name, int depth) {
        TFormValue value;
        value.Line = lex_.Peek().Line;
        if (PeekSymbol("[")) {
            value.Kind = TFormValue::TKind::Set;
            value.Elements = ReadSet(name);
        } else if (PeekSymbol("<")) {
            Nest(depth + 1);
            value.Kind = TFormValue::TKind::Collection;
            value.Items = ReadCollection(depth + 1);
        } else {
            value = ReadScalar(name);
        }
        return value;
    }

    TFormValue ReadScalar(const std::string& name) {
        TFormToken t = lex_.Take();
        TFormValue value;
        value.Line = t.Line;
        switch (t.Kind) {
        case TFormTok::Integer:
            value.Kind = TFormValue::TKind::Integer;
            value.Number = t.Number;
            break;
        case TFormTok::Ident:
            value.Kind = TFormValue::TKind::Ident;
            value.Ident = std::move(t.Ident);
            break;
        case TFormTok::String:
            value.Kind = TFormValue::TKind::String;
            value.Text = std::move(t.Text);
            break;
        case TFormTok::Binary:
            value.Kind = TFormValue::TKind::Binary;
            value.Bytes = std::move(t.Bytes);
            break;
        default:
            lex_.Fail("value expected for " + name);
        }
        return value;
    }

    // [a, b, 3]: words and numbers.
    std::vector<TFormValue> ReadSet(const std::string& name) {
        Expect("[");
        std::vector<TFormValue> elements;
        while (!PeekSymbol("]")) {
            elements.push_back(ReadScalar(name));
            const TFormValue::TKind kind = elements.back().Kind;
            if (kind != TFormValue::TKind::Ident && kind != TFormValue::TKind::Integer)
                lex_.Fail("value expected for " + name);
            if (!PeekSymbol("]")) Expect(",");
        }
        lex_.Take();
        return elements;
    }

    // < item ... end item ... end >
    std::vector<TFormItem> ReadCollection(int depth) {
        Expect("<");
        std::vector<TFormItem> items;
        while (!PeekSymbol(">")) {
            ExpectWord("item");
            TFormItem item;
            item.Line = lex_.Peek().Line;
            ReadUntilEnd([&] { item.Properties.push_back(ReadProperty(depth)); });
            items.push_back(std::move(item));
        }
        lex_.Take();
        return items;
    }

    TFormLexer lex_;
};

} // namespace

TFormObject ParseFormDescription(std::string_view utf8) {
    return TParser(utf8).Read();
}
