#include "toolkit/form_reader.h"

#include "toolkit/class_registry.h"
#include "toolkit/collection.h"
#include "toolkit/colours.h"
#include "toolkit/published_properties.h"

#include <windows.h>

#include <cwctype>
#include <vector>

namespace {

std::wstring Widen(const std::string& s) {
    if (s.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, s.data(), int(s.size()), nullptr, 0);
    if (n <= 0) throw EFormReadError("form description is not UTF-8");
    std::wstring w(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), w.data(), n);
    return w;
}

std::string Narrow(const std::wstring& w) {
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(n > 0 ? n : 0, '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

bool SameText(const std::wstring& a, const wchar_t* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    return i == a.size() && !b[i];
}

enum class TTok { End, Ident, Integer, String, Symbol, Binary };

struct TToken {
    TTok Kind = TTok::End;
    std::wstring Text;
    long long Number = 0;
    std::vector<std::uint8_t> Bytes;
    int Line = 1;
};

class TLexer {
public:
    explicit TLexer(std::wstring text) : s_(std::move(text)) {
        if (!s_.empty() && s_[0] == 0xFEFF) pos_ = 1;
        Advance();
    }
    const TToken& Peek() const { return tok_; }
    TToken Take() {
        TToken t = tok_;
        lastLine_ = t.Line;
        Advance();
        return t;
    }
    // Errors are found right after the token they concern was taken.
    [[noreturn]] void Fail(const std::string& what) const {
        throw EFormReadError("form description, line " + std::to_string(lastLine_) + ": " + what);
    }

private:
    [[noreturn]] void LexFail(const std::string& what) const {
        throw EFormReadError("form description, line " + std::to_string(line_) + ": " + what);
    }
    wchar_t Ch(size_t i = 0) const { return pos_ + i < s_.size() ? s_[pos_ + i] : 0; }

    void SkipSpace() {
        while (pos_ < s_.size()) {
            wchar_t c = s_[pos_];
            if (c == L'\n') ++line_;
            if (c == L' ' || c == L'\t' || c == L'\r' || c == L'\n')
                ++pos_;
            else if (c == L'/' && Ch(1) == L'/')
                while (pos_ < s_.size() && s_[pos_] != L'\n')
                    ++pos_;
            else
                break;
        }
    }

    void Advance() {
        SkipSpace();
        tok_ = TToken{};
        tok_.Line = line_;
        wchar_t c = Ch();
        if (!c) return;
        if (std::iswalpha(c) || c == L'_') {
            size_t start = pos_;
            while (std::iswalnum(Ch()) || Ch() == L'_' || Ch() == L'.')
                ++pos_;
            tok_.Kind = TTok::Ident;
            tok_.Text = s_.substr(start, pos_ - start);
        } else if (std::iswdigit(c) || (c == L'-' && std::iswdigit(Ch(1))) || c == L'$') {
            ReadNumber();
        } else if (c == L'\'' || c == L'#') {
            ReadString();
        } else if (c == L'{') {
            ReadBinary();
        } else {
            tok_.Kind = TTok::Symbol;
            tok_.Text = std::wstring(1, c);
            ++pos_;
        }
    }

    void ReadNumber() {
        bool negative = Ch() == L'-';
        if (negative) ++pos_;
        int base = 10;
        if (Ch() == L'$') {
            base = 16;
            ++pos_;
        }
        unsigned long long v = 0;
        size_t start = pos_;
        while (std::iswxdigit(Ch()) && (base == 16 || std::iswdigit(Ch()))) {
            int d = std::iswdigit(Ch()) ? Ch() - L'0' : (std::towlower(Ch()) - L'a' + 10);
            v = v * base + d;
            if (v > 0xFFFFFFFFull) LexFail("number too large");
            ++pos_;
        }
        if (pos_ == start) LexFail("number expected");
        tok_.Kind = TTok::Integer;
        tok_.Number = negative ? -static_cast<long long>(v) : static_cast<long long>(v);
    }

    // 'quoted' pieces and #code characters, directly adjacent or joined by +.
    void ReadString() {
        tok_.Kind = TTok::String;
        for (;;) {
            if (Ch() == L'\'') {
                ++pos_;
                for (;;) {
                    if (pos_ >= s_.size() || Ch() == L'\n') LexFail("unterminated string");
                    if (Ch() == L'\'') {
                        if (Ch(1) != L'\'') break;
                        ++pos_;
                    }
                    tok_.Text += Ch();
                    ++pos_;
                }
                ++pos_;
            } else if (Ch() == L'#') {
                ++pos_;
                unsigned v = 0;
                size_t start = pos_;
                while (std::iswdigit(Ch()) && v < 0x10000)
                    v = v * 10 + (Ch() - L'0'), ++pos_;
                if (pos_ == start || v > 0xFFFF) LexFail("bad character code");
                tok_.Text += static_cast<wchar_t>(v);
            } else {
                size_t save = pos_;
                int saveLine = line_;
                SkipSpace();
                if (Ch() == L'+') {
                    ++pos_;
                    SkipSpace();
                    if (Ch() == L'\'' || Ch() == L'#') continue;
                }
                pos_ = save;
                line_ = saveLine;
                return;
            }
        }
    }

    void ReadBinary() {
        ++pos_;
        tok_.Kind = TTok::Binary;
        int high = -1;
        for (;;) {
            wchar_t c = Ch();
            if (!c) LexFail("unterminated binary value");
            ++pos_;
            if (c == L'}') break;
            if (c == L'\n') ++line_;
            if (std::iswspace(c)) continue;
            if (!std::iswxdigit(c)) LexFail("bad hex digit");
            int d = std::iswdigit(c) ? c - L'0' : std::towlower(c) - L'a' + 10;
            if (high < 0) {
                high = d;
            } else {
                tok_.Bytes.push_back(static_cast<std::uint8_t>(high * 16 + d));
                high = -1;
            }
        }
        if (high >= 0) LexFail("odd number of hex digits");
    }

    std::wstring s_;
    size_t pos_ = 0;
    int line_ = 1;
    int lastLine_ = 1;
    TToken tok_;
};

class TReader {
public:
    TReader(TComponent& root, const std::string& utf8) : root_(root), lex_(Widen(utf8)) {}

    void Read() {
        ReadObject(nullptr, true);
        if (lex_.Peek().Kind != TTok::End) lex_.Fail("text after the root object");
        for (TComponent* c : loaded_)
            c->Loaded();
    }

private:
    std::wstring Ident() {
        if (lex_.Peek().Kind != TTok::Ident) lex_.Fail("identifier expected");
        return lex_.Take().Text;
    }
    void Expect(const wchar_t* symbol) {
        if (lex_.Peek().Kind != TTok::Symbol || lex_.Peek().Text != symbol)
            lex_.Fail("'" + Narrow(symbol) + "' expected");
        lex_.Take();
    }
    bool PeekSymbol(const wchar_t* symbol) const {
        return lex_.Peek().Kind == TTok::Symbol && lex_.Peek().Text == symbol;
    }
    bool PeekWord(const wchar_t* word) const {
        return lex_.Peek().Kind == TTok::Ident && SameText(lex_.Peek().Text, word);
    }

    void ReadObject(TComponent* parent, bool isRoot) {
        if (!SameText(Ident(), L"object")) lex_.Fail("'object' expected");
        std::wstring name = Ident();
        Expect(L":");
        std::wstring className = Ident();
        TComponent* component = &root_;
        if (isRoot) {
            if (!root_.InheritsFrom(className) || root_.ClassName().size() != className.size())
                lex_.Fail("the description is of class " + Narrow(className) + ", not " +
                          Narrow(root_.ClassName()));
        } else {
            const TClassInfo* info = FindComponentClass(className);
            if (!info || !info->Factory()) lex_.Fail("unknown class " + Narrow(className));
            component = info->Factory()(&root_);
        }
        loaded_.push_back(component);
        component->BeginLoading();
        component->SetName(name);
        if (parent) component->SetParentComponent(parent);
        while (!PeekWord(L"end")) {
            if (lex_.Peek().Kind == TTok::End) lex_.Fail("'end' expected");
            if (PeekWord(L"object"))
                ReadObject(component, false);
            else
                ReadProperty(*component);
        }
        lex_.Take();
    }

    void ReadProperty(TPersistent& object) {
        std::wstring name = Ident();
        Expect(L"=");
        TPropTarget target = FindPropTarget(object, name);
        if (!target.Info) lex_.Fail("unknown property " + Narrow(name));
        try {
            ReadValue(*target.Object, *target.Info);
        } catch (const EFormReadError&) {
            throw;
        } catch (const std::exception& e) {
            lex_.Fail(Narrow(name) + ": " + e.what());
        }
    }

    long long OrdinalFrom(const TToken& t, const TPropInfo& info) {
        if (t.Kind == TTok::Integer) return t.Number;
        if (t.Kind != TTok::Ident) lex_.Fail("value expected for " + Narrow(info.Name));
        if (info.Enum) {
            int v = info.Enum->ValueOf(t.Text);
            if (v >= 0) return v;
        }
        long long v;
        if (IdentToInt(t.Text, v)) return v;
        lex_.Fail("unknown value " + Narrow(t.Text));
    }

    void ReadValue(TPersistent& object, const TPropInfo& info) {
        switch (info.Kind) {
        case TPropKind::Integer:
        case TPropKind::Enumeration:
            if (!info.SetOrd) lex_.Fail("read-only property " + Narrow(info.Name));
            info.SetOrd(object, OrdinalFrom(lex_.Take(), info));
            return;
        case TPropKind::Set: {
            Expect(L"[");
            long long bits = 0;
            while (!PeekSymbol(L"]")) {
                long long v = OrdinalFrom(lex_.Take(), info);
                if (v < 0 || v > 31) lex_.Fail("set element out of range");
                bits |= 1LL << v;
                if (!PeekSymbol(L"]")) Expect(L",");
            }
            lex_.Take();
            info.SetOrd(object, bits);
            return;
        }
        case TPropKind::String: {
            TToken t = lex_.Take();
            if (t.Kind != TTok::String) lex_.Fail("string expected for " + Narrow(info.Name));
            info.SetStr(object, t.Text);
            return;
        }
        case TPropKind::Event: {
            std::wstring handler = Ident();
            std::any method = root_.MethodAddress(handler);
            if (!method.has_value()) lex_.Fail("no handler named " + Narrow(handler));
            info.SetMethod(object, method);
            return;
        }
        case TPropKind::Binary: {
            TToken t = lex_.Take();
            if (t.Kind != TTok::Binary) lex_.Fail("binary value expected");
            info.SetBinary(object, t.Bytes);
            return;
        }
        case TPropKind::Object:
            ReadCollection(info.GetObj(object));
            return;
        }
    }

    void ReadCollection(TPersistent* object) {
        auto* collection = dynamic_cast<TCollection*>(object);
        if (!collection) lex_.Fail("only collections take a value");
        Expect(L"<");
        collection->ClearItems();
        while (!PeekSymbol(L">")) {
            if (!SameText(Ident(), L"item")) lex_.Fail("'item' expected");
            TPersistent* item = collection->AddItem();
            while (!PeekWord(L"end")) {
                if (lex_.Peek().Kind == TTok::End) lex_.Fail("'end' expected");
                ReadProperty(*item);
            }
            lex_.Take();
        }
        lex_.Take();
    }

    TComponent& root_;
    TLexer lex_;
    std::vector<TComponent*> loaded_;
};

} // namespace

void ReadComponentText(TComponent& root, const std::string& utf8) {
    TReader(root, utf8).Read();
}

void ReadComponentResource(TComponent& root, const std::wstring& name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL data = info ? LoadResource(module, info) : nullptr;
    const char* bytes = data ? static_cast<const char*>(LockResource(data)) : nullptr;
    if (!bytes) throw EFormReadError("form description " + Narrow(name) + " not found");
    ReadComponentText(root, std::string(bytes, SizeofResource(module, info)));
}
