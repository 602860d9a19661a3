#include "core/form_lexer.h"

namespace {

// Only ASCII counts as letters and digits: the classification of the C
// library differs between platforms and locales, and the names of classes,
// properties and values are ASCII.
bool IsLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
}
bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
// The value of a hexadecimal digit, or -1.
int HexDigit(char16_t c) {
    if (IsDigit(c)) return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}
bool IsSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

} // namespace

TFormLexer::TFormLexer(std::u16string text) : s_(std::move(text)) {
    if (!s_.empty() && s_[0] == 0xFEFF) pos_ = 1;
    Advance();
}

TFormToken TFormLexer::Take() {
    TFormToken t = std::move(tok_);
    lastLine_ = t.Line;
    Advance();
    return t;
}

void TFormLexer::Fail(const std::string& what) const {
    throw EFormReadError(lastLine_, what);
}

void TFormLexer::LexFail(const std::string& what) const {
    throw EFormReadError(line_, what);
}

char16_t TFormLexer::Ch(std::size_t ahead) const {
    return ahead < s_.size() - pos_ ? s_[pos_ + ahead] : 0;
}

void TFormLexer::SkipSpace() {
    while (pos_ < s_.size()) {
        const char16_t c = s_[pos_];
        if (c == u'\n') ++line_;
        if (IsSpace(c))
            ++pos_;
        else if (c == u'/' && Ch(1) == u'/')
            while (pos_ < s_.size() && s_[pos_] != u'\n')
                ++pos_;
        else
            break;
    }
}

void TFormLexer::Advance() {
    SkipSpace();
    tok_ = TFormToken{};
    tok_.Line = line_;
    const char16_t c = Ch();
    if (!c) return; // the end, or a NUL character, which ends the text too
    if (IsLetter(c))
        ReadWord();
    else if (IsDigit(c) || (c == u'-' && IsDigit(Ch(1))) || c == u'$')
        ReadNumber();
    else if (c == u'\'' || c == u'#')
        ReadString();
    else if (c == u'{')
        ReadBinary();
    else {
        tok_.Kind = TFormTok::Symbol;
        if (c < 0x80) tok_.Ident = std::string(1, static_cast<char>(c));
        ++pos_;
    }
}

void TFormLexer::ReadWord() {
    tok_.Kind = TFormTok::Ident;
    while (IsLetter(Ch()) || IsDigit(Ch()) || Ch() == u'.')
        tok_.Ident.push_back(static_cast<char>(s_[pos_++]));
}

void TFormLexer::ReadNumber() {
    const bool negative = Ch() == u'-';
    if (negative) ++pos_;
    const bool hex = Ch() == u'$';
    if (hex) ++pos_;
    unsigned long long v = 0;
    const std::size_t start = pos_;
    for (;;) {
        const int d = hex ? HexDigit(Ch()) : (IsDigit(Ch()) ? Ch() - u'0' : -1);
        if (d < 0) break;
        v = v * (hex ? 16 : 10) + static_cast<unsigned>(d);
        if (v > 0xFFFFFFFFull) LexFail("number too large");
        ++pos_;
    }
    if (pos_ == start) LexFail("number expected");
    tok_.Kind = TFormTok::Integer;
    tok_.Number = negative ? -static_cast<long long>(v) : static_cast<long long>(v);
}

// 'text', with '' for a quote inside.
void TFormLexer::ReadQuoted() {
    ++pos_;
    for (;;) {
        if (pos_ >= s_.size() || Ch() == u'\n') LexFail("unterminated string");
        if (Ch() == u'\'') {
            if (Ch(1) != u'\'') break;
            ++pos_;
        }
        tok_.Text += Ch();
        ++pos_;
    }
    ++pos_;
}

// #65: one UTF-16 code unit by its decimal number.
void TFormLexer::ReadCharacterCode() {
    ++pos_;
    unsigned v = 0;
    const std::size_t start = pos_;
    while (IsDigit(Ch()) && v < 0x10000)
        v = v * 10 + (Ch() - u'0'), ++pos_;
    if (pos_ == start || v > 0xFFFF) LexFail("bad character code");
    tok_.Text += static_cast<char16_t>(v);
}

// A '+' (with space around it) before another quoted piece or code joins
// it; otherwise nothing is consumed.
bool TFormLexer::JoinsAnotherPiece() {
    const std::size_t save = pos_;
    const int saveLine = line_;
    SkipSpace();
    if (Ch() == u'+') {
        ++pos_;
        SkipSpace();
        if (Ch() == u'\'' || Ch() == u'#') return true;
    }
    pos_ = save;
    line_ = saveLine;
    return false;
}

// 'quoted' pieces and #code characters, directly adjacent or joined by +.
void TFormLexer::ReadString() {
    tok_.Kind = TFormTok::String;
    for (;;) {
        if (Ch() == u'\'')
            ReadQuoted();
        else if (Ch() == u'#')
            ReadCharacterCode();
        else if (!JoinsAnotherPiece())
            return;
    }
}

void TFormLexer::ReadBinary() {
    ++pos_;
    tok_.Kind = TFormTok::Binary;
    int high = -1;
    for (;;) {
        const char16_t c = Ch();
        if (!c) LexFail("unterminated binary value");
        ++pos_;
        if (c == u'}') break;
        if (c == u'\n') ++line_;
        if (IsSpace(c) || c == u'\v' || c == u'\f') continue;
        const int d = HexDigit(c);
        if (d < 0) LexFail("bad hex digit");
        if (high < 0) {
            high = d;
        } else {
            tok_.Bytes.push_back(static_cast<std::uint8_t>(high * 16 + d));
            high = -1;
        }
    }
    if (high >= 0) LexFail("odd number of hex digits");
}
