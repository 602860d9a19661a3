#pragma once
// UTF-16 text (code units, the same on every platform: wchar_t is 16 bits on
// Windows and 32 on Linux) from UTF-8 bytes, strictly: what Windows refuses
// as UTF-8 (overlong forms, encoded surrogates, values past U+10FFFF, cut
// sequences) is refused here too.
#include <string>
#include <string_view>

// False, with `out` unspecified, when the bytes are not valid UTF-8.
bool Utf8ToUtf16(std::string_view bytes, std::u16string& out);
