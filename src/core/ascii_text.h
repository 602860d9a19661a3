#pragma once
// Letter case as skin files, their INI text and class names use it: ASCII
// letters only, every other character (code-page text included) left as it
// is.
#include <string>
#include <string_view>

char LowerAscii(char c);
std::string LowerAscii(std::string_view text);
// The same for wide text such as window and toolkit class names.
std::wstring LowerAscii(std::wstring_view text);
std::wstring UpperAscii(std::wstring_view text);
