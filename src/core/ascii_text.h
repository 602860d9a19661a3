#pragma once
// Letter case as skin files and their INI text use it: ASCII letters only,
// every other byte (code-page text included) left as it is.
#include <string>
#include <string_view>

char LowerAscii(char c);
std::string LowerAscii(std::string_view text);
