#pragma once
// Query-string encoding for the theme web site, which expects GB2312 bytes.
#include <string>

// Encodes bytes as stored: letters, digits and !$'()*-.@_ stay, a space
// becomes '+', everything else becomes %XX (upper-case hex). Stops at the
// first NUL.
std::string UrlEncode(const std::string& bytes);

// Converts the text to code page 936 (GB2312) bytes first, then encodes them.
// Characters outside that code page become '?' before encoding.
std::wstring UrlEncodeGb2312(const std::wstring& text);
