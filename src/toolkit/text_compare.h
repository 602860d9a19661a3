#pragma once
// Comparing text without regard to case: ordinal (code unit by code unit,
// case folded the way the file system folds it), never by the user's
// locale, so that names, class names and paths compare the same everywhere.
#include <string_view>

bool SameTextNoCase(std::wstring_view a, std::wstring_view b);
bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix);
bool ContainsNoCase(std::wstring_view text, std::wstring_view part);

// Orders names the way they sorted when they were stored as code page 936
// (GBK) text and compared byte by byte with ASCII letters case-folded: the
// common Chinese characters (GB2312's first level) in pinyin order, ASCII
// before Chinese. Negative, zero or positive.
int CompareGbkText(std::wstring_view a, std::wstring_view b);
