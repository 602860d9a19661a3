#pragma once
// The tokens of a stored form description (see form_description.h): words,
// numbers, strings, binary values in braces and single-character symbols.
// Words are ASCII (letters, digits, '_' and '.', not starting with a digit
// or a dot); strings are UTF-16 code units, which is what their #codes
// count in.
#include "core/form_error.h"

#include <cstdint>
#include <string>
#include <vector>

enum class TFormTok { End, Ident, Integer, String, Symbol, Binary };

struct TFormToken {
    TFormTok Kind = TFormTok::End;
    std::string Ident;   // a word, or a symbol's one character
    std::u16string Text; // a string's characters
    long long Number = 0;
    std::vector<std::uint8_t> Bytes;
    int Line = 1;
};

class TFormLexer {
public:
    // The text without its byte order mark, if any.
    explicit TFormLexer(std::u16string text);

    const TFormToken& Peek() const { return tok_; }
    TFormToken Take();
    // Throws EFormReadError naming the line of the token taken last: errors
    // are found right after the token they concern was taken.
    [[noreturn]] void Fail(const std::string& what) const;

private:
    [[noreturn]] void LexFail(const std::string& what) const;
    char16_t Ch(std::size_t ahead = 0) const;
    void SkipSpace();
    void Advance();
    void ReadWord();
    void ReadNumber();
    void ReadQuoted();
    void ReadCharacterCode();
    bool JoinsAnotherPiece();
    void ReadString();
    void ReadBinary();

    std::u16string s_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int lastLine_ = 1;
    TFormToken tok_;
};
